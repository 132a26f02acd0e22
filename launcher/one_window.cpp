#include "launcher/one_window.h"

#include <cstdint>

#include "launcher/ascii.h"

namespace discgate {

std::string OneWindowName(std::string_view programPath) {
  // FNV-1a over the path in lower case: a collision only makes a start look for a window that
  // SameProgram then refuses.
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : programPath) {
    hash ^= static_cast<unsigned char>(LowerAscii(c));
    hash *= 1099511628211ULL;
  }
  constexpr char kHex[] = "0123456789abcdef";
  std::string name = "Local\\discgate-";
  for (int shift = 60; shift >= 0; shift -= 4) name += kHex[(hash >> shift) & 0xF];
  return name;
}

bool SameProgram(std::string_view path, std::string_view other) {
  return !path.empty() && ToLowerAscii(path) == ToLowerAscii(other);
}

}  // namespace discgate
