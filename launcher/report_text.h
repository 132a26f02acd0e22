#pragma once

#include <string>

#include "platform/result.h"

namespace discgate {

// What the report of a failure says: what could not be done, then the Windows error number and
// its description. Error 0 would read "the operation completed successfully", so for it only the
// description is given.
std::string ReportText(const Error& error);

}  // namespace discgate
