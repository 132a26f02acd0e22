#pragma once

#include <string>

#include "platform/platform.h"

namespace discgate {

// The folder that holds the program file, as the start and the acceptance both need it; a path
// that cannot be found is an error, never an empty folder.
Result<std::string> ProgramFolder(Platform& platform);

}  // namespace discgate
