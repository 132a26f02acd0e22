#include "app/licence_view.h"

#include <richedit.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "app/rich_text.h"
#include "launcher/zoom.h"
#include "platform/dpi_win.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {
namespace {

const ControlLayout& Text1Layout() {
  return *std::find_if(std::begin(kForm1Controls), std::end(kForm1Controls),
                       [](const ControlLayout& control) { return control.id == kText1; });
}

// Runs `change` on the box, then scrolls so the text that was first in view is first again,
// however the lines wrap now.
template <typename Change>
void KeepingPlace(HWND box, bool rich, Change change) {
  const LRESULT firstLine = ::SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
  const LRESULT firstCharacter = ::SendMessageW(box, EM_LINEINDEX, firstLine, 0);
  change();
  // A rich-edit control counts characters beyond 64K only with its own message.
  const LRESULT lineNow = rich ? ::SendMessageW(box, EM_EXLINEFROMCHAR, 0, firstCharacter)
                               : ::SendMessageW(box, EM_LINEFROMCHAR, firstCharacter, 0);
  const LRESULT firstNow = ::SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
  ::SendMessageW(box, EM_LINESCROLL, 0, lineNow - firstNow);
}

}  // namespace

UniqueFont Text1Font(int dpi, int percent) {
  const int size = ZoomedFontSize(kText1FontSize, percent);
  return UniqueFont(::CreateFontW(-FontPixelHeight(size, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kText1FontFace));
}

Status LicenceView::Create(HWND parent, HINSTANCE instance, const Licence& licence, DWORD exStyle,
                           int dpi) {
  m_rtf = licence.rtf;
  // No horizontal scrolling, so long lines wrap. ES_WANTRETURN: Enter makes a new line instead of
  // being taken by the dialog manager.
  const wchar_t* className = L"EDIT";
  if (m_rtf) {
    className = RichEditClass();
    if (!className) return SystemError(ERROR_MOD_NOT_FOUND);
  }
  const ControlLayout& layout = Text1Layout();
  const PixelRect rect = ControlRect(layout, dpi);
  m_box = ::CreateWindowExW(WS_EX_CLIENTEDGE | exStyle, className, layout.fixedText,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                ES_AUTOVSCROLL | ES_WANTRETURN | ES_LEFT,
                            rect.left, rect.top, rect.width, rect.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance,
                            nullptr);
  if (!m_box) return LastError();
  return {};
}

Status LicenceView::Fill(Licence& licence) {
  if (m_rtf) {
    const bool shown = StreamRtf(m_box, licence.text);
    std::string().swap(licence.text);
    if (!shown) return Error{kErrorInvalidData, {}, Action::ReadLicence, licence.path};
    FollowHighContrast(m_box);
    return {};
  }
  // The default limit of about 30,000 characters would stop the user's typing in a long licence.
  ::SendMessageW(m_box, EM_SETLIMITTEXT, 0, 0);
  const std::wstring text = Widen(licence.text);
  std::string().swap(licence.text);
  if (!::SetWindowTextW(m_box, text.c_str())) return LastError();
  return {};
}

void LicenceView::Zoom(int dpi, int percent) {
  if (m_rtf) {
    // The control zooms the RTF's own fonts itself.
    KeepingPlace(m_box, true, [this, percent] { ::SendMessageW(m_box, EM_SETZOOM, percent, 100); });
    return;
  }
  UniqueFont font = Text1Font(dpi, percent);
  if (!font) return;  // the text keeps the font it has
  KeepingPlace(m_box, false, [this, &font] {
    ::SendMessageW(m_box, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  });
  m_font = std::move(font);
}

bool LicenceView::Unmodified() const { return ::SendMessageW(m_box, EM_GETMODIFY, 0, 0) == 0; }

std::wstring LicenceView::Text() const { return BoxText(m_box); }

std::wstring BoxText(HWND box) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool LicenceView::IsTab(const MSG& message) const {
  return m_rtf && message.hwnd == m_box && message.message == WM_KEYDOWN &&
         message.wParam == VK_TAB;
}

}  // namespace discgate
