#include "app/form1.h"

#include <cwchar>
#include <exception>
#include <new>
#include <utility>

#include "app/error_report.h"
#include "app/form1_controls.h"
#include "app/form1_layout.h"
#include "app/one_window.h"
#include "app/planted_fault.h"
#include "app/resource.h"
#include "app/twips.h"
#include "launcher/acceptance.h"
#include "launcher/one_window.h"
#include "launcher/out_of_memory.h"
#include "launcher/program_folder.h"
#include "platform/dpi_win.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {
namespace {

constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW;
// WM_DPICHANGED, which the headers declare only for programs that need Windows 8.1 or later.
constexpr UINT kWmDpiChanged = 0x02E0;

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

// The common controls repaint in the new colours (a high-contrast theme set meanwhile) only when
// their parent passes the change on.
void PassColourChangeOn(HWND window) {
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
  }
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

int Form1::Run(Licence licence, int showCommand) {
  m_licence = std::move(licence);
  const Status created = Create();
  if (!created.ok()) {
    Report(created.error());
    return kExitFailed;
  }
  ::ShowWindow(m_hwnd, showCommand);
  ::UpdateWindow(m_hwnd);
  if (m_licence.seal) {
    const Result<std::string> folder = ProgramFolder(m_platform);
    if (folder.ok()) m_folder = folder.value();
    m_startCheck.Begin(m_hwnd, m_platform, m_folder, m_licence.seal);
  }

  // Loaded from the program's own resources: nothing to free.
  const HACCEL keys = ::LoadAcceleratorsW(m_instance, MAKEINTRESOURCEW(IDA_DISCGATE));
  MSG message;
  BOOL result;
  while ((result = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (result == -1) return kExitFailed;
    if (m_zoom.Take(message)) {
      m_text1.Zoom(m_dpi, m_zoom.Percent());
      continue;
    }
    // A key is the window's, not a character for the text box; keys in other windows of the
    // program (a report) stay theirs.
    const bool inWindow = message.hwnd == m_hwnd || ::IsChild(m_hwnd, message.hwnd);
    if (inWindow && keys && ::TranslateAcceleratorW(m_hwnd, keys, &message)) continue;
    if (m_text1.IsTab(message)) {
      m_keys.OnNextDlgCtl(::GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
      continue;
    }
    if (m_keys.Take(message)) continue;
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

Status Form1::Create() {
  Status registered = RegisterWindowClass(m_instance, WindowProc);
  if (!registered.ok()) return registered;

  // A licence read from right to left gets a mirrored window: the controls change sides.
  const DWORD exStyle = m_licence.rightToLeft ? WS_EX_LAYOUTRTL : 0;
  m_dpi = SystemDpi();
  const RECT frame = CentredOnWorkArea(FrameSize(m_dpi, exStyle));
  if (!::CreateWindowExW(
          exStyle, kClassName,
          Widen(CaptionText(*m_licence.language, m_product, m_licence.notice)).c_str(), kFrameStyle,
          frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
          nullptr, m_instance, this)) {
    // WM_CREATE says why it failed, and what it was doing when it names that; otherwise the
    // system says why.
    if (m_createError && m_createError->action != Action::None) return *m_createError;
    return WithAction(m_createError ? *m_createError : LastError(), Action::CreateWindow);
  }

  // The title bar is dark before it is first drawn.
  m_colours.Decide();
  m_colours.Apply(m_hwnd, m_text1, false);
  // The window may have opened on a monitor whose DPI is not the system's; no WM_DPICHANGED
  // comes for that.
  const int dpi = WindowDpi(m_hwnd);
  if (dpi != m_dpi) {
    const SIZE rescaled = FrameSize(dpi, exStyle);
    MoveToDpi(dpi, {frame.left, frame.top, frame.left + rescaled.cx, frame.top + rescaled.cy});
  }
  return {};
}

Status Form1::OnCreate() {
  for (const ControlLayout& control : kForm1Controls) {
    Status created = control.kind == ControlKind::TextBox
                         ? m_text1.Create(m_hwnd, m_instance, m_licence, 0, m_dpi)
                         : CreateControl(m_hwnd, m_instance, control, m_licence, m_dpi);
    if (!created.ok()) return created;
  }
  m_keys.Attach(m_hwnd, m_text1.Handle());
  m_copy.Attach(m_hwnd, *m_licence.language);
  ApplyDpi(m_dpi);
  return m_text1.Fill(m_licence);
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
  m_text1.Zoom(dpi, m_zoom.Percent());
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
    if (message == WM_CREATE) {
      self->m_createError = OutOfMemory();
      return -1;
    }
    self->Report(OutOfMemory());
    self->Unload(kExitFailed);
    return 0;
  }
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A second start of the program from this disc: this window is the one the user sees.
  if (message == OneWindow::Message()) return OneWindow::ComeToFront(m_hwnd);
  if (const auto answer = OnColourMessage(message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_CREATE: {
      const Status created = OnCreate();
      if (!created.ok()) m_createError = created.error();
      m_created = created.ok();
      return m_created ? 0 : -1;
    }
    case WM_ACTIVATE:
      m_keys.OnActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      m_keys.OnSetFocus();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NEXTDLGCTL:
      m_keys.OnNextDlgCtl(wParam, lParam);
      return 0;
    case WM_SYSCOMMAND:
      if (const int command = KeepACopy::CommandOf(wParam)) {
        OnKeepACopy(command);
        return 0;
      }
      break;
    case kWmDpiChanged:
      OnDpiChanged(wParam, lParam);
      return 0;
    case StartCheck::kDone:
      // A check given up for a new one may still have said it was done.
      if (m_accepting && m_startCheck.Done()) OnStartChecked();
      return 0;
    case WM_TIMER:
      if (m_startCheck.OnTimer(wParam)) return 0;
      break;
    case WM_SETCURSOR:
      if (m_startCheck.OnSetCursor()) return TRUE;
      break;
    case WM_CLOSE:
      // Closing while the acceptance runs would end the program before it is done, and while a
      // copy is made, pull the window from under it.
      if (!m_accepting && !m_keepingACopy) Unload(kExitDeclined);
      return 0;
    case WM_DESTROY:
      // A window that failed while it was made ends nothing: a pending WM_QUIT would close the
      // report of that failure as soon as it showed.
      if (m_created) ::PostQuitMessage(m_exitCode);
      return 0;
  }
  return ::DefWindowProcW(m_hwnd, message, wParam, lParam);
}

std::optional<LRESULT> Form1::OnColourMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOLORCHANGE:
      PassColourChangeOn(m_hwnd);
      OnColoursChanged();
      return 0;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETHIGHCONTRAST ||
          (lParam &&
           std::wcscmp(reinterpret_cast<const wchar_t*>(lParam), L"ImmersiveColorSet") == 0)) {
        OnColoursChanged();
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (const HBRUSH brush = m_colours.ControlColours(message, reinterpret_cast<HDC>(wParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      return std::nullopt;
    case WM_ERASEBKGND:
      if (m_colours.EraseBackground(m_hwnd, reinterpret_cast<HDC>(wParam))) return 1;
      return std::nullopt;
  }
  return std::nullopt;
}

void Form1::OnColoursChanged() {
  if (m_colours.Decide()) m_colours.Apply(m_hwnd, m_text1, true);
}

void Form1::OnCommand(int id) {
  if (m_zoom.OnCommand(id)) return m_text1.Zoom(m_dpi, m_zoom.Percent());
  // Enter on a focused button presses it; elsewhere it does nothing.
  if (id == IDOK) id = DialogKeys::EnterPresses();
  // Once accepted, the answer stands: nothing else is pressed until the acceptance has ended.
  if (m_accepting) return;
  // As when the C++ runtime gives up while the window is open.
  if (id == kCmdCancel && PlantedFault(L"terminate")) std::terminate();
  if (id == kCmdCancel) Unload(kExitDeclined);
  if (id == kCmdAccept) OnAccept();
  if (id == IDM_PRINT || id == IDM_SAVE) OnKeepACopy(id);
}

void Form1::OnKeepACopy(int command) {
  // Once accepted, the window is on its way out; one copy at a time.
  if (m_accepting || m_keepingACopy) return;
  m_keepingACopy = true;
  const Status kept = m_copy.Run(command);
  m_keepingACopy = false;
  // The agreement still waits for an answer.
  if (!kept.ok()) Report(kept.error());
}

void Form1::OnAccept() {
  m_accepting = true;
  // The shell, and the report of a failure, pump messages while they run; a disabled window
  // takes no clicks or keys from the user meanwhile.
  ::EnableWindow(m_hwnd, FALSE);
  m_platform.SetOwner(m_hwnd);
  // The answer was given to this disc's licence: another disc swapped in meanwhile starts nothing.
  if (m_disc) {
    const Status same = SameDiscAsAtStart(m_platform, *m_disc);
    if (!same.ok()) return EndAccepting(same);
  }
  if (!m_licence.seal) return EndAccepting(Accept(m_platform));
  if (m_startCheck.Done()) return OnStartChecked();
  m_startCheck.ShowWaiting(::GetDlgItem(m_hwnd, kLabel1),
                           Widen((*m_licence.language)[&UiTextRow::checkingDisc]));
}

void Form1::OnStartChecked() {
  Result<CheckedStart> checked = m_startCheck.Take();
  if (checked.ok())
    return EndAccepting(StartChecked(m_platform, m_folder, std::move(checked.value())));
  // A dirty disc may read the next time; nothing else is tried again.
  if (!ReportError(m_hwnd, checked.error(), *m_reportLanguage, m_product)) {
    return Unload(kExitFailed);
  }
  m_startCheck.Begin(m_hwnd, m_platform, m_folder, m_licence.seal);
  m_startCheck.ShowWaiting(::GetDlgItem(m_hwnd, kLabel1),
                           Widen((*m_licence.language)[&UiTextRow::checkingDisc]));
}

void Form1::EndAccepting(const Status& accepted) {
  if (!accepted.ok()) {
    Report(accepted.error());
    Unload(kExitFailed);
    return;
  }
  Unload(kExitAccepted);
}

void Form1::Report(const Error& error) { ReportError(m_hwnd, error, *m_reportLanguage, m_product); }

void Form1::Unload(int exitCode) {
  m_exitCode = exitCode;
  if (m_hwnd) ::DestroyWindow(m_hwnd);
}

}  // namespace discgate
