#include "app/form1.h"

#include "app/error_report.h"
#include "app/form1_layout.h"
#include "app/resource.h"
#include "app/twips.h"
#include "launcher/launch_content.h"
#include "launcher/licence_loader.h"
#include "launcher/paths.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {
namespace {

constexpr const wchar_t* kClassName = L"discgate.Form1";
constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW;

// Esc does nothing in this window. A multi-line text box inside a dialog-like window would take
// it as a request to close the window, so it never reaches the controls.
bool IsEscapeKey(const MSG& message) {
  return (message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
          message.message == WM_CHAR) &&
         message.wParam == VK_ESCAPE;
}

int ScreenDpi() {
  const HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

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
  // The licence is read before the window exists; without it there is nothing to agree to, so
  // the window never appears.
  const Result<std::string> module = m_platform.ModulePath();
  const Result<Licence> licence = LoadLicence(
      m_platform, module.ok() ? FolderOf(module.value()) : std::string(),
      m_platform.PreferredUiLanguages());
  if (!licence.ok()) {
    ReportError(nullptr, licence.error());
    return kExitFailed;
  }
  if (!Create(licence.value().rightToLeft)) {
    ReportError(nullptr, WithAction(LastError(), "Could not create the window."));
    return kExitFailed;
  }
  // The default limit of about 30,000 characters would cut a long licence short.
  ::SendMessageW(m_text1, EM_SETLIMITTEXT, 0, 0);
  ::SetWindowTextW(m_text1, Widen(licence.value().text).c_str());
  ::ShowWindow(m_hwnd, showCommand);
  ::UpdateWindow(m_hwnd);

  MSG message;
  BOOL result;
  while ((result = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (result == -1) return kExitFailed;
    if (IsEscapeKey(message)) continue;
    // Tab moves between the controls as in a dialog box.
    if (m_hwnd && ::IsDialogMessageW(m_hwnd, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

bool Form1::Create(bool rightToLeft) {
  m_rightToLeft = rightToLeft;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = m_instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  windowClass.hIcon = static_cast<HICON>(::LoadImageW(
      m_instance, MAKEINTRESOURCEW(IDI_DISCGATE), IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
      ::GetSystemMetrics(SM_CYICON), LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(::LoadImageW(
      m_instance, MAKEINTRESOURCEW(IDI_DISCGATE), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
      ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!::RegisterClassExW(&windowClass)) return false;

  const int dpi = ScreenDpi();
  RECT frame{0, 0, TwipsToPixels(kForm1Width, dpi), TwipsToPixels(kForm1Height, dpi)};
  ::AdjustWindowRectEx(&frame, kFrameStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;

  RECT workArea{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  const int x = workArea.left + (workArea.right - workArea.left - width) / 2;
  const int y = workArea.top + (workArea.bottom - workArea.top - height) / 2;

  return ::CreateWindowExW(0, kClassName, kForm1Caption, kFrameStyle, x, y, width, height, nullptr,
                           nullptr, m_instance, this) != nullptr;
}

void Form1::CreateFonts(int dpi) {
  NONCLIENTMETRICSW metrics{};
  // The size without the field Vista added, which every Windows accepts.
  metrics.cbSize = sizeof metrics;
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    m_messageFont.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
  }
  m_text1Font.reset(::CreateFontW(-FontPixelHeight(kText1FontSize, dpi), 0, 0, 0, FW_NORMAL, FALSE,
                                  FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  kText1FontFace));
}

void Form1::CreateControls(int dpi) {
  for (const ControlLayout& control : kForm1Controls) {
    ControlClass type = ClassFor(control.kind);
    if (control.kind == ControlKind::TextBox && m_rightToLeft) {
      type.style |= ES_RIGHT;
      type.exStyle |= WS_EX_RTLREADING;
    }
    const DWORD style = WS_CHILD | type.style | (control.visible ? WS_VISIBLE : 0);
    const HWND child = ::CreateWindowExW(
        type.exStyle, type.className, control.text, style, TwipsToPixels(control.left, dpi),
        TwipsToPixels(control.top, dpi), TwipsToPixels(control.width, dpi),
        TwipsToPixels(control.height, dpi), m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), m_instance, nullptr);
    const HFONT font = control.kind == ControlKind::TextBox ? m_text1Font.get() : m_messageFont.get();
    if (child && font) ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  m_text1 = ::GetDlgItem(m_hwnd, kText1);
  m_focus = m_text1;
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
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const int dpi = ScreenDpi();
      CreateFonts(dpi);
      CreateControls(dpi);
      return 0;
    }
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      if (m_focus) ::SetFocus(m_focus);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NEXTDLGCTL:
      OnNextDlgCtl(wParam, lParam);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(m_exitCode);
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

void Form1::OnNextDlgCtl(WPARAM wParam, LPARAM lParam) {
  // A multi-line text box asks its parent to move the focus on Tab, as it would ask a dialog.
  const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : ::GetNextDlgTabItem(m_hwnd, ::GetFocus(), wParam != 0);
  if (next) ::SetFocus(next);
}

void Form1::OnCommand(int id) {
  switch (id) {
    case kCmdCancel:
    case kCmdAccept:
      OnButton(id);
      break;
    case IDOK:
      // Enter on a focused button presses it, as in any dialog box; elsewhere it does nothing.
      OnButton(::GetDlgCtrlID(::GetFocus()));
      break;
    default:
      break;  // IDCANCEL from Esc among them: neither button is the cancel button
  }
}

void Form1::OnButton(int id) {
  if (id == kCmdCancel) Unload(kExitDeclined);
  if (id == kCmdAccept) OnAccept();
}

void Form1::OnAccept() {
  // The shell may pump messages while it starts something; a second click must not start it twice.
  if (m_accepting) return;
  m_accepting = true;

  m_platform.SetOwner(m_hwnd);
  const Result<std::string> module = m_platform.ModulePath();
  const Status launched =
      module.ok() ? LaunchContent(m_platform, FolderOf(module.value()))
                  : Status(WithAction(module.error(), "Could not find the program's folder."));
  if (!launched.ok()) {
    ReportError(m_hwnd, launched.error());
    Unload(kExitFailed);
    return;
  }
  Unload(kExitAccepted);
}

void Form1::Unload(int exitCode) {
  m_exitCode = exitCode;
  if (m_hwnd) ::DestroyWindow(m_hwnd);
}

}  // namespace discgate
