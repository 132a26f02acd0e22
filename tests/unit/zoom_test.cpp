#include <gtest/gtest.h>

#include "launcher/zoom.h"

namespace discgate {
namespace {

TEST(Zoom, StepsFromHalfToFourTimesAndStopsAtBothEnds) {
  int percent = kDesignedZoom;
  for (int i = 0; i < 20; ++i) percent = ZoomIn(percent);
  EXPECT_EQ(percent, 400);
  EXPECT_EQ(ZoomOut(400), 300);
  for (int i = 0; i < 20; ++i) percent = ZoomOut(percent);
  EXPECT_EQ(percent, 50);
  EXPECT_EQ(ZoomIn(50), 67);
  EXPECT_EQ(ZoomIn(kDesignedZoom), 110);
  EXPECT_EQ(ZoomOut(kDesignedZoom), 90);
  // A zoom between two steps goes to the nearer step on its way.
  EXPECT_EQ(ZoomIn(105), 110);
  EXPECT_EQ(ZoomOut(105), 100);
}

TEST(Zoom, TheDesignedZoomGivesExactlyTheDesignedFont) {
  EXPECT_EQ(ZoomedFontSize(975, kDesignedZoom), 975);
  EXPECT_EQ(ZoomedFontSize(975, 200), 1950);
  EXPECT_EQ(ZoomedFontSize(975, 67), 653);
}

TEST(Zoom, WheelTurnsMakeWholeStepsAndKeepTheirParts) {
  WheelSteps wheel;
  EXPECT_EQ(wheel.Add(120), 1);
  EXPECT_EQ(wheel.Add(-240), -2);
  EXPECT_EQ(wheel.Add(40), 0);
  EXPECT_EQ(wheel.Add(40), 0);
  EXPECT_EQ(wheel.Add(40), 1);
  EXPECT_EQ(wheel.Add(-60), 0);
  EXPECT_EQ(wheel.Add(-60), -1);
}

}  // namespace
}  // namespace discgate
