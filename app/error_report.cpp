#include "app/error_report.h"

#include <string>

#include "app/form1_layout.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {

void ReportError(HWND owner, const Error& error) {
  const std::string description =
      error.description.empty() ? SystemError(error.code).description : error.description;
  std::wstring text = Widen(error.action);
  if (!text.empty()) text += L"\r\n\r\n";
  // Error 0 would read as "the operation completed successfully": only the reason is shown.
  text += Widen(error.code == 0 ? description
                                : "Error " + std::to_string(error.code) + ": " + description);
  ::MessageBoxW(owner, text.c_str(), kForm1Caption, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace discgate
