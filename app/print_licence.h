#pragma once

#include <windows.h>

#include <string>

#include "platform/result.h"

namespace discgate {

// What every printed page carries besides the licence: the window's caption and the licence's
// file name at its top, "n / m" at its foot.
struct PageFrame {
  std::wstring caption;
  std::wstring fileName;
  bool rightToLeft = false;
};

// A plain licence on the printer in the text box's face and size, word-wrapped to the page's
// printable area with a margin.
Status PrintPlain(HDC printer, const std::wstring& text, const PageFrame& frame);

// An RTF licence as the rich-edit box `box` shows it, formatting and all. Where the control
// cannot lay out pages (some answer EM_FORMATRANGE with nothing), its text is printed as a plain
// licence is, rather than pages without it.
Status PrintRich(HDC printer, HWND box, const PageFrame& frame);

}  // namespace discgate
