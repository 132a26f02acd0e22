#include "app/dialog_keys.h"

namespace discgate {
namespace {

// A multi-line text box in a window that handles dialog keys takes Esc as a request to close the
// window, so the key never reaches the controls, and the dialog manager never turns it into
// IDCANCEL.
bool IsEscapeKey(const MSG& message) {
  return (message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
          message.message == WM_CHAR) &&
         message.wParam == VK_ESCAPE;
}

}  // namespace

bool DialogKeys::Take(MSG& message) {
  if (IsEscapeKey(message)) return true;
  return m_window && ::IsDialogMessageW(m_window, &message);
}

void DialogKeys::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = ::GetFocus();
    if (focus && ::IsChild(m_window, focus)) m_focus = focus;
  } else if (m_focus) {
    ::SetFocus(m_focus);
  }
}

void DialogKeys::OnSetFocus() {
  if (m_focus) ::SetFocus(m_focus);
}

void DialogKeys::OnNextDlgCtl(WPARAM wParam, LPARAM lParam) {
  // A multi-line text box asks its parent to move the focus on Tab, as it would ask a dialog.
  const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : ::GetNextDlgTabItem(m_window, ::GetFocus(), wParam != 0);
  if (next) ::SetFocus(next);
  // Moving by the keyboard shows where the focus is: the focused button draws its focus rectangle.
  ::SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

int DialogKeys::EnterPresses() { return ::GetDlgCtrlID(::GetFocus()); }

}  // namespace discgate
