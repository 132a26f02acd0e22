#include <gtest/gtest.h>

#include <string>

#include "launcher/licence_text.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

using namespace std::string_literals;

std::string Decode(const std::string& bytes) {
  testing::FakePlatform platform;
  return DecodeLicence(bytes, [&](std::string_view ansi) { return platform.AnsiToUtf8(ansi); });
}

TEST(LicenceDecoding, AByteOrderMarkDecidesTheEncodingAndIsNotShown) {
  EXPECT_EQ(Decode("\xEF\xBB\xBF"
                   "Gr\xC3\xBC\xC3\x9F"
                   "e"),
            "Gr\xC3\xBC\xC3\x9F"
            "e");
  EXPECT_EQ(Decode("\xFF\xFE"
                   "H\0i\0\xFC\0"s),
            "Hi\xC3\xBC");
  EXPECT_EQ(Decode("\xFE\xFF"
                   "\0H\0i\0\xFC"s),
            "Hi\xC3\xBC");
  // A character outside the Basic Multilingual Plane, as a surrogate pair.
  EXPECT_EQ(Decode("\xFF\xFE"
                   "\x3D\xD8\x00\xDE"s),
            "\xF0\x9F\x98\x80");
}

TEST(LicenceDecoding, AMarkWithNothingAfterItIsAnEmptyLicence) {
  EXPECT_EQ(Decode(""), "");
  EXPECT_EQ(Decode("\xEF\xBB\xBF"), "");
  EXPECT_EQ(Decode("\xFF\xFE"), "");
}

TEST(LicenceDecoding, ValidUtf8WithoutAMarkIsUtf8AndAnythingElseIsAnsi) {
  EXPECT_EQ(Decode("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_EQ(Decode("plain ASCII"), "plain ASCII");
  // Windows-1252 "café" is not UTF-8: é as a lone byte.
  EXPECT_EQ(Decode("caf\xE9"), "caf\xC3\xA9");
  // A UTF-8 sequence cut short at the end, an overlong form and an encoded surrogate.
  EXPECT_EQ(Decode("ab\xE2\x82"), "ab\xC3\xA2\xC2\x82");
  EXPECT_EQ(Decode("\xC0\xAF"), "\xC3\x80\xC2\xAF");
  EXPECT_EQ(Decode("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");
}

TEST(LicenceDecoding, BrokenTextAfterAMarkShowsReplacementCharactersNotGarbage) {
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(Decode("\xEF\xBB\xBF"
                   "a\xFF"
                   "b"),
            "a" + replacement + "b");
  // UTF-16 with an odd byte at the end, and a lone low surrogate.
  EXPECT_EQ(Decode("\xFF\xFE"
                   "a\0b"s),
            "a" + replacement);
  EXPECT_EQ(Decode("\xFF\xFE"
                   "\x00\xDC"
                   "a\0"s),
            replacement + "a");
  // A high surrogate with no partner before the end.
  EXPECT_EQ(Decode("\xFE\xFF"
                   "\xD8\x3D"s),
            replacement);
}

TEST(LicenceDecoding, EveryLineBreakBecomesCrLfForTheTextBox) {
  EXPECT_EQ(Decode("one\ntwo\rthree\r\nfour"), "one\r\ntwo\r\nthree\r\nfour");
  EXPECT_EQ(Decode("\n\n"), "\r\n\r\n");
  EXPECT_EQ(Decode("a\r\r\nb"), "a\r\n\r\nb");
  EXPECT_EQ(Decode("ends with CR\r"), "ends with CR\r\n");
  EXPECT_EQ(Decode("\xFF\xFE"
                   "a\0\n\0b\0"s),
            "a\r\nb");
}

TEST(LicenceDecoding, NulBytesDoNotCutOffTheTextAfterThem) {
  EXPECT_EQ(Decode("before\0after"s), "before after");
  EXPECT_EQ(Decode("\xFF\xFE"
                   "a\0\0\0b\0"s),
            "a b");
  EXPECT_EQ(Decode("\0\xE9\0"s), " \xC3\xA9 ");
}

}  // namespace
}  // namespace discgate
