#include "platform/dpi_win.h"

#include "platform/system_functions.h"
#include "platform/unique_handle.h"

namespace discgate {
namespace {

// Older Windows give the message font's size at the system DPI only.
int Scaled(int value, int dpi) { return ::MulDiv(value, dpi, SystemDpi()); }

}  // namespace

int SystemDpi() {
  const WindowDc screen(nullptr);
  const int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;  // what Windows assumes when it says nothing
}

int WindowDpi(HWND window) {
  const auto getDpiForWindow = os::GetDpiForWindow();
  const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
  // A DPI beyond any screen's is no answer; the layout then stays as the system's DPI makes it.
  return IsPlausibleDpi(static_cast<int>(dpi)) ? static_cast<int>(dpi) : SystemDpi();
}

UniqueFont MessageFontForDpi(int dpi) {
  const auto parametersForDpi = os::SystemParametersInfoForDpi();
  NONCLIENTMETRICSW metrics{};
  // The size without the field Vista added, which every Windows accepts.
  metrics.cbSize = sizeof metrics;
  if (parametersForDpi &&
      parametersForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)) {
    return UniqueFont(::CreateFontIndirectW(&metrics.lfMessageFont));
  }
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return {};
  metrics.lfMessageFont.lfHeight = Scaled(metrics.lfMessageFont.lfHeight, dpi);
  return UniqueFont(::CreateFontIndirectW(&metrics.lfMessageFont));
}

RECT FrameForClient(int width, int height, DWORD style, DWORD exStyle, int dpi) {
  const auto adjustForDpi = os::AdjustWindowRectExForDpi();
  RECT frame{0, 0, width, height};
  if (adjustForDpi && adjustForDpi(&frame, style, FALSE, exStyle, dpi)) return frame;
  // Before Windows 10 the frame keeps the system DPI's size on every monitor.
  frame = {0, 0, width, height};
  ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return frame;
}

}  // namespace discgate
