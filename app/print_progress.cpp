#include "app/print_progress.h"

#include "app/resource.h"
#include "platform/text_win.h"

namespace discgate {
namespace {

// Often enough that Cancel answers at once, seldom enough to cost nothing while pages are laid out.
constexpr DWORD kLetThroughMs = 50;

// The printer's abort procedure takes no pointer of its own: the one print under way, on the
// window's thread.
PrintProgress* g_printing = nullptr;

}  // namespace

PrintProgress::PrintProgress(HWND owner, HDC printer, const std::wstring& caption,
                             const UiLanguage& language)
    : m_owner(owner), m_language(language) {
  ::EnableWindow(m_owner, FALSE);
  m_dialog.reset(::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PRINTING),
                                      owner, DialogProc, reinterpret_cast<LPARAM>(this)));
  if (m_dialog) {
    ::SetWindowTextW(m_dialog.get(), caption.c_str());
    ::SetDlgItemTextW(m_dialog.get(), IDCANCEL, Widen(language[&UiTextRow::cancelButton]).c_str());
  }
  g_printing = this;
  ::SetAbortProc(printer, AbortProc);
}

PrintProgress::~PrintProgress() {
  g_printing = nullptr;
  // Enabled before the progress window goes, so that the activation returns to it.
  ::EnableWindow(m_owner, TRUE);
}

bool PrintProgress::KeepGoing() {
  if (::GetTickCount() - m_lastLetThrough >= kLetThroughMs) LetMessagesThrough();
  return !m_cancelled;
}

void PrintProgress::ShowPage(int page, int pages) {
  if (!m_dialog) return;
  const std::string text =
      Format(m_language[&UiTextRow::printingPage], std::to_string(page), std::to_string(pages));
  ::SetDlgItemTextW(m_dialog.get(), IDC_PRINTING_PAGE, Widen(text).c_str());
  LetMessagesThrough();
}

void PrintProgress::LetMessagesThrough() {
  m_lastLetThrough = ::GetTickCount();
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // For the window's own loop, once the print has stopped.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      m_cancelled = true;
      return;
    }
    if (m_dialog && ::IsDialogMessageW(m_dialog.get(), &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

BOOL CALLBACK PrintProgress::AbortProc(HDC /*printer*/, int /*error*/) {
  return g_printing && g_printing->KeepGoing();
}

INT_PTR CALLBACK PrintProgress::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    return TRUE;
  }
  // Cancel, Esc, Enter on the button, and the close box.
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    if (auto* self = reinterpret_cast<PrintProgress*>(::GetWindowLongPtrW(dialog, DWLP_USER))) {
      self->m_cancelled = true;
    }
    ::EnableWindow(::GetDlgItem(dialog, IDCANCEL), FALSE);
    return TRUE;
  }
  return FALSE;
}

}  // namespace discgate
