#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
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

// Plain text broken into lines for a page, one line at a time, so that no licence needs memory
// for all its lines: at its own line breaks (CR LF, LF or CR), and where a paragraph is wider than
// the page, after the last space that fits, or, in a word wider than the page, after the last
// unit that fits, never between the two halves of a surrogate pair. `fitting(start, count)` says
// how many of the `count` units from `start` fit in the width, as GetTextExtentExPoint does. The
// spaces at a break belong to neither line; a paragraph's own indent is kept. A last line break
// does not start an empty line.
template <typename Char, typename Fitting>
class LineBreaker {
 public:
  // From the text's start, or from a place an earlier breaker gave as its Position().
  LineBreaker(std::basic_string_view<Char> text, Fitting fitting, std::size_t from = 0)
      : m_text(text),
        m_fitting(std::move(fitting)),
        m_line(from),
        m_end(line_breaks::ParagraphEnd(text, from)) {}

  bool Done() const { return m_done; }
  // Where the next line starts.
  std::size_t Position() const { return m_line; }

  // The next line; not called once Done().
  TextLine Next() {
    using line_breaks::IsSpace;
    const std::size_t fit =
        std::min<std::size_t>(m_fitting(m_line, m_end - m_line), m_end - m_line);
    const std::size_t cut = line_breaks::Cut(m_text, m_line, m_end, fit);
    std::size_t length = cut - m_line;
    while (length > 0 && IsSpace(m_text[m_line + length - 1])) --length;
    const TextLine line{m_line, length};
    m_line = cut;
    while (m_line < m_end && IsSpace(m_text[m_line])) ++m_line;
    if (m_line == m_end) NextParagraph();
    return line;
  }

 private:
  void NextParagraph() {
    if (m_end == m_text.size()) {
      m_done = true;
      return;
    }
    const bool crLf =
        m_text[m_end] == Char('\r') && m_end + 1 < m_text.size() && m_text[m_end + 1] == Char('\n');
    m_line = m_end + (crLf ? 2 : 1);
    m_done = m_line == m_text.size();
    m_end = line_breaks::ParagraphEnd(m_text, m_line);
  }

  std::basic_string_view<Char> m_text;
  Fitting m_fitting;
  std::size_t m_line;  // where the next line starts
  std::size_t m_end;   // where its paragraph ends
  bool m_done = false;
};

// Every line at once: for a text known to be short.
template <typename Char, typename Fitting>
std::vector<TextLine> BreakLines(std::basic_string_view<Char> text, Fitting fitting) {
  std::vector<TextLine> lines;
  for (LineBreaker<Char, Fitting> breaker(text, std::move(fitting)); !breaker.Done();) {
    lines.push_back(breaker.Next());
  }
  return lines;
}

// Where each page starts when `perPage` lines fit on one, as places to start a LineBreaker at:
// a number a page, not one a line. `keepGoing()` is asked after each line; when it says no, the
// pages found so far come back and `stopped` is set.
template <typename Char, typename Fitting, typename KeepGoing>
std::vector<std::size_t> PageStarts(std::basic_string_view<Char> text, Fitting fitting,
                                    std::size_t perPage, KeepGoing keepGoing, bool& stopped) {
  std::vector<std::size_t> starts;
  stopped = false;
  LineBreaker<Char, Fitting> breaker(text, std::move(fitting));
  for (std::size_t line = 0; !breaker.Done(); ++line) {
    if (line % perPage == 0) starts.push_back(breaker.Position());
    breaker.Next();
    if (!keepGoing()) {
      stopped = true;
      break;
    }
  }
  return starts;
}

}  // namespace discgate
