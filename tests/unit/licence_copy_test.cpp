// A copy of the licence, printed or saved, is the licence as it was shown.
#include <gtest/gtest.h>

#include <string>

#include "launcher/licence_copy.h"
#include "launcher/sha256.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

std::string Hex(const Sha256Digest& digest) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  for (const std::uint8_t byte : digest) {
    hex += kHex[byte >> 4];
    hex += kHex[byte & 0xF];
  }
  return hex;
}

TEST(LicenceCopy, TheDigestIsSha256) {
  EXPECT_EQ(Hex(Sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the last block, so a second one follows.
  EXPECT_EQ(Hex(Sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST(LicenceCopy, IsTheLicenceAsShownOrNothingWhenItsFileHasChanged) {
  testing::FakePlatform platform;
  platform.files["E:\\License.txt"] = "Terms\n";
  Result<Licence> licence = LoadLicence(platform, "E:\\", {});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(LicenceAsShown(platform, licence.value()).value(), "Terms\r\n");
  platform.files["E:\\License.txt"] = "Other terms\n";
  const Result<std::string> changed = LicenceAsShown(platform, licence.value());
  ASSERT_FALSE(changed.ok());
  EXPECT_EQ(changed.error().action, Action::CopyLicence);
  EXPECT_EQ(changed.error().subject, "E:\\License.txt");
}

TEST(LicenceCopy, APlainCopyIsUtf8WithAByteOrderMarkAndWindowsLineBreaks) {
  EXPECT_EQ(PlainCopy("a\nb\r\nc\rd"),
            "\xEF\xBB\xBF"
            "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(CopyFileName("E:\\disc\\License.de.txt"), "License.de.txt");
  EXPECT_EQ(PageNumber(2, 5), "2 / 5");
}

TEST(LicenceCopy, OnlyThePagesChosenThatThePrintoutHasArePrinted) {
  const auto there = [](PageRange chosen, int pages) {
    const PageRange range = PagesThere(chosen, pages);
    return std::pair(range.first, range.last);
  };
  EXPECT_EQ(there({}, 7), std::pair(1, 7));
  EXPECT_EQ(there({2, 3}, 7), std::pair(2, 3));
  EXPECT_EQ(there({5, 65535}, 7), std::pair(5, 7));
  const auto [first, last] = there({9, 12}, 7);
  EXPECT_GT(first, last);
}

}  // namespace
}  // namespace discgate
