#include "app/error_report.h"

#include "launcher/report_text.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {

UINT MessageBoxOptions(const UiLanguage& language) {
  return MB_OK | MB_ICONERROR | MB_SETFOREGROUND |
         (language.rightToLeft ? MB_RIGHT | MB_RTLREADING : 0);
}

void ReportError(HWND owner, const Error& error, const UiLanguage& language,
                 std::string_view product) {
  Error shown = error;
  // The decisions name the error; its description is the system's, in the user's language.
  if (shown.description.empty()) shown.description = SystemError(shown.code).description;
  ::MessageBoxW(owner, Widen(ReportText(shown, language)).c_str(),
                Widen(CaptionText(language, product)).c_str(), MessageBoxOptions(language));
}

}  // namespace discgate
