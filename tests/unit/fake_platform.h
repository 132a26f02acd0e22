#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace discgate::testing {

// An in-memory machine: files by full path (relative paths stand for the current directory),
// folders listed in the order given, one file association, and a record of what was started.
class FakePlatform : public Platform {
 public:
  struct Started {
    std::string program;
    std::string commandLine;
  };
  struct Opened {
    std::string file;
    std::string folder;
    bool asWebPage;
  };

  Result<std::string> modulePath = std::string("E:\\discgate.exe");
  std::vector<std::string> languages{"en-US"};
  std::map<std::string, std::string> files;
  std::map<std::string, std::vector<std::string>> folders;
  std::map<std::string, Error> unreadable;
  std::map<std::string, FileIdentity> identities;  // by full path
  std::optional<std::uint32_t> volumeSerial;       // of the one volume there is
  Result<std::string> tempDir = std::string("C:\\Temp\\");
  std::optional<Error> createFails;
  ExecutableLookup association{42, "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"};
  std::set<std::string> programs{association.program};  // executable files that exist
  std::optional<Error> startFails;
  std::optional<Error> openFails;
  bool outOfMemory = false;        // reading a file or a folder throws std::bad_alloc
  std::optional<Error> readFails;  // a held file's reads fail, as on a scratched disc

  std::vector<std::string> lookedUpWhileExisting;  // probe paths that existed at lookup time
  std::vector<std::string> removed;                // temporary files, as they were released
  std::vector<std::string> read;                   // every path a read was tried on
  std::vector<Started> started;
  std::vector<Opened> opened;
  std::set<std::string> held;         // files held open now
  std::set<std::string> heldAtStart;  // files held open while something was started

  Result<std::string> ModulePath() override { return modulePath; }
  std::uint32_t ProcessId() override { return 0x1f4; }
  Result<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes) override;
  Result<std::vector<std::string>> ListFiles(const std::string& folder) override;
  Result<std::string> GetTempDir() override { return tempDir; }
  Result<std::unique_ptr<TemporaryFile>> CreateTemporaryFile(const std::string& path) override;
  Result<std::unique_ptr<HeldFile>> HoldFile(const std::string& path) override;
  Result<FileIdentity> IdentityOf(const std::string& path) override;
  Result<std::uint32_t> VolumeSerialOf(const std::string& /*path*/) override {
    if (!volumeSerial) return Error{kErrorNotReady, {}, {}, {}};
    return *volumeSerial;
  }
  bool IsFile(const std::string& path) override;
  ExecutableLookup LookupExecutable(const std::string& file, const std::string& folder) override;
  Status StartProcess(const std::string& program, const std::string& commandLine) override;
  Status ShellOpen(const std::string& file, const std::string& folder) override;
  Status ShellOpenWebPage(const std::string& page, const std::string& folder) override;
  std::vector<std::string> PreferredUiLanguages() override { return languages; }
  // Latin-1 stands in for the ANSI code page.
  std::string AnsiToUtf8(std::string_view bytes) override;
};

Error FakeError(std::uint32_t code);

}  // namespace discgate::testing
