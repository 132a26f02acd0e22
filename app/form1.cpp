#include "app/form1.h"

#include <exception>
#include <new>
#include <utility>

#include "app/error_report.h"
#include "app/form1_layout.h"
#include "app/planted_fault.h"
#include "app/rich_text.h"
#include "app/text_zoom.h"
#include "app/resource.h"
#include "app/twips.h"
#include "launcher/acceptance.h"
#include "launcher/out_of_memory.h"
#include "launcher/start_up.h"
#include "launcher/zoom.h"
#include "platform/dpi_win.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {
namespace {

constexpr const wchar_t* kClassName = L"discgate.Form1";
constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW;
// WM_DPICHANGED, which the headers declare only for programs that need Windows 8.1 or later.
constexpr UINT kWmDpiChanged = 0x02E0;

// Esc does nothing in this window. A multi-line text box in a window that handles dialog keys
// takes Esc as a request to close the window, so the key never reaches the controls, and the
// dialog manager never turns it into IDCANCEL.
bool IsEscapeKey(const MSG& message) {
  return (message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
          message.message == WM_CHAR) &&
         message.wParam == VK_ESCAPE;
}

// The window with its frame around the client area of the layout at a DPI.
SIZE FrameSize(int dpi, DWORD exStyle) {
  const PixelRect client = ClientRect(dpi);
  const RECT frame = FrameForClient(client.width, client.height, kFrameStyle, exStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT CentredOnWorkArea(SIZE size) {
  RECT workArea{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  const LONG x = workArea.left + (workArea.right - workArea.left - size.cx) / 2;
  const LONG y = workArea.top + (workArea.bottom - workArea.top - size.cy) / 2;
  return {x, y, x + size.cx, y + size.cy};
}

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

// The label's and buttons' texts are the language's; the others are fixed.
std::wstring TextOf(const ControlLayout& control, const UiLanguage& language) {
  switch (control.id) {
    case kLabel1:
      return Widen(language[&UiTextRow::label]);
    case kCmdCancel:
      return Widen(language[&UiTextRow::decline]);
    case kCmdAccept:
      return Widen(language[&UiTextRow::accept]);
    default:
      return control.text ? control.text : L"";
  }
}

ControlClass ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
      // No horizontal scrolling, so long lines wrap. ES_WANTRETURN: Enter makes a new line
      // instead of being taken by the dialog manager.
      return {L"EDIT",
              WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_LEFT,
              WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
  }
  return {};
}

}  // namespace

int Form1::Run(int showCommand) {
  // Reports speak the user's language, not the licence's: the licence may be what failed.
  m_reportLanguage = &LanguageOfUser(m_platform.PreferredUiLanguages());
  PrepareTerminateReport(*m_reportLanguage, m_product);
  {
    // The licence is read before the window exists; without it there is nothing to agree to, so
    // the window never appears. Once the text box holds it, no other copy is kept.
    Result<Licence> licence = LoadLicenceAtStart(m_platform);
    if (!licence.ok()) {
      Report(licence.error());
      return kExitFailed;
    }
    const Status created = Create(std::move(licence.value()));
    if (!created.ok()) {
      Report(created.error());
      return kExitFailed;
    }
  }
  ::ShowWindow(m_hwnd, showCommand);
  ::UpdateWindow(m_hwnd);

  MSG message;
  BOOL result;
  while ((result = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (result == -1) return kExitFailed;
    if (m_zoom.Take(message)) {
      ZoomText1();
      continue;
    }
    if (IsEscapeKey(message)) continue;
    // A rich-edit control would take Tab as a character; it moves the focus, as in the text box.
    if (m_licenceRtf && message.hwnd == m_text1 && message.message == WM_KEYDOWN &&
        message.wParam == VK_TAB) {
      OnNextDlgCtl(::GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
      continue;
    }
    // Tab moves between the controls as in a dialog box.
    if (m_hwnd && ::IsDialogMessageW(m_hwnd, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

Form1::~Form1() {
  // A failure that leaves Run while the window exists must not leave it pointing at this object.
  if (m_hwnd) {
    ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
    ::DestroyWindow(m_hwnd);
  }
}

Status Form1::Create(Licence licence) {
  m_licenceText = std::move(licence.text);
  m_rightToLeft = licence.rightToLeft;
  m_licenceRtf = licence.rtf;
  m_licencePath = std::move(licence.path);
  m_language = licence.language;
  Status registered = RegisterWindowClass();
  if (!registered.ok()) return registered;

  // A licence read from right to left gets a mirrored window: the controls change sides.
  const DWORD exStyle = m_rightToLeft ? WS_EX_LAYOUTRTL : 0;
  m_dpi = SystemDpi();
  const RECT frame = CentredOnWorkArea(FrameSize(m_dpi, exStyle));
  if (!::CreateWindowExW(exStyle, kClassName, Widen(CaptionText(*m_language, m_product)).c_str(),
                         kFrameStyle, frame.left, frame.top, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, m_instance, this)) {
    // WM_CREATE says why it failed, and what it was doing when it names that; otherwise the
    // system says why.
    if (m_createError && m_createError->action != Action::None) return *m_createError;
    return WithAction(m_createError ? *m_createError : LastError(), Action::CreateWindow);
  }

  // The window may have opened on a monitor whose DPI is not the system's; no WM_DPICHANGED
  // comes for that.
  const int dpi = WindowDpi(m_hwnd);
  if (dpi != m_dpi) {
    const SIZE rescaled = FrameSize(dpi, exStyle);
    MoveToDpi(dpi, {frame.left, frame.top, frame.left + rescaled.cx, frame.top + rescaled.cy});
  }
  return {};
}

Status Form1::RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = m_instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  windowClass.hIcon = static_cast<HICON>(::LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_DISCGATE),
                                                      IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                                      ::GetSystemMetrics(SM_CYICON), LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(
      ::LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_DISCGATE), IMAGE_ICON,
                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!::RegisterClassExW(&windowClass)) return WithAction(LastError(), Action::CreateWindow);
  return {};
}

bool Form1::OnCreate() {
  try {
    const Status created = CreateControls();
    if (!created.ok()) {
      m_createError = created.error();
      return false;
    }
    ApplyDpi(m_dpi);
    if (m_licenceRtf) {
      const bool shown = StreamRtf(m_text1, m_licenceText);
      std::string().swap(m_licenceText);
      // A licence that is not shown whole may not be agreed to.
      if (!shown) {
        m_createError = Error{kErrorInvalidData, {}, Action::ReadLicence, m_licencePath};
        return false;
      }
      FollowHighContrast(m_text1);
      return true;
    }
    // The default limit of about 30,000 characters would stop the user's typing in a long licence.
    ::SendMessageW(m_text1, EM_SETLIMITTEXT, 0, 0);
    std::wstring text = Widen(m_licenceText);
    std::string().swap(m_licenceText);
    // A licence that is not shown whole may not be agreed to.
    if (!::SetWindowTextW(m_text1, text.c_str())) {
      m_createError = LastError();
      return false;
    }
    return true;
  } catch (const std::bad_alloc&) {
    m_createError = OutOfMemory();
    return false;
  }
}

Status Form1::CreateControls() {
  for (const ControlLayout& control : kForm1Controls) {
    ControlClass type = ClassFor(control.kind);
    if (control.kind == ControlKind::TextBox && m_licenceRtf) {
      type.className = RichEditClass();
      if (!type.className) return SystemError(ERROR_MOD_NOT_FOUND);
    }
    // In a mirrored window left and right trade meanings: a plain text box reads from the right,
    // and English texts need the reverse reading order to keep their full stops at the end.
    if (m_rightToLeft && control.kind != ControlKind::TextBox && !m_language->RightToLeft()) {
      type.exStyle |= WS_EX_RTLREADING;
    }
    const DWORD style = WS_CHILD | type.style | (control.visible ? WS_VISIBLE : 0);
    const PixelRect rect = ControlRect(control, m_dpi);
    const HWND child = ::CreateWindowExW(
        type.exStyle, type.className, TextOf(control, *m_language).c_str(), style, rect.left,
        rect.top, rect.width, rect.height, m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), m_instance, nullptr);
    // As when the system has run out of window handles.
    if (control.id == kLblLanguagePath && PlantedFault(L"control")) {
      ::DestroyWindow(child);
      ::SetLastError(ERROR_NO_MORE_USER_HANDLES);
      return LastError();
    }
    if (!child) return LastError();
  }
  m_text1 = ::GetDlgItem(m_hwnd, kText1);
  m_focus = m_text1;
  return {};
}

void Form1::ApplyDpi(int dpi) {
  m_dpi = dpi;
  UniqueFont messageFont = MessageFontForDpi(dpi);
  for (const ControlLayout& control : kForm1Controls) {
    const HWND child = ::GetDlgItem(m_hwnd, control.id);
    if (!child) continue;
    const PixelRect rect = ControlRect(control, dpi);
    ::SetWindowPos(child, nullptr, rect.left, rect.top, rect.width, rect.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (control.kind != ControlKind::TextBox && messageFont) {
      ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(messageFont.get()), TRUE);
    }
  }
  // Only now that no control uses it may the old font go. A font that could not be made leaves
  // the controls drawing with the old one, which must then stay.
  if (messageFont) m_messageFont = std::move(messageFont);
  ZoomText1();
}

UniqueFont Form1::Text1Font(int dpi) const {
  const int size = ZoomedFontSize(kText1FontSize, m_zoom.Percent());
  return UniqueFont(::CreateFontW(-FontPixelHeight(size, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kText1FontFace));
}

void Form1::ZoomText1() {
  // The RTF brings its own fonts, which the control zooms itself.
  if (m_licenceRtf) {
    ZoomRichText(m_text1, m_zoom.Percent());
    return;
  }
  // Only the text's font changes: every control keeps its place and the others their fonts.
  UniqueFont font = Text1Font(m_dpi);
  if (!font) return;  // the text keeps the font it has
  SetFontKeepingPlace(m_text1, font.get());
  m_text1Font = std::move(font);
}

void Form1::OnSysColorChange() {
  // The common controls repaint in the new colours (a high-contrast theme set meanwhile) only when
  // their parent passes the change on.
  for (HWND child = ::GetWindow(m_hwnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
  }
  ::RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1::MoveToDpi(int dpi, const RECT& frame) {
  ApplyDpi(dpi);
  ::SetWindowPos(m_hwnd, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  const int dpi = HIWORD(wParam);
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  // The system's rectangle keeps the window under the pointer that dragged it across monitors.
  if (IsPlausibleDpi(dpi) && suggested) MoveToDpi(dpi, *suggested);
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->m_hwnd = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Form1*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->m_hwnd = nullptr;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  // No exception may cross into the system's code that called this procedure.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    self->Fail(OutOfMemory());
    return 0;
  }
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      m_created = OnCreate();
      return m_created ? 0 : -1;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NEXTDLGCTL:
      OnNextDlgCtl(wParam, lParam);
      return 0;
    case WM_SYSCOLORCHANGE:
      OnSysColorChange();
      return 0;
    case kWmDpiChanged:
      OnDpiChanged(wParam, lParam);
      return 0;
    case WM_CLOSE:
      // Closing while the acceptance runs would end the program before it is done.
      if (!m_accepting) Unload(kExitDeclined);
      return 0;
    case WM_DESTROY:
      // A window that failed while it was made ends nothing: a pending WM_QUIT would close the
      // report of that failure as soon as it showed.
      if (m_created) ::PostQuitMessage(m_exitCode);
      return 0;
  }
  return ::DefWindowProcW(m_hwnd, message, wParam, lParam);
}

void Form1::OnActivate(WPARAM wParam) {
  // A plain window does not remember its focused control as a dialog box does.
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = ::GetFocus();
    if (focus && ::IsChild(m_hwnd, focus)) m_focus = focus;
  } else if (m_focus) {
    ::SetFocus(m_focus);
  }
}

void Form1::OnSetFocus() {
  if (m_focus) ::SetFocus(m_focus);
}

void Form1::OnNextDlgCtl(WPARAM wParam, LPARAM lParam) {
  // A multi-line text box asks its parent to move the focus on Tab, as it would ask a dialog.
  const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : ::GetNextDlgTabItem(m_hwnd, ::GetFocus(), wParam != 0);
  if (next) ::SetFocus(next);
  // Moving by the keyboard shows where the focus is: the focused button draws its focus rectangle.
  ::SendMessageW(m_hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Form1::OnCommand(int id) {
  switch (id) {
    case kCmdCancel:
    case kCmdAccept:
      OnButton(id);
      break;
    case IDOK:
      // Enter on a focused button presses it; elsewhere it does nothing.
      OnButton(::GetDlgCtrlID(::GetFocus()));
      break;
    default:
      break;
  }
}

void Form1::OnButton(int id) {
  // Once accepted, the answer stands: nothing else is pressed until the acceptance has ended.
  if (m_accepting) return;
  // As when the C++ runtime gives up while the window is open.
  if (id == kCmdCancel && PlantedFault(L"terminate")) std::terminate();
  if (id == kCmdCancel) Unload(kExitDeclined);
  if (id == kCmdAccept) OnAccept();
}

void Form1::OnAccept() {
  m_accepting = true;
  // The shell, and the report of a failure, pump messages while they run; a disabled window
  // takes no clicks or keys from the user meanwhile.
  ::EnableWindow(m_hwnd, FALSE);
  m_platform.SetOwner(m_hwnd);
  const Status accepted = Accept(m_platform);
  if (!accepted.ok()) {
    Fail(accepted.error());
    return;
  }
  Unload(kExitAccepted);
}

void Form1::Fail(const Error& error) {
  Report(error);
  Unload(kExitFailed);
}

void Form1::Report(const Error& error) { ReportError(m_hwnd, error, *m_reportLanguage, m_product); }

void Form1::Unload(int exitCode) {
  m_exitCode = exitCode;
  if (m_hwnd) ::DestroyWindow(m_hwnd);
}

}  // namespace discgate
