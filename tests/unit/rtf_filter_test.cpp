#include <gtest/gtest.h>

#include <string>

#include "launcher/rtf_filter.h"

namespace discgate {
namespace {

using namespace std::string_literals;

std::string Filtered(std::string_view rtf) { return FilterRtf(rtf).value_or("<refused>"); }

TEST(RtfFilter, WritesTheTextAndItsFormattingAnewAndReadsItsOwnOutputAsItIs) {
  const std::string rtf =
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs28\\B "
      "Licence\\b0\\par{\\pntext 1.\\tab}\\cf1 Clause \\'E9 \xe9\t\x01\\u8364? \\{braces\\} "
      "\\\\\\\r\n\\trowd\\CLWWIDTH2\\cell\\row}\r\n";
  const std::string shown =
      "{\\rtf1 \\ansi {\\fonttbl {\\f0 Arial;}}{\\colortbl ;\\red255 \\green0 \\blue0 ;}\\f0 "
      "\\fs28 \\b Licence\\b0 \\par {\\pntext 1.\\tab }\\cf1 Clause \\'e9 \\'e9\\tab \\u8364 ? "
      "\\{braces\\} \\\\\\par \\trowd \\clwWidth2 \\cell \\row }";
  EXPECT_EQ(Filtered(rtf), shown);
  EXPECT_EQ(Filtered(shown), shown);
}

// What a hostile disc has tried: objects, pictures and shapes in any case or spelling, words
// split by line breaks, fallbacks and bad escapes that hide a backslash, and every destination
// the window does not read.
TEST(RtfFilter, LetsNothingThroughButTextAndItsFormatting) {
  const std::pair<std::string, std::string> cases[] = {
      {"{\\rtf1 A{\\OBJECT\\objemb{\\*\\objclass Package}{\\*\\OBJDATA 0105}}B}", "AB"},
      {"{\\rtf1 A{\\Pict\\pngblip 89504e47}B}", "AB"},
      {"{\\rtf1 A\\ob\r\nject B}", "Aject B"},
      {"{\\rtf1 \\uc1\\u65\\\\object}", "\\u65 ?object"},
      {"{\\rtf1 \\uc0\\u65 x\\uc2\\u66\\'41\\'42y}", "\\u65 ?x\\u66 ?y"},
      {"{\\rtf1 A{\\shp{\\*\\shpinst{\\sp{\\sn pibName}{\\sv \\\\\\\\host\\\\a.png}}}}B}", "AB"},
      {"{\\rtf1 A{\\do\\dobxcolumn{\\dptxbxtext x}}B}", "AB"},
      {"{\\rtf1{\\fonttbl{\\f0 Arial{\\*\\fontemb 00}{\\*\\fontfile x.ttf};}}x}",
       "{\\fonttbl {\\f0 Arial;}}x"},
      {"{\\rtf1{\\*\\template \\\\\\\\host\\\\a.dot}{\\*\\htmltag84 <img>}{\\*\\anything x}A}",
       "A"},
      {"{\\rtf1{\\info{\\author x}}{\\header h}{\\footnote f}\\v hidden\\v0  shown}",
       "hidden shown"},
      {"{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"file://host/x\"}{\\fldrslt Terms}}}", "{{Terms}}"},
      {"{\\rtf1{\\upr{\\fs20 ansi}{\\*\\ud{\\fs20 uni}}}}", "{{{\\fs20 uni}}}"},
      {"{\\rtf1{\\b bold\\pict 0100}after}", "{\\b bold}after"},
      {"{\\rtf1 a\\bin5 }{\\\\z b}", "a b"},
      {"{\\rtf1\\fs9999999999 x\\fs20{\\pict 00}0}", "x\\fs20 0"},
      {"{\\rtf1 a{\\b b\\*\\object x}c}", "a{\\b b}c"},
  };
  for (const auto& [rtf, text] : cases) {
    EXPECT_EQ(Filtered(rtf), "{\\rtf1 " + text + "}") << rtf;
  }
}

TEST(RtfFilter, RefusesWhatIsNotAValidRtfDocument) {
  const std::string refused[] = {
      "{\\rtf1 open",
      "{\\rtf1 closed}}",
      "{\\rtf1 a}junk",
      "{\\b not a document}",
      "{}",
      "x{\\rtf1 a}",
      "{\\rtf1 \\ob\0ject}"s,
      "{\\rtf1 \\'x\\\\object}",
      "{\\rtf1 \\'4}",
      "{\\rtf1 \\bin9 short}",
      "{\\rtf1 \\fs12345678901 x}",
      "{\\rtf1 \\" + std::string(33, 'a') + " x}",
      "{\\rtf1 " + std::string(kMaxRtfDepth, '{') + std::string(kMaxRtfDepth, '}') + "}",
  };
  for (const std::string& rtf : refused) EXPECT_FALSE(FilterRtf(rtf)) << rtf;
  EXPECT_TRUE(FilterRtf("{\\rtf1 \\" + std::string(32, 'a') + " x}\r\n\0"s));
  EXPECT_TRUE(FilterRtf("{\\rtf1 " + std::string(kMaxRtfDepth - 1, '{') +
                        std::string(kMaxRtfDepth - 1, '}') + "}"));
}

TEST(RtfFilter, AMultiByteReaderCanJoinNoByteOfTheOutputWithMarkup) {
  // Japanese as Word writes it: \uN with Shift-JIS fallbacks, a font named in Shift-JIS.
  const auto japanese = FilterRtf(
      "{\\rtf1\\ansi\\ansicpg932\\uc2{\\fonttbl{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72;}}"
      "\\f0 \\u12354\\'82\\'a0\\u12356\\'82\\'a2\\par}");
  ASSERT_TRUE(japanese);
  EXPECT_NE(japanese->find("\\u12354 ?\\u12356 ?"), std::string::npos) << *japanese;
  EXPECT_EQ(japanese->find("\\'8"), std::string::npos) << *japanese;

  // A lead byte before markup, or any byte the filter cannot decode, in a multi-byte document.
  for (const char* refused :
       {"{\\rtf1\\ansi\\ansicpg932 \\'81\\\\object}", "{\\rtf1\\ansi\\ansicpg936 a\\'81}",
        "{\\rtf1\\ansi\\ansicpg65001 \\'e3\\'81\\'82}",
        "{\\rtf1{\\fonttbl{\\f0\\fcharset134 x;}}\\f0 \\'b0\\'a1}",
        "{\\rtf1{\\fonttbl{\\f0\\fcharset1 x;}}\\f0 caf\\'e9}",
        "{\\rtf1\\ansi\\ansicpg949 \xb0\xa1}"}) {
    EXPECT_FALSE(FilterRtf(refused)) << refused;
  }

  // Single-byte text keeps its bytes; a symbol after one is written as a byte of text.
  const auto french = FilterRtf("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9\\\\x \\'e9\\{y\\}}");
  ASSERT_TRUE(french);
  EXPECT_NE(french->find("caf\\'e9\\'5cx \\'e9\\'7by\\}"), std::string::npos) << *french;
}

}  // namespace
}  // namespace discgate
