#pragma once

#include "app/twips.h"

namespace discgate {

// The window's client area, in twips.
inline constexpr int kForm1Width = 6165;
inline constexpr int kForm1Height = 3840;

// Text1's font: MS Sans Serif, 9.75 pt, normal weight, ANSI character set.
inline constexpr const wchar_t* kText1FontFace = L"MS Sans Serif";
inline constexpr int kText1FontSize = 975;  // hundredths of a point

enum class ControlKind { Label, TextBox, Button };

struct ControlLayout {
  ControlKind kind;
  int id;
  int left, top, width, height;  // twips
  const wchar_t* text;           // null: the text is the language's (label and buttons)
  bool visible;
};

// Ids stay clear of IDOK (1) and IDCANCEL (2), which the dialog manager sends for Enter and Esc.
enum ControlId { kLabel1 = 100, kText1, kCmdCancel, kCmdAccept, kLblLanguagePath };

// In tab order: controls are created in this order, which is the order Tab moves through them.
// Label1, Text1, cmdCancel, cmdAccept, lblLanguagePath.
inline constexpr ControlLayout kForm1Controls[] = {
    {ControlKind::Label, kLabel1, 360, 240, 5295, 495, nullptr, true},
    {ControlKind::TextBox, kText1, 240, 840, 5535, 1815, L"Text1", true},
    {ControlKind::Button, kCmdCancel, 360, 3120, 2295, 495, nullptr, true},
    {ControlKind::Button, kCmdAccept, 3360, 3120, 2415, 495, nullptr, true},
    {ControlKind::Label, kLblLanguagePath, 1320, 2760, 3255, 255, L"", false},
};

struct PixelRect {
  int left, top, width, height;
};

// The window's client area at a DPI, left-to-right coordinates; a mirrored window mirrors them.
constexpr PixelRect ClientRect(int dpi) {
  return {0, 0, TwipsToPixels(kForm1Width, dpi), TwipsToPixels(kForm1Height, dpi)};
}

// Where a control goes at a DPI. The one layout for every DPI: the window lays out its controls
// with it when it is created and whenever it moves to a monitor with another DPI.
constexpr PixelRect ControlRect(const ControlLayout& control, int dpi) {
  return {TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi),
          TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi)};
}

}  // namespace discgate
