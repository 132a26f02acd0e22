#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace discgate {

using AnsiDecoder = std::function<std::string(std::string_view)>;

// Turns the bytes of a licence file into UTF-8 text ready for a Windows text box.
//
// A byte-order mark (UTF-8, UTF-16 LE or BE) decides the encoding and is dropped. Without one,
// valid UTF-8 is taken as UTF-8 and anything else goes through the ANSI code page. Lone CR and
// lone LF become CR LF, because the classic text box breaks lines only at CR LF; NUL becomes a
// space, because the text box would end the text there.
std::string DecodeLicence(std::string_view bytes, const AnsiDecoder& ansiToUtf8);

bool IsValidUtf8(std::string_view bytes);
std::string NormaliseLicenceText(std::string_view utf8);

}  // namespace discgate
