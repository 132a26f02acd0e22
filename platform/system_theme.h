#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace discgate {

// What Windows says of the user's colours, read afresh at each call.

// The Windows build number (17763 for Windows 10 1809), as the system itself gives it whatever
// the program's manifest says.
std::uint32_t WindowsBuild();
// HKCU\...\Themes\Personalize's AppsUseLightTheme: 0 for dark apps; none when it is missing,
// not a DWORD or cannot be read.
std::optional<std::uint32_t> AppsUseLightTheme();
bool HighContrastOn();

// The window's title bar dark or light, by DWM's `attribute` for it on this build. A Windows
// that refuses keeps its title bar as it is: nothing to report.
void SetDarkTitleBar(HWND window, bool dark, DWORD attribute);
// A control's scroll bars and buttons in the system's dark style, where Windows has one; light
// gives it back its usual style.
void SetDarkControl(HWND control, bool dark);

}  // namespace discgate
