#pragma once

#include <string>
#include <string_view>

namespace discgate {

// The name of the object that marks the window of the program at `programPath` in this session:
// one per folder, whatever the case of its letters, and short enough for any Windows. Another
// program can take the name too; it then only makes a new start look for a window, which it
// checks before it defers to it.
std::string OneWindowName(std::string_view programPath);

// Whether two full paths name the same program file, as Windows compares names.
bool SameProgram(std::string_view path, std::string_view other);

}  // namespace discgate
