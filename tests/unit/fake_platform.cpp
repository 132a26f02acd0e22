#include "tests/unit/fake_platform.h"

#include "tests/unit/latin1.h"

namespace discgate::testing {

Error FakeError(std::uint32_t code) { return Error{code, "fake error " + std::to_string(code), {}}; }

Result<std::string> FakePlatform::ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  if (const auto bad = unreadable.find(path); bad != unreadable.end()) return bad->second;
  if (const auto file = files.find(path); file != files.end()) {
    if (file->second.size() > maxBytes) return FakeError(kErrorFileTooLarge);
    return file->second;
  }
  return FakeError(kErrorFileNotFound);
}

Result<std::vector<std::string>> FakePlatform::ListFiles(const std::string& folder) {
  if (const auto bad = unreadable.find(folder); bad != unreadable.end()) return bad->second;
  if (const auto listed = folders.find(folder); listed != folders.end()) return listed->second;
  return FakeError(kErrorPathNotFound);
}

Status FakePlatform::CreateNewFile(const std::string& path) {
  if (createFails) return *createFails;
  if (files.count(path)) return FakeError(kErrorFileExists);
  files[path] = "";
  return {};
}

Status FakePlatform::RemoveFile(const std::string& path) {
  if (!files.erase(path)) return FakeError(kErrorFileNotFound);
  removed.push_back(path);
  return {};
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
  opened.push_back({file, folder});
  return {};
}

std::string FakePlatform::AnsiToUtf8(std::string_view bytes) { return Latin1ToUtf8(bytes); }

}  // namespace discgate::testing
