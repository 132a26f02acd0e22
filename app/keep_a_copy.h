#pragma once

#include <windows.h>

#include <string>

#include "app/licence_view.h"
#include "launcher/ui_texts.h"
#include "platform/platform_win.h"
#include "platform/result.h"

namespace discgate {

// Print and Save a copy: two commands at the end of the window's system menu (the icon,
// Alt+Space, a right-click on the caption), also as Ctrl+P and Ctrl+S. It asks with the common
// dialogs, owned by the window, and the licence box for what to print or save.
class KeepACopy {
 public:
  explicit KeepACopy(const LicenceView& view) : m_view(view) {}

  void Attach(HWND window, const UiLanguage& language);
  // The command of a window-menu choice (WM_SYSCOMMAND) or a key's (WM_COMMAND); 0 for another.
  static int CommandOf(WPARAM command);
  // Runs IDM_PRINT or IDM_SAVE. Cancelling does nothing; a failure comes back to be reported,
  // and the window stays.
  Status Run(int command);

 private:
  Status Print();
  Status Save();

  const LicenceView& m_view;
  HWND m_window = nullptr;
  const UiLanguage* m_language = nullptr;
};

}  // namespace discgate
