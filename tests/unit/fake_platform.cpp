#include "tests/unit/fake_platform.h"

#include <new>

#include "tests/unit/latin1.h"

namespace discgate::testing {
namespace {

// Deletes its file from the fake machine when released, as Windows does on the last close.
class FakeTemporaryFile final : public TemporaryFile {
 public:
  FakeTemporaryFile(FakePlatform& platform, std::string path)
      : m_platform(platform), m_path(std::move(path)) {}
  ~FakeTemporaryFile() override {
    m_platform.files.erase(m_path);
    m_platform.removed.push_back(m_path);
  }

 private:
  FakePlatform& m_platform;
  std::string m_path;
};

}  // namespace

Error FakeError(std::uint32_t code) {
  return Error{code, "fake error " + std::to_string(code), {}, {}};
}

Result<std::string> FakePlatform::ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  if (outOfMemory) throw std::bad_alloc();
  read.push_back(path);
  if (const auto bad = unreadable.find(path); bad != unreadable.end()) return bad->second;
  if (const auto file = files.find(path); file != files.end()) {
    if (file->second.size() > maxBytes) return FakeError(kErrorFileTooLarge);
    return file->second;
  }
  return FakeError(kErrorFileNotFound);
}

Result<std::vector<std::string>> FakePlatform::ListFiles(const std::string& folder) {
  if (outOfMemory) throw std::bad_alloc();
  if (const auto bad = unreadable.find(folder); bad != unreadable.end()) return bad->second;
  if (const auto listed = folders.find(folder); listed != folders.end()) return listed->second;
  return FakeError(kErrorPathNotFound);
}

Result<std::unique_ptr<TemporaryFile>> FakePlatform::CreateTemporaryFile(const std::string& path) {
  if (createFails) return *createFails;
  if (files.count(path)) return FakeError(kErrorFileExists);
  files[path] = "";
  return std::unique_ptr<TemporaryFile>(std::make_unique<FakeTemporaryFile>(*this, path));
}

bool FakePlatform::IsFile(const std::string& path) {
  return files.count(path) > 0 || programs.count(path) > 0;
}

ExecutableLookup FakePlatform::LookupExecutable(const std::string& file,
                                                const std::string& folder) {
  const std::string path = folder + file;
  if (!files.count(path)) return {2, {}};
  lookedUpWhileExisting.push_back(path);
  return association;
}

Status FakePlatform::StartProcess(const std::string& program, const std::string& commandLine) {
  if (startFails) return *startFails;
  started.push_back({program, commandLine});
  return {};
}

Status FakePlatform::ShellOpen(const std::string& file, const std::string& folder) {
  if (openFails) return *openFails;
  opened.push_back({file, folder, false});
  return {};
}

Status FakePlatform::ShellOpenWebPage(const std::string& page, const std::string& folder) {
  if (openFails) return *openFails;
  opened.push_back({page, folder, true});
  return {};
}

std::string FakePlatform::AnsiToUtf8(std::string_view bytes) { return Latin1ToUtf8(bytes); }

}  // namespace discgate::testing
