#include "app/error_report.h"

#include "launcher/report_text.h"
#include "platform/error_win.h"
#include "platform/text_win.h"

namespace discgate {
namespace {

// Directional isolates came with Unicode 6.3, which Windows follows from 8.1 (version 6.3) on;
// older systems show them as boxes, so they get the embedding that Windows has always known.
Isolation IsolationOfThisSystem() {
  OSVERSIONINFOEXW wanted{};
  wanted.dwOSVersionInfoSize = sizeof wanted;
  wanted.dwMajorVersion = 6;
  wanted.dwMinorVersion = 3;
  const DWORDLONG condition =
      ::VerSetConditionMask(::VerSetConditionMask(0, VER_MAJORVERSION, VER_GREATER_EQUAL),
                            VER_MINORVERSION, VER_GREATER_EQUAL);
  return ::VerifyVersionInfoW(&wanted, VER_MAJORVERSION | VER_MINORVERSION, condition)
             ? Isolation::Isolate
             : Isolation::Embedding;
}

}  // namespace

UINT MessageBoxOptions(const UiLanguage& language, HWND owner) {
  // A box without an owner window disables every window of the thread while it shows, so nothing
  // can be pressed after the program said it cannot go on.
  return MB_OK | MB_ICONERROR | MB_SETFOREGROUND | (owner ? 0 : MB_TASKMODAL) |
         (language.RightToLeft() ? MB_RIGHT | MB_RTLREADING : 0);
}

bool ReportError(HWND owner, const Error& error, const UiLanguage& language,
                 std::string_view product) {
  Error shown = error;
  // The decisions name the error; its description is the system's, in the user's language.
  if (shown.description.empty()) shown.description = SystemError(shown.code).description;
  UINT options = MessageBoxOptions(language, owner);
  if (error.action == Action::FileUnreadable) {
    options = (options & ~(MB_TYPEMASK | MB_ICONMASK)) | MB_RETRYCANCEL | MB_ICONWARNING;
  }
  return ::MessageBoxW(owner, Widen(ReportText(shown, language, IsolationOfThisSystem())).c_str(),
                       Widen(CaptionText(language, product)).c_str(), options) == IDRETRY;
}

}  // namespace discgate
