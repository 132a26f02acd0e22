#include "launcher/seal.h"

#include <new>

#include "launcher/ascii.h"
#include "launcher/paths.h"
#include "launcher/selection.h"

namespace discgate {
namespace {

// One part of a path as Windows could have made it, and as nothing but a name: not "." or "..",
// which would reach outside the disc, and no drive ("E:" holds a colon, which no name may).
bool IsPathPart(std::string_view part) {
  return part != "." && part != ".." && IsWindowsFileName(part);
}

bool IsRelativePath(std::string_view path) {
  for (std::size_t start = 0;;) {
    const std::size_t slash = path.find('/', start);
    if (!IsPathPart(path.substr(start, slash - start))) return false;
    if (slash == std::string_view::npos) return true;
    start = slash + 1;
  }
}

}  // namespace

BuiltInSeal ReadBuiltInSeal(std::string_view resource) {
  if (resource.size() == kSealResourceSize && resource.starts_with(kSealMarker)) {
    const std::string_view digest = resource.substr(kSealMarker.size());
    if (digest.find_first_not_of('-') == std::string_view::npos) return {};
    if (const auto parsed = FromHex(digest)) return {true, *parsed};
  }
  return {true, {}};
}

const Sha256Digest* Seal::Find(std::string_view path) const {
  const auto found = m_files.find(ToLowerAscii(path));
  return found == m_files.end() ? nullptr : &found->second.digest;
}

std::vector<std::string> Seal::Paths() const {
  std::vector<std::string> paths;
  paths.reserve(m_files.size());
  for (const auto& [key, file] : m_files) paths.push_back(file.path);
  return paths;
}

std::optional<Seal> ParseSeal(std::string_view bytes) {
  Seal seal;
  std::size_t lines = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos || ++lines > kMaxSealLines) return std::nullopt;
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    // sha256sum's text form; its "*" for binary mode and its "\" for escaped names are never
    // written by the release tool.
    if (line.size() < 67 || line.substr(64, 2) != "  ") return std::nullopt;
    const auto digest = FromHex(line.substr(0, 64));
    const std::string_view path = line.substr(66);
    if (!digest || !IsRelativePath(path)) return std::nullopt;
    if (!seal.m_files.emplace(ToLowerAscii(path), Seal::File{std::string(path), *digest}).second) {
      return std::nullopt;
    }
  }
  return seal;
}

Error SealedFileMissing(Error error, const std::string& path) {
  return WithAction(std::move(error), Action::FileMissing, path);
}

Error SealedFileUnreadable(Error error, const std::string& path) {
  return WithAction(std::move(error), Action::FileUnreadable, path);
}

Error SealedFileChanged(const std::string& path) { return Error{0, {}, Action::FileChanged, path}; }

Error SealedFileNotRead(Error error, const std::string& path) {
  const bool missing = error.code == kErrorFileNotFound || error.code == kErrorPathNotFound;
  return missing ? SealedFileMissing(std::move(error), path)
                 : SealedFileUnreadable(std::move(error), path);
}

Result<Seal> ReadSeal(Platform& platform, const std::string& programFolder,
                      const Sha256Digest& digest) {
  const std::string path = JoinPath(programFolder, kSealFileName);
  const Result<std::string> bytes = platform.ReadWholeFile(path, kMaxSealBytes);
  // A seal larger than any the release tool writes is not the one released.
  if (!bytes.ok() && bytes.error().code == kErrorFileTooLarge) return SealedFileChanged(path);
  if (!bytes.ok()) return SealedFileNotRead(bytes.error(), path);
  if (Sha256(bytes.value()) != digest) return SealedFileChanged(path);
  std::optional<Seal> seal = ParseSeal(bytes.value());
  if (!seal) return Error{0, {}, Action::SealNotValid, path};
  return std::move(*seal);
}

Result<Sha256Digest> DigestOf(HeldFile& file, const std::atomic<bool>& stop) {
  // Large pieces: a CD reads fastest in long runs.
  constexpr std::size_t kPiece = std::size_t{1} << 20;
  std::string buffer(kPiece, '\0');
  Sha256Hasher hasher;
  for (;;) {
    if (stop) return Error{kErrorCancelled, {}, {}, {}};
    const Result<std::size_t> read = file.Read(buffer.data(), buffer.size());
    if (!read.ok()) return read.error();
    if (read.value() == 0) return hasher.Finish();
    hasher.Update(std::string_view(buffer.data(), read.value()));
  }
}

}  // namespace discgate
