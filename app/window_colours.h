#pragma once

#include <windows.h>

#include <cstdint>

#include "app/licence_view.h"
#include "platform/unique_handle.h"

namespace discgate {

// The window follows Windows' dark mode: dark when the user chose dark apps, decided at start
// and again whenever that choice or high contrast changes. A light window is left exactly as
// Windows draws it, and message boxes stay the system's.
class WindowColours {
 public:
  // Decides from what Windows says now; true when that differs from what the window has.
  bool Decide();
  // Gives the window's frame, its controls and the licence box the colours decided: once before
  // the window is first shown, and again after each change, repainting it whole once `shown`.
  void Apply(HWND window, LicenceView& view, bool shown);
  // The answer to WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT or WM_CTLCOLORBTN when dark: a brush, with
  // the DC's colours set; null when light, for Windows to answer.
  HBRUSH ControlColours(UINT message, HDC dc);
  // WM_ERASEBKGND: true when it painted the window's background.
  bool EraseBackground(HWND window, HDC dc);

 private:
  std::uint32_t m_build = 0;
  bool m_decided = false;
  bool m_dark = false;
  bool m_everDark = false;  // something was made dark that light must undo
  UniqueBrush m_windowBrush;
  UniqueBrush m_boxBrush;
};

}  // namespace discgate
