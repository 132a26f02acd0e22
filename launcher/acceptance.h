#pragma once

#include "platform/platform.h"

namespace discgate {

// What accepting the agreement does: starts the disc's content from the program's own folder.
// Every failure, running out of memory among them, comes back as an Error for the window to report.
Status Accept(Platform& platform);

}  // namespace discgate
