#pragma once

#include <windows.h>

namespace discgate {

// The keys and the focus of a dialog box, in a plain window: Tab and Shift+Tab move between the
// controls, the focused control is remembered while the window is inactive, WM_NEXTDLGCTL moves
// the focus, and Enter presses the focused button. Esc does nothing: no button is a cancel
// button.
class DialogKeys {
 public:
  void Attach(HWND window, HWND firstFocus) {
    m_window = window;
    m_focus = firstFocus;
  }
  // Takes a key that the window handles as a dialog would: true when the message goes no further.
  bool Take(MSG& message);
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  void OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
  // The id of the control Enter presses, or 0: the focused one.
  static int EnterPresses();

 private:
  HWND m_window = nullptr;
  HWND m_focus = nullptr;  // the control to give the focus back to when the window is activated
};

}  // namespace discgate
