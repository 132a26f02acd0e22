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

TEST(LineBreaks, APageStartedAgainAtItsPlaceHasTheLinesItHadAndCountingCanStop) {
  const std::u16string_view text = u"  one two three\r\n\r\nfour five\rsix seven eight nine\n";
  const auto fitting = [](std::size_t, std::size_t count) {
    return std::min<std::size_t>(count, 6);
  };
  const std::vector<TextLine> all = BreakLines(text, fitting);
  bool stopped = true;
  const std::vector<std::size_t> starts = PageStarts(
      text, fitting, 3, [] { return true; }, stopped);
  EXPECT_FALSE(stopped);
  ASSERT_EQ(starts.size(), (all.size() + 2) / 3);
  for (std::size_t page = 0; page < starts.size(); ++page) {
    LineBreaker<char16_t, decltype(fitting)> breaker(text, fitting, starts[page]);
    for (std::size_t line = page * 3; line < std::min(all.size(), page * 3 + 3); ++line) {
      ASSERT_FALSE(breaker.Done());
      const TextLine again = breaker.Next();
      EXPECT_EQ(again.start, all[line].start);
      EXPECT_EQ(again.length, all[line].length);
    }
  }
  int asked = 0;
  EXPECT_EQ(PageStarts(
                text, fitting, 1, [&asked] { return ++asked < 2; }, stopped)
                .size(),
            2U);
  EXPECT_TRUE(stopped);
}

}  // namespace
}  // namespace discgate
