#pragma once

namespace discgate {

// The licence text's zoom, in percent of its designed size: the steps browsers and editors offer,
// from half to four times the size.
inline constexpr int kZoomSteps[] = {50,  67,  75,  80,  90,  100, 110,
                                     125, 150, 175, 200, 250, 300, 400};
inline constexpr int kDesignedZoom = 100;

// The next step up or down from a zoom; the largest and the smallest stay where they are.
int ZoomIn(int percent);
int ZoomOut(int percent);

// A font size (in hundredths of a point) at a zoom; at the designed zoom, exactly the size given.
int ZoomedFontSize(int designedSize, int percent);

// Whole zoom steps from mouse-wheel turns: a notch is 120, and a high-resolution wheel sends parts
// of one, which add up until they make a step. Positive steps zoom in.
class WheelSteps {
 public:
  int Add(int delta);

 private:
  int m_rest = 0;
};

}  // namespace discgate
