#pragma once

#include <windows.h>

#include <string>

#include "app/print_progress.h"
#include "launcher/licence_copy.h"
#include "platform/result.h"

namespace discgate {

// What every printed page carries besides the licence: the window's caption and the licence's
// file name at its top, "n / m" at its foot.
struct PageFrame {
  std::wstring caption;
  std::wstring fileName;
  bool rightToLeft = false;
};

// Both print page by page, asking `progress` whether to go on as they lay out and print; a
// cancelled print ends the job and is no failure. Memory stays bounded by the licence's own size:
// a page is laid out again when it is printed, and only where each starts is kept.

// A plain licence on the printer in the text box's face and size, word-wrapped to the page's
// printable area with a margin.
Status PrintPlain(HDC printer, std::wstring text, const PageFrame& frame, PageRange range,
                  PrintProgress& progress);

// An RTF licence as the rich-edit control `box` shows it, formatting and all. Where the control
// lays out no page at all (some answer EM_FORMATRANGE with nothing), its text is printed as a
// plain licence is, rather than pages without it; one that stops part of the way is a failure,
// never half a licence on paper.
Status PrintRich(HDC printer, HWND box, const PageFrame& frame, PageRange range,
                 PrintProgress& progress);

}  // namespace discgate
