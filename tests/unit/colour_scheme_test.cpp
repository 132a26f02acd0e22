// When the window is dark, how its title bar is asked for, and which colours read.
#include <gtest/gtest.h>

#include <optional>

#include "launcher/colour_contrast.h"

namespace discgate {
namespace {

TEST(ColourScheme, DarkOnlyWhenAppsAreSetDarkWithoutHighContrastFromWindows10Build17763) {
  EXPECT_TRUE(ChooseDark(0U, false, 17763));
  EXPECT_TRUE(ChooseDark(0U, false, 22631));
  EXPECT_FALSE(ChooseDark(1U, false, 22631));
  EXPECT_FALSE(ChooseDark(std::nullopt, false, 22631));  // missing or unreadable
  EXPECT_FALSE(ChooseDark(2U, false, 22631));
  EXPECT_FALSE(ChooseDark(0U, true, 22631));
  EXPECT_FALSE(ChooseDark(0U, false, 17134));
  EXPECT_FALSE(ChooseDark(0U, false, 9600));
}

TEST(ColourScheme, TheTitleBarsAttributeIs20From19041And19BeforeItAndNoneBelow17763) {
  EXPECT_EQ(DarkTitleBarAttribute(22631), 20U);
  EXPECT_EQ(DarkTitleBarAttribute(19041), 20U);
  EXPECT_EQ(DarkTitleBarAttribute(19040), 19U);
  EXPECT_EQ(DarkTitleBarAttribute(18362), 19U);
  EXPECT_EQ(DarkTitleBarAttribute(17763), 19U);
  EXPECT_EQ(DarkTitleBarAttribute(17762), 0U);
}

TEST(ColourScheme, ContrastIsWcagsAndTheDarkLicenceTextReadsAtSevenToOne) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({0x77, 0x77, 0x77}, {255, 255, 255}), 4.48, 0.01);
  EXPECT_GE(ContrastRatio(kDarkText, kDarkBox), 7.0);
  EXPECT_GE(ContrastRatio(kDarkText, kDarkWindow), 7.0);
}

TEST(ColourScheme, AnRtfColourBelowFourAndAHalfToOneOnEitherBackgroundIsNamed) {
  const char* rtf =
      "{\\rtf1{\\colortbl;\\red0\\green0\\blue0;\\red255\\green255\\blue255;"
      "\\red0\\green0\\blue0;\\red150\\green150\\blue150;}\\cf1 Text\\par}";
  EXPECT_EQ(RtfColours(rtf),
            (std::vector<Rgb>{{0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {150, 150, 150}}));
  // No colour reads at 4.5:1 on both white and the dark box: each one set is named, once.
  EXPECT_EQ(HardToReadColours(rtf), "#000000 #FFFFFF #969696");
  EXPECT_EQ(HardToReadColours("{\\rtf1{\\colortbl;}automatic only}"), std::nullopt);
  EXPECT_EQ(HardToReadColours("{\\rtf1 no table}"), std::nullopt);
}

}  // namespace
}  // namespace discgate
