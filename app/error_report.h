#pragma once

#include <windows.h>

#include <string_view>

#include "launcher/ui_texts.h"
#include "platform/result.h"

namespace discgate {

// The one place a failure reaches the user: a message box with what could not be done, the
// Windows error number and the system's description of it, in the given language, under the
// caption that names the product.
bool ReportError(HWND owner, const Error& error, const UiLanguage& language,
                 std::string_view product);

// Words the report of an unrecoverable error in the user's language. Called once at start, as
// nothing may allocate when that report is made.
void PrepareTerminateReport(const UiLanguage& language, std::string_view product);

// The options every message box of the program has: right-to-left reading for Arabic and Hebrew,
// and modal to the whole thread when it has no owner window.
UINT MessageBoxOptions(const UiLanguage& language, HWND owner);

}  // namespace discgate
