#include "app/window_colours.h"

#include "launcher/colour_scheme.h"
#include "platform/system_theme.h"

namespace discgate {
namespace {

COLORREF ColourOf(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

}  // namespace

bool WindowColours::Decide() {
  if (!m_decided) m_build = WindowsBuild();  // the same for the whole run
  m_decided = true;
  // The registry is not asked where its answer could not count.
  const bool highContrast = HighContrastOn();
  const bool asked = m_build >= kFirstDarkBuild && !highContrast;
  const bool dark = ChooseDark(asked ? AppsUseLightTheme() : std::nullopt, highContrast, m_build);
  const bool changed = dark != m_dark;
  m_dark = dark;
  if (m_dark && !m_windowBrush) {
    m_windowBrush.reset(::CreateSolidBrush(ColourOf(kDarkWindow)));
    m_boxBrush.reset(::CreateSolidBrush(ColourOf(kDarkBox)));
  }
  return changed;
}

void WindowColours::Apply(HWND window, LicenceView& view, bool shown) {
  if (!m_dark && !m_everDark) return;
  m_everDark = true;
  // None is asked for where the build has none.
  if (const DWORD attribute = DarkTitleBarAttribute(m_build)) {
    SetDarkTitleBar(window, m_dark, attribute);
  }
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child != view.Handle()) SetDarkControl(child, m_dark);
  }
  view.SetDark(m_dark, ColourOf(kDarkBox), ColourOf(kDarkText));
  if (!shown) return;
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  // Before Windows 11 the title bar takes its new colour only when it is drawn as active or
  // inactive anew.
  if (m_build < kFirstWindows11Build) {
    const bool active = ::GetActiveWindow() == window;
    ::SendMessageW(window, WM_NCACTIVATE, !active, 0);
    ::SendMessageW(window, WM_NCACTIVATE, active, 0);
  }
}

HBRUSH WindowColours::ControlColours(UINT message, HDC dc) {
  if (!m_dark || !m_windowBrush || !m_boxBrush) return nullptr;
  const bool box = message == WM_CTLCOLOREDIT;
  ::SetTextColor(dc, ColourOf(kDarkText));
  ::SetBkColor(dc, ColourOf(box ? kDarkBox : kDarkWindow));
  return box ? m_boxBrush.get() : m_windowBrush.get();
}

bool WindowColours::EraseBackground(HWND window, HDC dc) {
  if (!m_dark || !m_windowBrush) return false;
  RECT client{};
  ::GetClientRect(window, &client);
  ::FillRect(dc, &client, m_windowBrush.get());
  return true;
}

}  // namespace discgate
