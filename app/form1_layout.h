#pragma once

#include "app/twips.h"
#include "launcher/ui_texts.h"

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
  UiText text;                   // the language's text; null for a fixed one
  UiText noticeText;             // on a notice, which asks for no consent; null: the same as text
  const wchar_t* fixedText;
  bool visible;
  bool onNotice = true;  // a notice has no decline button
};

// Ids stay clear of IDOK (1) and IDCANCEL (2), which the dialog manager sends for Enter and Esc.
enum ControlId { kLabel1 = 100, kText1, kCmdCancel, kCmdAccept, kLblLanguagePath };

// In tab order: controls are created in this order, which is the order Tab moves through them.
// Label1, Text1, cmdCancel, cmdAccept, lblLanguagePath.
// clang-format off
inline constexpr ControlLayout kForm1Controls[] = {
    {.kind = ControlKind::Label, .id = kLabel1, .left = 360, .top = 240, .width = 5295,
     .height = 495, .text = &UiTextRow::label, .noticeText = &UiTextRow::noticeLabel,
     .fixedText = nullptr, .visible = true},
    {.kind = ControlKind::TextBox, .id = kText1, .left = 240, .top = 840, .width = 5535,
     .height = 1815, .text = nullptr, .noticeText = nullptr, .fixedText = L"Text1",
     .visible = true},
    {.kind = ControlKind::Button, .id = kCmdCancel, .left = 360, .top = 3120, .width = 2295,
     .height = 495, .text = &UiTextRow::decline, .noticeText = nullptr, .fixedText = nullptr,
     .visible = true, .onNotice = false},
    {.kind = ControlKind::Button, .id = kCmdAccept, .left = 3360, .top = 3120, .width = 2415,
     .height = 495, .text = &UiTextRow::accept, .noticeText = &UiTextRow::continueButton,
     .fixedText = nullptr, .visible = true},
    {.kind = ControlKind::Label, .id = kLblLanguagePath, .left = 1320, .top = 2760, .width = 3255,
     .height = 255, .text = nullptr, .noticeText = nullptr, .fixedText = L"", .visible = false},
};
// clang-format on

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
