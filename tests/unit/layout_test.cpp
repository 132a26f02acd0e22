#include <gtest/gtest.h>

#include <string>

#include "app/form1_layout.h"
#include "app/twips.h"

namespace discgate {
namespace {

struct PixelRect {
  int left, top, width, height;
  bool operator==(const PixelRect& other) const {
    return left == other.left && top == other.top && width == other.width && height == other.height;
  }
};

PixelRect AtDpi(const ControlLayout& control, int dpi) {
  return {TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi),
          TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi)};
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(Layout, EveryControlStaysInsideTheWindowAndNoneOverlapsAnotherAtAnyDpi) {
  for (const int dpi : {96, 120, 144, 168, 192}) {
    const int width = TwipsToPixels(kForm1Width, dpi);
    const int height = TwipsToPixels(kForm1Height, dpi);
    for (const ControlLayout& control : kForm1Controls) {
      const PixelRect rect = AtDpi(control, dpi);
      EXPECT_GE(rect.left, 0) << control.id << " at " << dpi;
      EXPECT_GE(rect.top, 0) << control.id << " at " << dpi;
      EXPECT_LE(rect.left + rect.width, width) << control.id << " at " << dpi;
      EXPECT_LE(rect.top + rect.height, height) << control.id << " at " << dpi;
      for (const ControlLayout& other : kForm1Controls) {
        if (&other == &control) continue;
        EXPECT_FALSE(Overlap(rect, AtDpi(other, dpi))) << control.id << " and " << other.id;
      }
    }
  }
}

TEST(Layout, At96DpiTheWindowHasItsDesignedPixelSizes) {
  EXPECT_EQ(TwipsToPixels(kForm1Width, 96), 411);
  EXPECT_EQ(TwipsToPixels(kForm1Height, 96), 256);
  const PixelRect expected[] = {{24, 16, 353, 33},
                                {16, 56, 369, 121},
                                {24, 208, 153, 33},
                                {224, 208, 161, 33},
                                {88, 184, 217, 17}};
  ASSERT_EQ(std::size(kForm1Controls), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_TRUE(AtDpi(kForm1Controls[i], 96) == expected[i]) << kForm1Controls[i].id;
  }
  // Text1's 9.75-point font is 13 pixels high at 96 dpi, 20 at 144 (19.5, rounded as MulDiv).
  EXPECT_EQ(FontPixelHeight(kText1FontSize, 96), 13);
  EXPECT_EQ(FontPixelHeight(kText1FontSize, 144), 20);
}

}  // namespace
}  // namespace discgate
