#pragma once

#include <windows.h>

#include "platform/unique_handle.h"

namespace discgate {

// A DPI that some screen could have; anything else is no answer.
constexpr bool IsPlausibleDpi(int dpi) { return dpi >= 48 && dpi <= 960; }

// The screen's DPI as the whole system sees it.
int SystemDpi();

// The DPI of the monitor the window is on (Windows 10 1607 and later), else the system's.
int WindowDpi(HWND window);

// The user's message font (the one dialog boxes use) at a DPI.
UniqueFont MessageFontForDpi(int dpi);

// The window rectangle, frame included, around a client area of the given size at a DPI.
RECT FrameForClient(int width, int height, DWORD style, DWORD exStyle, int dpi);

}  // namespace discgate
