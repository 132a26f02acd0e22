#include "launcher/one_window.h"

#include <cstdint>

#include "launcher/ascii.h"

namespace discgate {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

// FNV-1a over the bytes of a number, lowest first.
std::uint64_t Mix(std::uint64_t hash, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    hash ^= (value >> (8 * i)) & 0xFF;
    hash *= kFnvPrime;
  }
  return hash;
}

std::uint64_t HashOf(const FileIdentity& identity) {
  return Mix(Mix(kFnvOffset, identity.volumeSerial, 4), identity.fileIndex, 8);
}

}  // namespace

std::string OneWindowName(std::string_view programPath, const FileIdentity& identity) {
  // FNV-1a over the path in lower case: a collision only makes a start look for a window that
  // SameProgram and the window's answer then refuse.
  std::uint64_t hash = kFnvOffset;
  for (const char c : programPath) {
    hash ^= static_cast<unsigned char>(LowerAscii(c));
    hash *= kFnvPrime;
  }
  constexpr char kHex[] = "0123456789abcdef";
  std::string name = "Local\\discgate-";
  for (int shift = 60; shift >= 0; shift -= 4) name += kHex[(hash >> shift) & 0xF];
  name += '-';
  const std::uint64_t disc = HashOf(identity);
  for (int shift = 60; shift >= 0; shift -= 4) name += kHex[(disc >> shift) & 0xF];
  return name;
}

std::uint32_t OneWindowAnswer(const FileIdentity& identity) {
  const std::uint64_t hash = HashOf(identity);
  const auto answer = static_cast<std::uint32_t>(hash ^ (hash >> 32));
  return answer != 0 ? answer : 1;
}

Status SameDiscAsAtStart(Platform& platform, const FileIdentity& atStart) {
  const Result<std::string> program = platform.ModulePath();
  if (!program.ok()) return {};  // the acceptance reports it
  const Error changed{0, {}, Action::DiscChanged, program.value()};
  // Another volume in the drive, whatever it holds; on the same one, another program file. A
  // drive with no disc, or a folder gone from the same disc, is the acceptance's to report.
  const Result<std::uint32_t> volume = platform.VolumeSerialOf(program.value());
  if (volume.ok() && volume.value() != atStart.volumeSerial) return changed;
  const Result<FileIdentity> now = platform.IdentityOf(program.value());
  if (now.ok() && !(now.value() == atStart)) return changed;
  return {};
}

bool SameProgram(std::string_view path, std::string_view other) {
  return !path.empty() && ToLowerAscii(path) == ToLowerAscii(other);
}

}  // namespace discgate
