#pragma once

#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "app/form1_layout.h"
#include "app/print_licence.h"
#include "launcher/licence_loader.h"
#include "platform/platform.h"
#include "platform/result.h"
#include "platform/unique_handle.h"

namespace discgate {

// The whole text of a text box or a rich-edit control, or a window's caption.
std::wstring BoxText(HWND box);

// Text1's font at a DPI (a screen's or a printer's) and a zoom.
UniqueFont Text1Font(int dpi, int percent);

// Text1, the box the licence is read in: a plain text box, or a rich-edit control for a licence
// kept as RTF. The one place that knows which: it is made, filled, zoomed, printed and copied
// here, in whichever kind, and keeps the reader's place whenever its text is laid out anew.
//
// A copy, printed or saved, is the licence as it was shown at start, never what the reader typed
// into the box: its file is read again and must be the one that was shown (the same digest), so
// the licence is not kept twice in memory for a copy few readers make.
class LicenceView {
 public:
  explicit LicenceView(Platform& platform) : m_platform(platform) {}

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
  // Dark: the box's background and the text in the automatic colour as given, the scroll bar in
  // the system's dark style; the colours an RTF's author set stay. Light undoes it.
  void SetDark(bool dark, COLORREF background, COLORREF text);
  // The licence's file, as the reports name it, and whether it reads from right to left.
  const std::string& Path() const { return m_shown.path; }
  bool RightToLeft() const { return m_shown.rightToLeft; }

  // The kinds of file a copy can be saved as, for the Save dialog: its filter ("*.rtf\0*.rtf\0
  // ...\0"), the first kind the licence's own, and that kind's extension.
  const wchar_t* CopyFilter() const;
  const wchar_t* CopyExtension() const;
  // The bytes of a copy of the filter's kind `kind` (from 1, as the dialog counts).
  Result<std::string> CopyBytes(unsigned kind) const;
  // The licence on the printer, the pages of `range`, each in `frame`.
  Status Print(HDC printer, const PageFrame& frame, PageRange range, PrintProgress& progress) const;

 private:
  Platform& m_platform;
  HWND m_box = nullptr;
  Licence m_shown;                      // where the licence was read from and its digest; no text
  UniqueFont m_font;                    // a plain box's, at the zoom; an RTF brings its own fonts
  std::vector<CHARRANGE> m_recoloured;  // an RTF's text in the automatic colour, while dark
};

}  // namespace discgate
