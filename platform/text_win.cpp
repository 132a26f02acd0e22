#include "platform/text_win.h"

#include <windows.h>

#include <climits>

namespace discgate {

std::wstring ToUtf16(std::string_view bytes, unsigned codePage) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::wstring Widen(std::string_view utf8) { return ToUtf16(utf8, CP_UTF8); }

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty() || utf16.size() > INT_MAX) return {};
  const int size = static_cast<int>(utf16.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

std::string NarrowFileName(std::wstring_view utf16) {
  const auto isHigh = [](wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; };
  const auto isLow = [](wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
  std::string out;
  std::size_t run = 0;  // where the text not yet narrowed begins
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    if (isHigh(utf16[i]) && i + 1 < utf16.size() && isLow(utf16[i + 1])) {
      ++i;  // a pair: narrowed with the run
    } else if (isHigh(utf16[i]) || isLow(utf16[i])) {
      out += Narrow(utf16.substr(run, i - run));
      const auto c = static_cast<unsigned>(utf16[i]);
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
      run = i + 1;
    }
  }
  return out + Narrow(utf16.substr(run));
}

}  // namespace discgate
