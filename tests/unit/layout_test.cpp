#include <gtest/gtest.h>

#include <string>

#include "app/form1_layout.h"
#include "app/twips.h"

namespace discgate {
namespace {

bool Same(const PixelRect& a, const PixelRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

PixelRect AtDpi(const ControlLayout& control, int dpi) { return ControlRect(control, dpi); }

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(Layout, EveryControlStaysInsideTheWindowAndNoneOverlapsAnotherAtAnyDpi) {
  for (const int dpi : {96, 120, 144, 168, 192}) {
    const int width = ClientRect(dpi).width;
    const int height = ClientRect(dpi).height;
    for (const ControlLayout& control : kForm1Controls) {
      const PixelRect rect = AtDpi(control, dpi);
      EXPECT_GE(rect.left, 0) << control.id << " at " << dpi;
      EXPECT_GE(rect.top, 0) << control.id << " at " << dpi;
      EXPECT_LE(rect.left + rect.width, width) << control.id << " at " << dpi;
      EXPECT_LE(rect.top + rect.height, height) << control.id << " at " << dpi;
      // Scaled as a whole: no control keeps its 96-dpi size on a sharper screen.
      const PixelRect at96 = AtDpi(control, 96);
      EXPECT_NEAR(rect.width, at96.width * dpi / 96.0, 1.0) << control.id << " at " << dpi;
      EXPECT_NEAR(rect.left, at96.left * dpi / 96.0, 1.0) << control.id << " at " << dpi;
      for (const ControlLayout& other : kForm1Controls) {
        if (&other == &control) continue;
        EXPECT_FALSE(Overlap(rect, AtDpi(other, dpi))) << control.id << " and " << other.id;
      }
    }
  }
}

TEST(Layout, At96DpiTheWindowHasItsDesignedPixelSizes) {
  EXPECT_EQ(ClientRect(96).width, 411);
  EXPECT_EQ(ClientRect(96).height, 256);
  const PixelRect expected[] = {{24, 16, 353, 33},
                                {16, 56, 369, 121},
                                {24, 208, 153, 33},
                                {224, 208, 161, 33},
                                {88, 184, 217, 17}};
  ASSERT_EQ(std::size(kForm1Controls), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_TRUE(Same(AtDpi(kForm1Controls[i], 96), expected[i])) << kForm1Controls[i].id;
  }
  // Text1's 9.75-point font is 13 pixels high at 96 dpi, 20 at 144 (19.5, rounded as MulDiv).
  EXPECT_EQ(FontPixelHeight(kText1FontSize, 96), 13);
  EXPECT_EQ(FontPixelHeight(kText1FontSize, 144), 20);
}

}  // namespace
}  // namespace discgate
