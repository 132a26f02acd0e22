#include "launcher/selection.h"

namespace discgate {

bool IsIndexPage(std::string_view name) {
  const std::string_view start = name.substr(0, 5);
  return start == "index" || start == "Index";
}

bool IsSplashProgram(std::string_view name) { return name == "splash.exe"; }

std::optional<ContentChoice> ChooseContent(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (IsIndexPage(name)) return ContentChoice{ContentKind::IndexPage, name};
    if (IsSplashProgram(name)) return ContentChoice{ContentKind::SplashProgram, name};
  }
  return std::nullopt;
}

}  // namespace discgate
