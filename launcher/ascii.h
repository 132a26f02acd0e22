#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace discgate {

// Lower case for the ASCII letters only: file and language names compared here are ASCII, and the
// result must not depend on the user's locale.
constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiAlphanumeric(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }

inline std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
  return lower;
}

}  // namespace discgate
