#pragma once

#include <windows.h>

#include <string>

#include "app/form1_layout.h"
#include "launcher/licence_loader.h"
#include "platform/result.h"
#include "platform/unique_handle.h"

namespace discgate {

// The whole text of a text box or a rich-edit control.
std::wstring BoxText(HWND box);

// Text1's font at a DPI (a screen's or a printer's) and a zoom.
UniqueFont Text1Font(int dpi, int percent);

// Text1, the box the licence is read in: a plain text box, or a rich-edit control for a licence
// kept as RTF. It is made, filled and zoomed here, in whichever kind, and keeps the reader's
// place whenever its text is laid out anew.
class LicenceView {
 public:
  // Makes the box in `parent` where the layout puts it at `dpi`, of the kind the licence needs.
  Status Create(HWND parent, HINSTANCE instance, const Licence& licence, DWORD exStyle, int dpi);
  // Gives it the licence's text, which is not kept elsewhere once the box holds it. A licence
  // that is not shown whole may not be agreed to: that fails.
  Status Fill(Licence& licence);
  // Its text at a DPI, at the zoom of the reader's choice.
  void Zoom(int dpi, int percent);
  // A rich-edit control takes Tab as a character; here it moves the focus, as in the text box.
  // True for such a key, which then goes no further.
  bool IsTab(const MSG& message) const;

  HWND Handle() const { return m_box; }
  // Whether the reader has typed into the box; and what it holds.
  bool Unmodified() const;
  std::wstring Text() const;

 private:
  HWND m_box = nullptr;
  bool m_rtf = false;
  UniqueFont m_font;  // a plain box's, at the zoom; an RTF brings its own fonts
};

}  // namespace discgate
