#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/dialog_keys.h"
#include "app/exit_codes.h"
#include "app/keep_a_copy.h"
#include "app/licence_view.h"
#include "app/start_check.h"
#include "app/text_zoom.h"
#include "app/window_colours.h"
#include "launcher/licence_loader.h"
#include "launcher/ui_texts.h"
#include "platform/platform_win.h"
#include "platform/result.h"
#include "platform/unique_handle.h"

namespace discgate {

// The agreement window: the licence in a text box, and a button each to decline and to accept.
// The program lives as long as this window. It routes messages and forwards the answer; the
// licence box, the dialog keys and the zoom are rooms of their own, and the decisions are the
// launcher's (Accept).
class Form1 {
 public:
  // `product` is what the captions name; reports speak `reportLanguage`, the user's.
  // `disc` is the program file's identity when the licence was read, if it could be known.
  Form1(HINSTANCE instance, std::string product, WinPlatform& platform,
        const UiLanguage& reportLanguage, std::optional<FileIdentity> disc)
      : m_instance(instance),
        m_product(std::move(product)),
        m_platform(platform),
        m_reportLanguage(&reportLanguage),
        m_disc(disc) {}
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Shows the window with the licence and runs until it is gone. Returns the exit code.
  int Run(Licence licence, int showCommand);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  Status Create();
  Status OnCreate();
  void ApplyDpi(int dpi);
  // Lays the window out for a DPI and gives it the frame it has there.
  void MoveToDpi(int dpi, const RECT& frame);
  void OnDpiChanged(WPARAM wParam, LPARAM lParam);
  // The messages of the window's colours, answered; none for another message.
  std::optional<LRESULT> OnColourMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Dark mode or high contrast turned on or off while the window shows.
  void OnColoursChanged();
  void OnCommand(int id);
  void OnKeepACopy(int command);
  void OnAccept();
  // A sealed disc: starts what the check found, once it is done.
  void OnStartChecked();
  void EndAccepting(const Status& accepted);
  void Report(const Error& error);
  void Unload(int exitCode);

  HINSTANCE m_instance;
  std::string m_product;
  WinPlatform& m_platform;
  const UiLanguage* m_reportLanguage;
  std::optional<FileIdentity> m_disc;
  Licence m_licence;  // its text only until Text1 holds it
  HWND m_hwnd = nullptr;
  int m_dpi = 96;  // of the monitor the window is on
  UniqueFont m_messageFont;
  LicenceView m_text1{m_platform};
  KeepACopy m_copy{m_text1};
  DialogKeys m_keys;
  TextZoom m_zoom;
  WindowColours m_colours;
  StartCheck m_startCheck;             // on a sealed disc only
  std::string m_folder;                // the program's, which a sealed disc's start is checked in
  std::optional<Error> m_createError;  // why WM_CREATE failed
  int m_exitCode = kExitDeclined;
  bool m_created = false;  // WM_CREATE succeeded: the window's end is the program's
  bool m_accepting = false;
  bool m_keepingACopy = false;  // the window waits for a copy's dialogs or printing to end
};

}  // namespace discgate
