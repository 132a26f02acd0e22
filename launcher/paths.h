#pragma once

#include <string>
#include <string_view>

namespace discgate {

// Folder and name joined by exactly one separator: E:\ + index.htm is E:\index.htm, and
// E:\setup + index.htm is E:\setup\index.htm.
std::string JoinPath(std::string_view folder, std::string_view name);

// The folder that holds a file, without a trailing separator except at a drive root (E:\).
std::string FolderOf(std::string_view filePath);

}  // namespace discgate
