#pragma once

#include <windows.h>

#include "platform/result.h"

namespace discgate {

// The error with the system's own message for a Windows error number.
Error SystemError(DWORD code);
// The calling thread's last error; call it on the line right after the failing call.
Error LastError();

}  // namespace discgate
