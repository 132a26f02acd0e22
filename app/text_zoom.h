#pragma once

#include <windows.h>

#include "launcher/zoom.h"

namespace discgate {

// Zooming the licence text as browsers and editors do: Ctrl with the mouse wheel, Ctrl+Plus and
// Ctrl+Minus on the main keyboard and the keypad, and Ctrl+0 for the designed size (the keys are
// the window's accelerators). The text box's font is changed by the window (ES_EX_ZOOMABLE exists
// only from Windows 10 1809 on).
class TextZoom {
 public:
  // Takes a turn of the wheel with Ctrl out of the message loop: true when the message was one,
  // which then goes no further.
  bool Take(const MSG& message);
  // A zoom key's command (IDM_ZOOM_IN, ...): true when `command` was one.
  bool OnCommand(int command);
  int Percent() const { return m_percent; }

 private:
  int m_percent = kDesignedZoom;
  WheelSteps m_wheel;
};

}  // namespace discgate
