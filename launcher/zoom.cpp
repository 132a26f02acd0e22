#include "launcher/zoom.h"

#include <algorithm>
#include <iterator>

namespace discgate {
namespace {

constexpr int kWheelNotch = 120;  // WHEEL_DELTA

}  // namespace

int ZoomIn(int percent) {
  const auto* next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), percent);
  return next == std::end(kZoomSteps) ? kZoomSteps[std::size(kZoomSteps) - 1] : *next;
}

int ZoomOut(int percent) {
  const auto* at = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), percent);
  return at == std::begin(kZoomSteps) ? kZoomSteps[0] : *(at - 1);
}

int ZoomedFontSize(int designedSize, int percent) {
  return static_cast<int>((static_cast<long long>(designedSize) * percent + 50) / 100);
}

int WheelSteps::Add(int delta) {
  m_rest += delta;
  const int steps = m_rest / kWheelNotch;
  m_rest -= steps * kWheelNotch;
  return steps;
}

}  // namespace discgate
