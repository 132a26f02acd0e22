#pragma once

#include "platform/result.h"

namespace discgate {

// Reported when memory runs out. Built without allocating beyond what a short text needs; the
// description is the system's, filled in where the error is shown.
inline Error OutOfMemory() {
  return Error{kErrorNotEnoughMemory, {}, "There is not enough memory to go on."};
}

}  // namespace discgate
