#include "launcher/paths.h"

namespace discgate {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && !IsSeparator(path.back())) path += '\\';
  path += name;
  return path;
}

std::string FolderOf(std::string_view filePath) {
  const auto separator = filePath.find_last_of("\\/");
  if (separator == std::string_view::npos) return {};
  std::string_view folder = filePath.substr(0, separator);
  // "E:" alone names the drive's current directory, not its root.
  if (folder.size() == 2 && folder[1] == ':') folder = filePath.substr(0, separator + 1);
  return std::string(folder);
}

}  // namespace discgate
