#pragma once

#include <windows.h>

#include "app/licence_view.h"
#include "launcher/licence_loader.h"
#include "launcher/ui_texts.h"
#include "platform/platform_win.h"
#include "platform/result.h"

namespace discgate {

// Print and Save a copy: two commands at the end of the window's system menu (the icon,
// Alt+Space, a right-click on the caption), also as Ctrl+P and Ctrl+S wherever the focus is.
// What is printed or saved is the licence as it was shown at start, never what the reader typed
// into the box.
class KeepACopy {
 public:
  enum class Command { None, Print, Save };

  static void AddToMenu(HWND window, const UiLanguage& language);
  // The command of a system-menu choice (WM_SYSCOMMAND) or of a shortcut key in the window;
  // a shortcut is taken from the message loop, so it never reaches the text box as a character.
  static Command OfMenu(WPARAM systemCommand);
  static Command OfKey(HWND window, const MSG& message);

  // Each asks with the common dialog, owned by the window; cancelling does nothing. A failure
  // comes back to be reported; the window stays.
  static Status Print(HWND window, const LicenceView& view, const Licence& licence,
                      WinPlatform& platform, const std::wstring& caption);
  static Status Save(HWND window, const LicenceView& view, const Licence& licence,
                     WinPlatform& platform);
};

}  // namespace discgate
