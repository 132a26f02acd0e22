#pragma once

#include <windows.h>

#include "platform/result.h"

namespace discgate {

// The one place a failure reaches the user: a message box with what could not be done, the
// Windows error number and the system's description of it.
void ReportError(HWND owner, const Error& error);

}  // namespace discgate
