// Plain text broken into printed lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/line_breaks.h"

namespace discgate {
namespace {

// Each unit one wide, on a line `width` wide.
std::vector<std::u16string> Lines(std::u16string_view text, std::size_t width) {
  const std::vector<TextLine> breaks =
      BreakLines(text, [width](std::size_t, std::size_t count) { return std::min(count, width); });
  std::vector<std::u16string> lines(breaks.size());
  std::transform(breaks.begin(), breaks.end(), lines.begin(), [text](const TextLine& line) {
    return std::u16string(text.substr(line.start, line.length));
  });
  return lines;
}

using Texts = std::vector<std::u16string>;

TEST(LineBreaks, EachLineBreakEndsALineAndTheLastStartsNone) {
  EXPECT_EQ(Lines(u"one\r\ntwo\nthree\r\rfour\r\n", 80),
            (Texts{u"one", u"two", u"three", u"", u"four"}));
  EXPECT_EQ(Lines(u"", 80), (Texts{u""}));
}

TEST(LineBreaks, AWideParagraphBreaksAfterTheLastSpaceThatFitsAndKeepsItsIndent) {
  EXPECT_EQ(Lines(u"  alpha beta gamma", 10), (Texts{u"  alpha", u"beta gamma"}));
  EXPECT_EQ(Lines(u"alpha    beta", 7), (Texts{u"alpha", u"beta"}));
}

TEST(LineBreaks, AWordWiderThanTheLineBreaksWhereItMustButNeverInsideASurrogatePair) {
  EXPECT_EQ(Lines(u"abcdefg", 3), (Texts{u"abc", u"def", u"g"}));
  EXPECT_EQ(Lines(u"ab\U0001F600c", 3), (Texts{u"ab", u"\U0001F600c"}));
  EXPECT_EQ(Lines(u"\U0001F600", 1), (Texts{u"\U0001F600"}));
  // Nothing fits: one unit a line, so that the text still ends.
  EXPECT_EQ(Lines(u"ab", 0), (Texts{u"a", u"b"}));
}

}  // namespace
}  // namespace discgate
