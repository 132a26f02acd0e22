#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace discgate {

// A printed line: where it starts in the text and how many of the text's units it holds.
struct TextLine {
  std::size_t start;
  std::size_t length;
};

// Plain text broken into lines for a page: at its own line breaks (CR LF, LF or CR), and where a
// paragraph is wider than the page, after the last space that fits, or, in a word wider than
// the page, after the last unit that fits, never between the two halves of a surrogate pair.
// `fitting(start, count)` says how many of the `count` units from `start` fit in the width, as
// GetTextExtentExPoint does. The spaces at a break belong to neither line; a paragraph's own
// indent is kept. A last line break does not start an empty line.
template <typename Char, typename Fitting>
std::vector<TextLine> BreakLines(std::basic_string_view<Char> text, Fitting fitting) {
  const auto isSpace = [](Char unit) { return unit == Char(' ') || unit == Char('\t'); };
  const auto isLowSurrogate = [](Char unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
  std::vector<TextLine> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = start;
    while (end < text.size() && text[end] != Char('\r') && text[end] != Char('\n')) ++end;
    std::size_t line = start;
    do {
      const std::size_t fit = std::min<std::size_t>(fitting(line, end - line), end - line);
      std::size_t cut = line + fit;
      if (cut < end) {
        std::size_t space = cut;
        while (space > line && !isSpace(text[space])) --space;
        if (space > line || isSpace(text[line])) {
          cut = space;
        } else {
          cut = std::max(cut, line + 1);  // at least one unit, so that the paragraph ends
          if (cut < end && isLowSurrogate(text[cut])) {
            // The pair goes to the next line, or stays whole on this one when it starts it.
            if (cut - 1 > line) {
              --cut;
            } else {
              ++cut;
            }
          }
        }
      }
      std::size_t length = cut - line;
      while (length > 0 && isSpace(text[line + length - 1])) --length;
      lines.push_back({line, length});
      line = cut;
      while (line < end && isSpace(text[line])) ++line;
    } while (line < end);
    if (end == text.size()) break;
    start =
        end +
        (text[end] == Char('\r') && end + 1 < text.size() && text[end + 1] == Char('\n') ? 2 : 1);
    if (start == text.size()) break;
  }
  return lines;
}

}  // namespace discgate
