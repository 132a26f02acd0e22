#pragma once

#include <string>
#include <string_view>

namespace discgate::testing {

// Stands in for the ANSI code page in native tests: Latin-1, the part of Windows-1252 they use.
inline std::string Latin1ToUtf8(std::string_view bytes) {
  std::string utf8;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

}  // namespace discgate::testing
