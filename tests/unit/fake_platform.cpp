#include "tests/unit/fake_platform.h"

#include <algorithm>
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

// A file held while this object lives; read in small pieces, so a digest must join them.
class FakeHeldFile final : public HeldFile {
 public:
  FakeHeldFile(FakePlatform& platform, std::string path, std::string bytes)
      : m_platform(platform), m_path(std::move(path)), m_bytes(std::move(bytes)) {
    m_platform.held.insert(m_path);
  }
  ~FakeHeldFile() override { m_platform.held.erase(m_path); }

  Result<std::size_t> Read(char* buffer, std::size_t size) override {
    if (m_platform.readFails) return *m_platform.readFails;
    const std::size_t piece = std::min({size, m_bytes.size() - m_at, std::size_t{7}});
    std::copy_n(m_bytes.data() + m_at, piece, buffer);
    m_at += piece;
    return piece;
  }

 private:
  FakePlatform& m_platform;
  std::string m_path;
  std::string m_bytes;
  std::size_t m_at = 0;
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

Result<std::unique_ptr<HeldFile>> FakePlatform::HoldFile(const std::string& path) {
  if (const auto bad = unreadable.find(path); bad != unreadable.end()) return bad->second;
  const auto file = files.find(path);
  if (file == files.end()) return FakeError(kErrorFileNotFound);
  return std::unique_ptr<HeldFile>(std::make_unique<FakeHeldFile>(*this, path, file->second));
}

Result<FileIdentity> FakePlatform::IdentityOf(const std::string& path) {
  const auto found = identities.find(path);
  if (found == identities.end()) return FakeError(kErrorFileNotFound);
  return found->second;
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
  heldAtStart.insert(held.begin(), held.end());
  return {};
}

Status FakePlatform::ShellOpen(const std::string& file, const std::string& folder) {
  if (openFails) return *openFails;
  opened.push_back({file, folder, false});
  heldAtStart.insert(held.begin(), held.end());
  return {};
}

Status FakePlatform::ShellOpenWebPage(const std::string& page, const std::string& folder) {
  if (openFails) return *openFails;
  opened.push_back({page, folder, true});
  heldAtStart.insert(held.begin(), held.end());
  return {};
}

std::string FakePlatform::AnsiToUtf8(std::string_view bytes) { return Latin1ToUtf8(bytes); }

}  // namespace discgate::testing
