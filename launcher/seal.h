#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/sha256.h"
#include "platform/platform.h"

namespace discgate {

// The seal of a released disc: disc.sha256 at the disc's root, one line per file as sha256sum
// writes it ("<64 hex digits>  <path>", paths from the root with "/"). The program carries the
// seal's own digest, inside its signed image, so no one who can write the disc but not sign the
// program can change a file of it unnoticed.
inline constexpr std::string_view kSealFileName = "disc.sha256";
inline constexpr std::uint64_t kMaxSealBytes = std::uint64_t{16} << 20;
inline constexpr std::size_t kMaxSealLines = 100'000;

// What the program carries: the resource the release tool writes the seal's digest into. A
// program made by the build carries dashes there, and no seal.
inline constexpr std::string_view kSealMarker = "DISCGATE-SEAL:";
inline constexpr std::size_t kSealResourceSize = kSealMarker.size() + 64;

struct BuiltInSeal {
  bool sealed = false;
  // What disc.sha256 must hash to. A resource that is neither dashes nor a digest seals the
  // program against a digest nothing has, so every disc is refused rather than none checked.
  Sha256Digest digest{};
};
BuiltInSeal ReadBuiltInSeal(std::string_view resource);

class Seal {
 public:
  // The digest the seal gives a file, found as Windows finds a name: without regard to the case
  // of ASCII letters; nothing when the seal does not list it.
  const Sha256Digest* Find(std::string_view path) const;
  // Every path the seal lists, as it lists them.
  std::vector<std::string> Paths() const;
  std::size_t size() const { return m_files.size(); }

 private:
  friend std::optional<Seal> ParseSeal(std::string_view bytes);
  struct File {
    std::string path;
    Sha256Digest digest;
  };
  std::map<std::string, File> m_files;  // by the path with its ASCII letters in lower case
};

// The seal's lines, or nothing when any line is not one the release tool writes: a line that is
// not "<64 hex digits>  <path>\n", a path that is absolute, names a drive, holds "." or ".." or
// an empty part, a character Windows forbids in a name or invalid UTF-8, a path listed twice (in
// any case), or more than kMaxSealLines lines.
std::optional<Seal> ParseSeal(std::string_view bytes);

// Why a file of a sealed disc cannot be trusted: reading it failed with a "not found" error (the
// copy is incomplete) or another error (the disc may be damaged), or its bytes are not the ones
// released. Each as the report of it.
Error SealedFileMissing(Error error, const std::string& path);
Error SealedFileUnreadable(Error error, const std::string& path);
Error SealedFileChanged(const std::string& path);
// A read of a sealed file that failed: missing or unreadable by its error.
Error SealedFileNotRead(Error error, const std::string& path);

// disc.sha256 from the program's folder, checked against the digest the program carries.
Result<Seal> ReadSeal(Platform& platform, const std::string& programFolder,
                      const Sha256Digest& digest);

// The digest of a file read through to its end, in pieces; given up (kErrorCancelled) once
// `stop` is set.
Result<Sha256Digest> DigestOf(HeldFile& file, const std::atomic<bool>& stop);

}  // namespace discgate
