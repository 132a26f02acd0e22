#include "app/form1_controls.h"

#include <string>

#include "app/planted_fault.h"
#include "app/resource.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {

Status RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  const auto icon = [instance](int metricX, int metricY) {
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_DISCGATE), IMAGE_ICON,
                                           ::GetSystemMetrics(metricX), ::GetSystemMetrics(metricY),
                                           LR_SHARED));
  };
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  windowClass.hIcon = icon(SM_CXICON, SM_CYICON);
  windowClass.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
  if (!::RegisterClassExW(&windowClass)) return WithAction(LastError(), Action::CreateWindow);
  return {};
}

// In a mirrored window left and right trade meanings: English texts there need the reverse
// reading order to keep their full stops at the end.
Status CreateControl(HWND parent, HINSTANCE instance, const ControlLayout& control,
                     const Licence& licence, int dpi) {
  const bool button = control.kind == ControlKind::Button;
  DWORD exStyle = 0;
  if (licence.rightToLeft && !licence.language->RightToLeft()) exStyle |= WS_EX_RTLREADING;
  const DWORD style = WS_CHILD | (control.visible ? WS_VISIBLE : 0) |
                      (button ? WS_TABSTOP | BS_PUSHBUTTON : SS_LEFT | SS_NOPREFIX);
  // A notice has one button, Continue, in the place of I accept: nothing else to answer.
  if (licence.notice && !control.onNotice) return {};
  const UiText shown = licence.notice && control.noticeText ? control.noticeText : control.text;
  const std::wstring text = shown ? Widen((*licence.language)[shown]) : control.fixedText;
  const PixelRect rect = ControlRect(control, dpi);
  const HWND child = ::CreateWindowExW(exStyle, button ? L"BUTTON" : L"STATIC", text.c_str(), style,
                                       rect.left, rect.top, rect.width, rect.height, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                       instance, nullptr);
  // As when the system has run out of window handles.
  if (control.id == kLblLanguagePath && PlantedFault(L"control")) {
    ::DestroyWindow(child);
    ::SetLastError(ERROR_NO_MORE_USER_HANDLES);
    return LastError();
  }
  if (!child) return LastError();
  return {};
}

}  // namespace discgate
