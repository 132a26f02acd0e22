#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "app/exit_codes.h"
#include "app/text_zoom.h"
#include "launcher/licence_loader.h"
#include "launcher/ui_texts.h"
#include "platform/platform_win.h"
#include "platform/result.h"
#include "platform/unique_handle.h"

namespace discgate {

// The agreement window: the licence in a text box, and a button each to decline and to accept.
// The program lives as long as this window. It shows and forwards; the decisions are the
// launcher's (LoadLicenceAtStart, Accept).
//
// It is a plain window that does the few things a dialog box would: it remembers the focused
// control, moves the focus on WM_NEXTDLGCTL, and lets Enter press a focused button. Esc does
// nothing: neither button is a cancel button.
class Form1 {
 public:
  // `product` is what the captions name.
  Form1(HINSTANCE instance, std::string product)
      : m_instance(instance), m_product(std::move(product)) {}
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Loads the licence, shows the window and runs until it is gone. Returns the exit code.
  int Run(int showCommand);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  Status Create(Licence licence);
  Status RegisterWindowClass();
  bool OnCreate();
  Status CreateControls();
  void ApplyDpi(int dpi);
  UniqueFont Text1Font(int dpi) const;  // at the zoom the reader chose
  // Gives Text1 the zoom the reader chose at the window's DPI.
  void ZoomText1();
  void OnSysColorChange();
  // Lays the window out for a DPI and gives it the frame it has there.
  void MoveToDpi(int dpi, const RECT& frame);
  void OnDpiChanged(WPARAM wParam, LPARAM lParam);
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  void OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
  void OnCommand(int id);
  void OnButton(int id);
  void OnAccept();
  void Fail(const Error& error);
  void Report(const Error& error);
  void Unload(int exitCode);

  HINSTANCE m_instance;
  std::string m_product;
  HWND m_hwnd = nullptr;
  HWND m_text1 = nullptr;
  HWND m_focus = nullptr;  // the control to give the focus back to when the window is activated
  int m_dpi = 96;          // of the monitor the window is on
  UniqueFont m_messageFont;
  UniqueFont m_text1Font;
  TextZoom m_zoom;
  WinPlatform m_platform;
  const UiLanguage* m_language = &English();        // of the window's texts
  const UiLanguage* m_reportLanguage = &English();  // of reports: the user's
  bool m_licenceRtf = false;                        // shown formatted, in a rich-edit control
  bool m_rightToLeft = false;  // the licence reads right to left, so the window is mirrored
  std::string m_licenceText;   // only until Text1 holds it
  std::string m_licencePath;
  std::optional<Error> m_createError;  // why WM_CREATE failed
  int m_exitCode = kExitDeclined;
  bool m_created = false;  // WM_CREATE succeeded: the window's end is the program's
  bool m_accepting = false;
};

}  // namespace discgate
