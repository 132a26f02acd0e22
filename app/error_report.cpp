#include "app/error_report.h"

#include <string>

#include "app/form1_layout.h"
#include "platform/text_win.h"

namespace discgate {

void ReportError(HWND owner, const Error& error) {
  std::wstring text = Widen(error.action);
  if (!text.empty()) text += L"\r\n\r\n";
  text += Widen("Error " + std::to_string(error.code) + ": " + error.description);
  ::MessageBoxW(owner, text.c_str(), kForm1Caption, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace discgate
