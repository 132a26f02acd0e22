#include "launcher/selection.h"

#include "launcher/licence_text.h"

namespace discgate {

bool IsIndexPage(std::string_view name) {
  const std::string_view start = name.substr(0, 5);
  return start == "index" || start == "Index";
}

bool IsSplashProgram(std::string_view name) { return name == "splash.exe"; }

bool IsWindowsFileName(std::string_view name) {
  if (!IsValidUtf8(name)) return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("\"<>|*?:/\\").find(c) != std::string_view::npos) return false;
  }
  return !name.empty();
}

std::optional<ContentChoice> ChooseContent(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (!IsWindowsFileName(name)) continue;
    if (IsIndexPage(name)) return ContentChoice{ContentKind::IndexPage, name};
    if (IsSplashProgram(name)) return ContentChoice{ContentKind::SplashProgram, name};
  }
  return std::nullopt;
}

}  // namespace discgate
