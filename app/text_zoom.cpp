#include "app/text_zoom.h"

namespace discgate {
namespace {

bool IsDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool TextZoom::Take(const MSG& message) {
  if (message.message == WM_MOUSEWHEEL) {
    if (!(GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL)) return false;
    for (int steps = m_wheel.Add(GET_WHEEL_DELTA_WPARAM(message.wParam)); steps != 0;) {
      m_percent = steps > 0 ? ZoomIn(m_percent) : ZoomOut(m_percent);
      steps += steps > 0 ? -1 : 1;
    }
    return true;
  }
  // Ctrl with Alt is AltGr on many keyboards, which types characters rather than zooming.
  if (message.message != WM_KEYDOWN || !IsDown(VK_CONTROL) || IsDown(VK_MENU)) return false;
  switch (message.wParam) {
    case VK_OEM_PLUS:
    case VK_ADD:
      m_percent = ZoomIn(m_percent);
      return true;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
      m_percent = ZoomOut(m_percent);
      return true;
    case '0':
    case VK_NUMPAD0:
      m_percent = kDesignedZoom;
      return true;
    default:
      return false;
  }
}

}  // namespace discgate
