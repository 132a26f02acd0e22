// Any folder listing and program folder: what accepting starts passes a rule and no name before
// it in the listing does, and the page's path ends with the chosen name.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/paths.h"
#include "launcher/selection.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// One rule or the other, for a name Windows could have made.
bool Starts(const std::string& name) {
  using namespace discgate;
  return IsWindowsFileName(name) && (IsIndexPage(name) || IsSplashProgram(name));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace discgate;
  // Input: names separated by LF, a NUL, then the program's folder.
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> fields = Split(input, '\0');
  const std::vector<std::string> names = Split(fields[0], '\n');
  const std::string folder = fields.size() > 1 ? fields[1] : "";

  const auto choice = ChooseContent(names);
  if (!choice) {
    Require(std::none_of(names.begin(), names.end(), Starts));
    return 0;
  }
  const auto chosen = std::find(names.begin(), names.end(), choice->name);
  Require(chosen != names.end() && Starts(*chosen));
  Require(std::none_of(names.begin(), chosen, Starts));
  Require((choice->kind == ContentKind::IndexPage) == IsIndexPage(choice->name));

  const std::string page = JoinPath(folder, choice->name);
  Require(page.size() >= folder.size() + choice->name.size());
  Require(page.compare(page.size() - choice->name.size(), choice->name.size(), choice->name) == 0);
  return 0;
}
