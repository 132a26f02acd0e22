// Tells a disc author what the program would do with a disc, by the program's own rules: what
// accepting the agreement starts, which names look meant to start but never will, which licence
// each language gets and which licence the program would refuse (launcher/disc_report.h):
//
//   disc-check FOLDER             the folder's files, in code-point order, as a CD lists them
//   disc-check --listed FOLDER    the names at the disc's root in the order given on standard
//                                 input, each ended by a NUL: an image's own listing
//
// When a program at the folder's root carries a seal, every file below the folder is checked
// against it (launcher/seal_report.h), and the exit code is 1 unless all are as released.
//
// Names are found without regard to case, as Windows finds them on a CD.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "launcher/ascii.h"
#include "launcher/disc_report.h"
#include "launcher/seal_report.h"

namespace {

using discgate::Error;
using discgate::Result;
using discgate::Status;

class Descriptor final : public discgate::HeldFile {
 public:
  explicit Descriptor(int fd) : m_fd(fd) {}
  ~Descriptor() override { ::close(m_fd); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  Result<std::size_t> Read(char* buffer, std::size_t size) override {
    const ssize_t got = ::read(m_fd, buffer, size);
    if (got < 0) return Error{discgate::kErrorInvalidData, {}, {}, {}};
    return static_cast<std::size_t>(got);
  }

 private:
  int m_fd;
};

// Every plain file below the folder, as a path from it with "/"; links are not followed.
std::vector<std::string> FilesBelow(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator entry(folder, error), end;
       !error && entry != end; entry.increment(error)) {
    if (entry->is_regular_file(error) && !entry->is_symlink(error)) {
      files.push_back(entry->path().lexically_relative(folder).generic_string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The disc's root folder as the program would see it; it reads files and nothing else.
class FolderPlatform final : public discgate::Platform {
 public:
  FolderPlatform(std::string folder, const std::vector<std::string>& files)
      : m_folder(std::move(folder)) {
    for (const std::string& name : files) m_files.emplace(discgate::ToLowerAscii(name), name);
  }

  Result<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes) override {
    const std::size_t slash = path.find_last_of("\\/");
    const auto found = m_files.find(discgate::ToLowerAscii(path.substr(slash + 1)));
    if (found == m_files.end()) return Error{discgate::kErrorFileNotFound, {}, {}, {}};
    const std::string file = m_folder + "/" + found->second;
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      if (fd >= 0) ::close(fd);
      return Error{discgate::kErrorInvalidData, {}, {}, {}};
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
      ::close(fd);
      return Error{discgate::kErrorFileTooLarge, {}, {}, {}};
    }
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
      if (got <= 0) break;
      done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (done != bytes.size()) return Error{discgate::kErrorInvalidData, {}, {}, {}};
    return bytes;
  }
  // Any file below the folder, by its path from it with "/".
  Result<std::unique_ptr<discgate::HeldFile>> HoldFile(const std::string& path) override {
    const int fd = ::open((m_folder + "/" + path).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
      return Error{
          errno == ENOENT ? discgate::kErrorFileNotFound : discgate::kErrorInvalidData, {}, {}, {}};
    }
    return std::unique_ptr<discgate::HeldFile>(std::make_unique<Descriptor>(fd));
  }
  std::string AnsiToUtf8(std::string_view bytes) override { return std::string(bytes); }

  // Nothing else is asked for a report.
  Result<std::string> ModulePath() override { return Unused(); }
  std::uint32_t ProcessId() override { return 0; }
  Result<std::vector<std::string>> ListFiles(const std::string& /*folder*/) override {
    return Unused();
  }
  Result<std::string> GetTempDir() override { return Unused(); }
  Result<std::unique_ptr<discgate::TemporaryFile>> CreateTemporaryFile(
      const std::string& /*path*/) override {
    return Unused();
  }
  bool IsFile(const std::string& /*path*/) override { return false; }
  discgate::ExecutableLookup LookupExecutable(const std::string& /*file*/,
                                              const std::string& /*folder*/) override {
    return {};
  }
  Status StartProcess(const std::string& /*program*/, const std::string& /*line*/) override {
    return Unused();
  }
  Status ShellOpen(const std::string& /*file*/, const std::string& /*folder*/) override {
    return Unused();
  }
  Status ShellOpenWebPage(const std::string& /*page*/, const std::string& /*folder*/) override {
    return Unused();
  }
  std::vector<std::string> PreferredUiLanguages() override { return {}; }
  Result<discgate::FileIdentity> IdentityOf(const std::string& /*path*/) override {
    return Unused();
  }
  Result<std::uint32_t> VolumeSerialOf(const std::string& /*path*/) override { return Unused(); }

 private:
  static Error Unused() { return Error{discgate::kErrorInvalidData, {}, {}, {}}; }

  std::string m_folder;
  std::map<std::string, std::string> m_files;  // by the name in lower case
};

}  // namespace

int main(int argc, char** argv) {
  const bool listed = argc == 3 && std::string(argv[1]) == "--listed";
  if (argc != 2 && !listed) {
    std::cerr << "usage: disc-check [--listed] FOLDER\n";
    return 2;
  }
  const std::string folder = argv[argc - 1];
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    // Folders are never started; neither is anything that is not a plain file on the disc.
    if (entry->is_regular_file(error) && !entry->is_symlink(error)) {
      names.push_back(entry->path().filename().string());
    }
  }
  if (error) {
    std::cerr << "disc-check: " << folder << ": " << error.message() << "\n";
    return 2;
  }
  FolderPlatform platform(folder, names);
  if (listed) {
    names.clear();
    for (std::string name; std::getline(std::cin, name, '\0');) names.push_back(name);
  } else {
    std::sort(names.begin(), names.end());  // byte order of UTF-8 is code-point order
  }
  for (const std::string& line : discgate::DiscReport(platform, "", names)) {
    std::cout << line << "\n";
  }
  const auto sealed = discgate::CheckSealedDisc(platform, "", FilesBelow(folder));
  if (!sealed) return 0;
  for (const std::string& line : sealed->lines) std::cout << line << "\n";
  return sealed->asReleased ? 0 : 1;
}
