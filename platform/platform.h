#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace discgate {

// What the shell answered when asked which program opens a file. A code above 32 means a program
// was found; 32 or less is the shell's error code (31: no association, 2: file not found).
struct ExecutableLookup {
  std::int32_t code = 0;
  std::string program;
};

// A file that lives only while this object does: the system deletes it when the last handle to it
// closes, also when the process is ended in the middle of its work.
class TemporaryFile {
 public:
  virtual ~TemporaryFile() = default;
};

// Which file a path names now: the serial number of its volume and the file's index there. A
// disc swapped in the drive, or a file put in the place of another, has another.
struct FileIdentity {
  std::uint32_t volumeSerial = 0;
  std::uint64_t fileIndex = 0;
  bool operator==(const FileIdentity&) const = default;
};

// A file held open for reading that nobody can write, rename or delete while this object lives,
// so what was read of it is what a program started on it reads.
class HeldFile {
 public:
  virtual ~HeldFile() = default;
  // Up to `size` bytes from where the last read ended; 0 at the end of the file.
  virtual Result<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

// Everything the launcher needs from the operating system. Texts are UTF-8; the Windows
// implementation converts to UTF-16 at each call. No Windows types appear here, so the decisions
// built on it compile and are tested natively.
class Platform {
 public:
  virtual ~Platform() = default;

  // Full path of the running program file.
  virtual Result<std::string> ModulePath() = 0;
  virtual std::uint32_t ProcessId() = 0;

  // The whole file, as bytes; fails with kErrorFileTooLarge when it holds more than `maxBytes`.
  // A relative path is resolved against the current directory.
  virtual Result<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes) = 0;
  // Names of the files (not subfolders) in a folder, in the order the file system yields them.
  virtual Result<std::vector<std::string>> ListFiles(const std::string& folder) = 0;
  // The user's temporary folder, with its trailing separator.
  virtual Result<std::string> GetTempDir() = 0;
  // Creates an empty temporary file; fails with kErrorFileExists rather than touch an existing one.
  virtual Result<std::unique_ptr<TemporaryFile>> CreateTemporaryFile(const std::string& path) = 0;
  // Opens a file to read and holds it: fails while anyone else may write or delete it.
  virtual Result<std::unique_ptr<HeldFile>> HoldFile(const std::string& path) = 0;
  virtual Result<FileIdentity> IdentityOf(const std::string& path) = 0;
  // The serial number of the volume a path is on, whether or not the path is there.
  virtual Result<std::uint32_t> VolumeSerialOf(const std::string& path) = 0;
  // Whether a file (not a folder) exists at a full path.
  virtual bool IsFile(const std::string& path) = 0;

  virtual ExecutableLookup LookupExecutable(const std::string& file, const std::string& folder) = 0;
  // Starts a program without waiting for it and without keeping any handle to it.
  virtual Status StartProcess(const std::string& program, const std::string& commandLine) = 0;
  // The shell's "open" on a file, with a working folder for what it starts.
  virtual Status ShellOpen(const std::string& file, const std::string& folder) = 0;
  // The shell's "open" on a file as a web page, whatever its name says it is: a page named
  // index.exe or index.hta goes to the web-page handler, or nowhere, and never runs.
  virtual Status ShellOpenWebPage(const std::string& page, const std::string& folder) = 0;

  // The user's preferred UI languages as BCP 47 tags ("de-AT"), most preferred first.
  virtual std::vector<std::string> PreferredUiLanguages() = 0;

  // Text in the system's ANSI code page, as UTF-8.
  virtual std::string AnsiToUtf8(std::string_view bytes) = 0;
};

}  // namespace discgate
