#pragma once

#include "platform/result.h"

namespace discgate {

// Reported when memory runs out. Built without allocating; the description is the system's,
// filled in where the error is shown.
inline Error OutOfMemory() { return Error{kErrorNotEnoughMemory, {}, Action::GoOn, {}}; }

}  // namespace discgate
