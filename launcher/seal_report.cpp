#include "launcher/seal_report.h"

#include <algorithm>
#include <atomic>

#include "launcher/ascii.h"
#include "launcher/disc_report.h"
#include "launcher/paths.h"
#include "launcher/seal.h"

namespace discgate {
namespace {

// No program a disc author ships is larger; a larger file is not read whole to look for a seal.
constexpr std::uint64_t kMaxProgramBytes = std::uint64_t{256} << 20;

struct SealedProgram {
  // cppcheck-suppress unusedStructMember; read through the std::optional that holds it
  std::string name;
  Sha256Digest digest;
};

std::optional<SealedProgram> FindSealedProgram(Platform& platform, const std::string& folder,
                                               std::vector<std::string> files) {
  std::sort(files.begin(), files.end());
  for (const std::string& name : files) {
    if (name.find('/') != std::string::npos || !ToLowerAscii(name).ends_with(".exe")) continue;
    const Result<std::string> bytes =
        platform.ReadWholeFile(JoinPath(folder, name), kMaxProgramBytes);
    if (!bytes.ok()) continue;
    if (const auto digest = SealInProgram(bytes.value())) return SealedProgram{name, *digest};
  }
  return std::nullopt;
}

// The line for a file whose check failed; nothing for one as released.
std::optional<std::string> Finding(const Error& error, const std::string& path) {
  switch (error.action) {
    case Action::FileMissing:
      return "missing: " + path;
    case Action::FileChanged:
      return "changed: " + path;
    case Action::SealNotValid:
      return "not valid: " + path;
    default:
      return "unreadable: " + path + ": error " + std::to_string(error.code);
  }
}

std::optional<std::string> CheckFile(Platform& platform, const std::string& folder,
                                     const std::string& path, const Sha256Digest& released) {
  const std::atomic<bool> never{false};
  Result<std::unique_ptr<HeldFile>> held = platform.HoldFile(JoinPath(folder, path));
  if (!held.ok()) return Finding(SealedFileNotRead(held.error(), path), path);
  const Result<Sha256Digest> digest = DigestOf(*held.value(), never);
  if (!digest.ok()) return Finding(SealedFileUnreadable(digest.error(), path), path);
  if (digest.value() != released) return Finding(SealedFileChanged(path), path);
  return std::nullopt;
}

}  // namespace

std::optional<Sha256Digest> SealInProgram(std::string_view programBytes) {
  for (std::size_t at = programBytes.find(kSealMarker); at != std::string_view::npos;
       at = programBytes.find(kSealMarker, at + 1)) {
    const BuiltInSeal seal = ReadBuiltInSeal(programBytes.substr(at, kSealResourceSize));
    if (seal.sealed && seal.digest != Sha256Digest{}) return seal.digest;
  }
  return std::nullopt;
}

std::optional<SealReport> CheckSealedDisc(Platform& platform, const std::string& folder,
                                          const std::vector<std::string>& files) {
  const std::optional<SealedProgram> program = FindSealedProgram(platform, folder, files);
  if (!program) return std::nullopt;
  SealReport report;
  report.lines.push_back("sealed: " + Printable(program->name));
  const Result<Seal> seal = ReadSeal(platform, folder, program->digest);
  if (!seal.ok()) {
    report.lines.push_back(*Finding(seal.error(), std::string(kSealFileName)));
    return report;
  }
  std::size_t findings = 0;
  for (const std::string& path : seal.value().Paths()) {
    if (const auto finding = CheckFile(platform, folder, path, *seal.value().Find(path))) {
      report.lines.push_back(Printable(*finding));
      ++findings;
    }
  }
  for (const std::string& path : files) {
    const bool own =
        ToLowerAscii(path) == ToLowerAscii(program->name) || ToLowerAscii(path) == kSealFileName;
    if (!own && !seal.value().Find(path)) {
      report.lines.push_back("not in the seal: " + Printable(path));
      ++findings;
    }
  }
  report.asReleased = findings == 0;
  if (report.asReleased) {
    report.lines.push_back(std::to_string(seal.value().size()) + " files as released");
  }
  return report;
}

}  // namespace discgate
