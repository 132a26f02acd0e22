#pragma once

#include <windows.h>

#include <string>

#include "launcher/ui_texts.h"
#include "platform/unique_handle.h"

namespace discgate {

// While the licence prints: the window it was asked from takes no input, and a small window of
// its own says which page goes to the printer, with a Cancel button the keyboard reaches (Tab,
// Enter, Esc) as in any dialog. Laying out the pages and the printer's spooling ask it whether
// to go on, often; each asking lets the windows' messages through, so both keep painting.
class PrintProgress {
 public:
  PrintProgress(HWND owner, HDC printer, const std::wstring& caption, const UiLanguage& language);
  ~PrintProgress();
  PrintProgress(const PrintProgress&) = delete;
  PrintProgress& operator=(const PrintProgress&) = delete;

  // False once the user has cancelled.
  bool KeepGoing();
  void ShowPage(int page, int pages);

 private:
  static BOOL CALLBACK AbortProc(HDC printer, int error);
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void LetMessagesThrough();

  HWND m_owner;
  const UiLanguage& m_language;
  UniqueWindow m_dialog;
  DWORD m_lastLetThrough = 0;
  bool m_cancelled = false;
};

}  // namespace discgate
