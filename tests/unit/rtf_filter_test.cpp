#include <gtest/gtest.h>

#include <string>

#include "launcher/rtf_filter.h"

namespace discgate {
namespace {

std::string Filtered(std::string_view rtf) { return FilterRtf(rtf).value_or("<refused>"); }

TEST(RtfFilter, KeepsTheTextAndItsFormattingAsItIs) {
  const std::string rtf =
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs28\\b "
      "Licence\\b0\\par{\\pntext 1.\\tab}\\cf1 Clause \\'e9 \\u8364? \\{braces\\} \\\\\\par}";
  EXPECT_EQ(Filtered(rtf), rtf);
}

TEST(RtfFilter, TakesOutEveryGroupThatIsNoText) {
  EXPECT_EQ(Filtered("{\\rtf1 Before{\\pict\\wmetafile8 0100090000}After}"),
            "{\\rtf1 BeforeAfter}");
  EXPECT_EQ(Filtered("{\\rtf1 A{\\object\\objemb{\\*\\objclass Package}{\\*\\objdata 01050000}"
                     "{\\result{\\pict\\emfblip 0100}}}B}"),
            "{\\rtf1 AB}");
  EXPECT_EQ(Filtered("{\\rtf1{\\*\\shppict{\\pict 00}}{\\nonshppict{\\pict 00}}"
                     "{\\*\\datastore 0105}{\\*\\themedata 504b}{\\*\\colorschememapping 3c3f}x}"),
            "{\\rtf1 x}");
  // A link keeps its visible text and loses what it would do.
  EXPECT_EQ(Filtered("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt Terms}}}"),
            "{\\rtf1{\\field {\\fldrslt Terms}}}");
  // A destination's word in the middle of a group takes out the rest of that group.
  EXPECT_EQ(Filtered("{\\rtf1{\\b bold\\pict 0100}after}"), "{\\rtf1{\\b bold}after}");
}

TEST(RtfFilter, SkipsBinaryDataByItsCountWhateverItHolds) {
  // Five raw bytes: } { \ \ z.
  EXPECT_EQ(Filtered("{\\rtf1 a\\bin5 }{\\\\z b}"), "{\\rtf1 a b}");
  EXPECT_EQ(Filtered("{\\rtf1{\\pict\\bin3 }}}}x}"), "{\\rtf1 x}");
}

TEST(RtfFilter, WhatIsTakenOutNeverJoinsAControlWordToWhatFollows) {
  // \fs20, a picture, then the text 0: not \fs200.
  EXPECT_EQ(Filtered("{\\rtf1\\fs20{\\pict 00}0}"), "{\\rtf1\\fs20 0}");
  EXPECT_EQ(Filtered("{\\rtf1\\b \\bin1 x y}"), "{\\rtf1\\b  y}");
}

TEST(RtfFilter, EscapedBracesAndBackslashesAreText) {
  const std::string text = "{\\rtf1 \\{object\\} is text, and so is \\\\pict}";
  EXPECT_EQ(Filtered(text), text);
}

TEST(RtfFilter, RefusesGroupsThatDoNotBalanceOrNestTooDeep) {
  EXPECT_FALSE(FilterRtf("{\\rtf1 open"));
  EXPECT_FALSE(FilterRtf("{\\rtf1 closed}}"));
  EXPECT_FALSE(FilterRtf(std::string(kMaxRtfDepth + 1, '{') + std::string(kMaxRtfDepth + 1, '}')));
  EXPECT_TRUE(FilterRtf(std::string(kMaxRtfDepth, '{') + std::string(kMaxRtfDepth, '}')));
}

}  // namespace
}  // namespace discgate
