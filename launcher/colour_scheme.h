#pragma once

#include <cstdint>
#include <optional>

namespace discgate {

// What the window's colours are, decided from what Windows says. The colours an RTF licence's
// author set are checked in launcher/colour_contrast.h.
struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  bool operator==(const Rgb&) const = default;
};

// Windows 10 1809: the first Windows with a dark title bar for programs.
inline constexpr std::uint32_t kFirstDarkBuild = 17763;
// Windows 10 2004, from which the title bar's attribute has its documented number.
inline constexpr std::uint32_t kDocumentedDarkBuild = 19041;
// Windows 11, which repaints a frame by itself when its attribute changes.
inline constexpr std::uint32_t kFirstWindows11Build = 22000;

// The window's colours when dark: the licence's light text on its box at a contrast of at least
// 7:1, the label's on the window's background.
inline constexpr Rgb kDarkWindow{0x20, 0x20, 0x20};
inline constexpr Rgb kDarkBox{0x19, 0x19, 0x19};
inline constexpr Rgb kDarkText{0xF2, 0xF2, 0xF2};
inline constexpr Rgb kLightBox{0xFF, 0xFF, 0xFF};

// Dark when the user's setting for apps (AppsUseLightTheme) is 0; light when it is 1, missing or
// unreadable, under high contrast (whose colours are the user's own), and before Windows 10 1809.
bool ChooseDark(std::optional<std::uint32_t> appsUseLightTheme, bool highContrast,
                std::uint32_t build);

// The DWMWA_USE_IMMERSIVE_DARK_MODE attribute on a Windows build: 20 from 19041, 19 before it
// back to 17763, and 0 where there is none to ask for.
std::uint32_t DarkTitleBarAttribute(std::uint32_t build);

}  // namespace discgate
