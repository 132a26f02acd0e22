#pragma once

#include <windows.h>

#include <string_view>

#include "platform/result.h"

namespace discgate {

// The error with the system's own message for a Windows error number, its inserts unfilled, and
// `subject` (a file's path) as the error's subject, which the report puts in for them, as in
// "Bad EXE format for %1.". Error 0 means the system gave no reason; it is reported as a failure
// all the same.
Error SystemError(DWORD code, std::string_view subject = {});
// The calling thread's last error; call it on the line right after the failing call.
Error LastError(std::string_view subject = {});

}  // namespace discgate
