#pragma once

#include <string_view>

namespace discgate {

// The part of a filled fixed-size buffer before its first NUL, or all of it when it holds none.
template <typename Char>
std::basic_string_view<Char> TrimAtNull(std::basic_string_view<Char> text) {
  const auto end = text.find(Char{0});
  return end == std::basic_string_view<Char>::npos ? text : text.substr(0, end);
}

}  // namespace discgate
