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

namespace line_breaks {

template <typename Char>
bool IsSpace(Char unit) {
  return unit == Char(' ') || unit == Char('\t');
}

// The end of the paragraph that starts at `start`: the next line break, or the text's end.
template <typename Char>
std::size_t ParagraphEnd(std::basic_string_view<Char> text, std::size_t start) {
  std::size_t end = start;
  while (end < text.size() && text[end] != Char('\r') && text[end] != Char('\n')) ++end;
  return end;
}

// Where the line that starts at `line` ends, when `fit` units of its paragraph fit.
template <typename Char>
std::size_t Cut(std::basic_string_view<Char> text, std::size_t line, std::size_t end,
                std::size_t fit) {
  const std::size_t cut = line + fit;
  if (cut >= end) return end;
  std::size_t space = cut;
  while (space > line && !IsSpace(text[space])) --space;
  if (space > line || IsSpace(text[line])) return space;
  // At least one unit, so that the paragraph ends.
  const std::size_t inWord = std::max(cut, line + 1);
  const bool lowSurrogate = inWord < end && text[inWord] >= 0xDC00 && text[inWord] <= 0xDFFF;
  if (!lowSurrogate) return inWord;
  // The pair goes to the next line, or stays whole on this one when it starts it.
  return inWord - 1 > line ? inWord - 1 : inWord + 1;
}

}  // namespace line_breaks

// Plain text broken into lines for a page: at its own line breaks (CR LF, LF or CR), and where a
// paragraph is wider than the page, after the last space that fits, or, in a word wider than
// the page, after the last unit that fits, never between the two halves of a surrogate pair.
// `fitting(start, count)` says how many of the `count` units from `start` fit in the width, as
// GetTextExtentExPoint does. The spaces at a break belong to neither line; a paragraph's own
// indent is kept. A last line break does not start an empty line.
template <typename Char, typename Fitting>
std::vector<TextLine> BreakLines(std::basic_string_view<Char> text, Fitting fitting) {
  using line_breaks::IsSpace;
  std::vector<TextLine> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = line_breaks::ParagraphEnd(text, start);
    std::size_t line = start;
    do {
      const std::size_t fit = std::min<std::size_t>(fitting(line, end - line), end - line);
      const std::size_t cut = line_breaks::Cut(text, line, end, fit);
      std::size_t length = cut - line;
      while (length > 0 && IsSpace(text[line + length - 1])) --length;
      lines.push_back({line, length});
      line = cut;
      while (line < end && IsSpace(text[line])) ++line;
    } while (line < end);
    if (end == text.size()) break;
    const bool crLf =
        text[end] == Char('\r') && end + 1 < text.size() && text[end + 1] == Char('\n');
    start = end + (crLf ? 2 : 1);
    if (start == text.size()) break;
  }
  return lines;
}

}  // namespace discgate
