#include "app/error_report.h"

#include "app/form1_layout.h"
#include "launcher/report_text.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {

void ReportError(HWND owner, const Error& error) {
  Error shown = error;
  // The decisions name the error; its description is the system's, in the user's language.
  if (shown.description.empty()) shown.description = SystemError(shown.code).description;
  ::MessageBoxW(owner, Widen(ReportText(shown)).c_str(), kForm1Caption,
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace discgate
