#pragma once

#include <string>
#include <string_view>

namespace discgate {

// UTF-8 inside the program, UTF-16 at the Windows calls.
std::wstring Widen(std::string_view utf8);
// Text in any code page (CP_ACP, CP_UTF8, ...) as UTF-16.
std::wstring ToUtf16(std::string_view bytes, unsigned codePage);
std::string Narrow(std::wstring_view utf16);
// A file name as UTF-8, an unpaired surrogate (which Windows allows in a name) kept as the three
// bytes it would take. Such a name is not valid UTF-8, so the decisions can tell it apart from one
// that holds U+FFFD, which Narrow would make of it, and pass it over.
std::string NarrowFileName(std::wstring_view utf16);

}  // namespace discgate
