#include "app/licence_view.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "app/planted_fault.h"
#include "launcher/licence_copy.h"
#include "launcher/zoom.h"
#include "platform/dpi_win.h"
#include "platform/error_win.h"
#include "platform/system_library.h"
#include "platform/system_theme.h"
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

// An RTF licence is shown formatted in a rich-edit control: msftedit's, else riched20's, each
// loaded from the system folder only. Null when neither is there.
const wchar_t* RichEditClass() {
  if (LoadSystemLibrary(L"msftedit.dll")) return L"RICHEDIT50W";
  if (LoadSystemLibrary(L"riched20.dll")) return L"RichEdit20W";
  return nullptr;
}

struct Source {
  const std::string* text;
  std::size_t done;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<Source*>(cookie);
  // A read that fails half-way, as a disc that goes away would.
  if (PlantedFault(L"stream") && source->done > 0) return ERROR_READ_FAULT;
  const std::size_t left = source->text->size() - source->done;
  const auto count = std::min(left, static_cast<std::size_t>(std::max<LONG>(wanted, 0)));
  std::memcpy(buffer, source->text->data() + source->done, count);
  source->done += count;
  *given = static_cast<LONG>(count);
  return 0;
}

// Fills a rich-edit control with RTF that the filter wrote anew (no group in it that is not
// text); false unless the control read all of it without an error. The control gets no OLE
// callback, so nothing embedded could act.
bool StreamRtf(HWND richEdit, const std::string& rtf) {
  // The default limit of 32,767 characters would cut a long licence.
  ::SendMessageW(richEdit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  Source source{&rtf, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadRtf;
  ::SendMessageW(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  // The control stops at what it cannot read and keeps what it read before: only a stream read
  // to its end without an error is the whole licence.
  return stream.dwError == 0 && source.done == rtf.size();
}

// In a high-contrast theme the text and background take the system's colours, whatever the RTF
// says; otherwise they are the RTF's.
void FollowHighContrast(HWND richEdit) {
  if (!HighContrastOn()) return;
  ::SendMessageW(richEdit, EM_SETBKGNDCOLOR, TRUE, 0);  // the system's window colour
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR | CFM_BACKCOLOR;
  format.dwEffects = CFE_AUTOCOLOR | CFE_AUTOBACKCOLOR;
  ::SendMessageW(richEdit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

// Gives the text from `from` to `to` that has the automatic colour `colour` instead, adding where
// to `recoloured`. A stretch of one colour is asked about once, a mixed one in halves: the control
// is asked about as often as the colour changes, not once a character.
void ColourAutomaticText(HWND box, LONG from, LONG to, COLORREF colour,
                         std::vector<CHARRANGE>& recoloured) {
  std::vector<CHARRANGE> left{{from, to}};
  while (!left.empty()) {
    CHARRANGE range = left.back();
    left.pop_back();
    ::SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    ::SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    if (!(format.dwMask & CFM_COLOR)) {
      const LONG middle = range.cpMin + (range.cpMax - range.cpMin) / 2;
      if (middle > range.cpMin)
        left.insert(left.end(), {{middle, range.cpMax}, {range.cpMin, middle}});
      continue;
    }
    if (!(format.dwEffects & CFE_AUTOCOLOR)) continue;
    format.dwMask = CFM_COLOR;
    format.dwEffects = 0;
    format.crTextColor = colour;
    ::SendMessageW(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    recoloured.push_back(range);
  }
}

// The RTF licence as it was shown, in a rich-edit control no one sees, for as long as a copy
// takes: it lays out the printed pages and gives the licence's plain text.
Result<UniqueWindow> HiddenLicence(HWND parent, const std::string& shown) {
  const wchar_t* className = RichEditClass();
  if (!className) return SystemError(ERROR_MOD_NOT_FOUND);
  UniqueWindow box(::CreateWindowExW(0, className, L"", WS_CHILD | ES_MULTILINE, 0, 0, 0, 0, parent,
                                     nullptr, nullptr, nullptr));
  if (!box) return LastError();
  if (!StreamRtf(box.get(), shown)) return SystemError(kErrorInvalidData);
  return box;
}

}  // namespace

UniqueFont Text1Font(int dpi, int percent) {
  const int size = ZoomedFontSize(kText1FontSize, percent);
  return UniqueFont(::CreateFontW(-FontPixelHeight(size, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kText1FontFace));
}

std::wstring BoxText(HWND box) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  return text;
}

Status LicenceView::Create(HWND parent, HINSTANCE instance, const Licence& licence, DWORD exStyle,
                           int dpi) {
  m_shown.rtf = licence.rtf;
  // No horizontal scrolling, so long lines wrap. ES_WANTRETURN: Enter makes a new line instead of
  // being taken by the dialog manager.
  const wchar_t* className = L"EDIT";
  if (m_shown.rtf) {
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
  std::string text;
  text.swap(licence.text);
  m_shown = licence;
  if (m_shown.rtf) {
    if (!StreamRtf(m_box, text)) {
      return Error{kErrorInvalidData, {}, Action::ReadLicence, licence.path};
    }
    FollowHighContrast(m_box);
    return {};
  }
  // The default limit of about 30,000 characters would stop the user's typing in a long licence.
  ::SendMessageW(m_box, EM_SETLIMITTEXT, 0, 0);
  const std::wstring wide = Widen(text);
  std::string().swap(text);
  if (!::SetWindowTextW(m_box, wide.c_str())) return LastError();
  return {};
}

void LicenceView::Zoom(int dpi, int percent) {
  if (m_shown.rtf) {
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

bool LicenceView::IsTab(const MSG& message) const {
  return m_shown.rtf && message.hwnd == m_box && message.message == WM_KEYDOWN &&
         message.wParam == VK_TAB;
}

void LicenceView::SetDark(bool dark, COLORREF background, COLORREF text) {
  SetDarkControl(m_box, dark);
  // A plain box takes its colours from the window (WM_CTLCOLOREDIT).
  if (!m_shown.rtf) return;
  CHARRANGE selection{};
  ::SendMessageW(m_box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  ::SendMessageW(m_box, WM_SETREDRAW, FALSE, 0);
  KeepingPlace(m_box, true, [&] {
    ::SendMessageW(m_box, EM_SETBKGNDCOLOR, dark ? FALSE : TRUE, dark ? background : 0);
    if (dark) {
      GETTEXTLENGTHEX measure{GTL_DEFAULT, 1200};
      const auto length = static_cast<LONG>(
          ::SendMessageW(m_box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0));
      ColourAutomaticText(m_box, 0, length, text, m_recoloured);
    } else {
      CHARFORMAT2W automatic{};
      automatic.cbSize = sizeof automatic;
      automatic.dwMask = CFM_COLOR;
      automatic.dwEffects = CFE_AUTOCOLOR;
      for (CHARRANGE range : m_recoloured) {
        ::SendMessageW(m_box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        ::SendMessageW(m_box, EM_SETCHARFORMAT, SCF_SELECTION,
                       reinterpret_cast<LPARAM>(&automatic));
      }
      m_recoloured.clear();
    }
    ::SendMessageW(m_box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  });
  // Colours are no edit of the reader's to undo.
  ::SendMessageW(m_box, EM_EMPTYUNDOBUFFER, 0, 0);
  ::SendMessageW(m_box, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(m_box, nullptr, TRUE);
}

const wchar_t* LicenceView::CopyFilter() const {
  // An RTF licence may be kept as the RTF shown or as its plain text.
  return m_shown.rtf ? L"*.rtf\0*.rtf\0*.txt\0*.txt\0" : L"*.txt\0*.txt\0";
}

const wchar_t* LicenceView::CopyExtension() const { return m_shown.rtf ? L"rtf" : L"txt"; }

Result<std::string> LicenceView::CopyBytes(unsigned kind) const {
  Result<std::string> shown = LicenceAsShown(m_platform, m_shown);
  if (!shown.ok()) return shown.error();
  if (!m_shown.rtf) return PlainCopy(shown.value());
  if (kind == 1) return std::move(shown.value());
  Result<UniqueWindow> box = HiddenLicence(::GetParent(m_box), shown.value());
  if (!box.ok()) return box.error();
  return PlainCopy(Narrow(BoxText(box.value().get())));
}

Status LicenceView::Print(HDC printer, const PageFrame& frame, PageRange range,
                          PrintProgress& progress) const {
  Result<std::string> shown = LicenceAsShown(m_platform, m_shown);
  if (!shown.ok()) return shown.error();
  if (!m_shown.rtf) {
    std::wstring text = Widen(shown.value());
    std::string().swap(shown.value());
    return PrintPlain(printer, std::move(text), frame, range, progress);
  }
  Result<UniqueWindow> box = HiddenLicence(::GetParent(m_box), shown.value());
  if (!box.ok()) return box.error();
  std::string().swap(shown.value());
  return PrintRich(printer, box.value().get(), frame, range, progress);
}

}  // namespace discgate
