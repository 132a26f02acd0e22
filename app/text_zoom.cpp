#include "app/text_zoom.h"

#include "app/resource.h"

namespace discgate {

bool TextZoom::Take(const MSG& message) {
  if (message.message != WM_MOUSEWHEEL || !(GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL)) {
    return false;
  }
  for (int steps = m_wheel.Add(GET_WHEEL_DELTA_WPARAM(message.wParam)); steps != 0;) {
    m_percent = steps > 0 ? ZoomIn(m_percent) : ZoomOut(m_percent);
    steps += steps > 0 ? -1 : 1;
  }
  return true;
}

bool TextZoom::OnCommand(int command) {
  switch (command) {
    case IDM_ZOOM_IN:
      m_percent = ZoomIn(m_percent);
      return true;
    case IDM_ZOOM_OUT:
      m_percent = ZoomOut(m_percent);
      return true;
    case IDM_ZOOM_RESET:
      m_percent = kDesignedZoom;
      return true;
    default:
      return false;
  }
}

}  // namespace discgate
