#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace discgate {

// The name of the object that marks the window of the program at `programPath` in this session:
// one per folder, whatever the case of its letters, and per disc: the program file's identity
// (its volume's serial number and its index there) is part of it, so a disc swapped into the same
// drive gets a name of its own. Short enough for any Windows. Another program can take the name
// too; it then only makes a new start look for a window, which it checks before it defers to it.
std::string OneWindowName(std::string_view programPath, const FileIdentity& identity = {});

// What the window of the program file with this identity answers when asked to come to the
// front: a start defers only to the window of its own disc. Never 0, which a window that does not
// know the question answers.
std::uint32_t OneWindowAnswer(const FileIdentity& identity);

// Whether the program's disc is still the one it was at start: refused with Action::DiscChanged,
// once the licence was agreed to, when another volume is in the drive or another file stands at
// the program's path.
Status SameDiscAsAtStart(Platform& platform, const FileIdentity& atStart);

// Whether two full paths name the same program file, as Windows compares names.
bool SameProgram(std::string_view path, std::string_view other);

}  // namespace discgate
