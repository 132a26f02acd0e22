#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace discgate {

// Groups deeper than this are refused: no licence needs them, and a filter that followed them
// without end could be made to run out of memory.
inline constexpr int kMaxRtfDepth = 100;

// An RTF licence written anew from what the window knows it shows, before any of it reaches a
// rich-edit control: the text, its character and paragraph formatting, lists, tables, and the
// font, colour, style and list tables. A link keeps its visible text and does nothing. Every
// other control word is dropped, and every other destination with its whole group, whatever the
// case of its letters. Each word comes out in its own spelling with one delimiting space, text
// with its braces and backslashes escaped and bytes outside ASCII as \'hh, with no line breaks.
// Nothing when it is not a valid RTF document: see RtfTokenizer, and groups that do not balance,
// that nest deeper than kMaxRtfDepth, or that do not start with {\rtf.
//
// A reader of a multi-byte code page (Japanese, Chinese, Korean, UTF-8) takes the byte after a
// lead byte as its trail byte, even a \, { or } that is markup. So a document that names a code
// page or character set not known to be single-byte keeps no byte of 0x80 or more: its text
// must come as \uN (as Word writes it, with fallbacks that are dropped), and a document with any
// other such byte is refused. In every document, \\ \{ \} after a byte of 0x80 or more are
// written as \'5c \'7b \'7d, which every reader takes as text.
std::optional<std::string> FilterRtf(std::string_view rtf);

}  // namespace discgate
