// Any folder listing, browser path and page: the choice is the first name that passes a rule, the
// command line is the browser's prefix and then the page whole (quoted when it holds blanks), and
// joining never loses or doubles a separator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/browser_args.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace discgate;
  // Input: names separated by LF, a NUL, then a browser path, a NUL, then the page.
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> fields = Split(input, '\0');
  const std::vector<std::string> names = Split(fields[0], '\n');
  const std::string browser = fields.size() > 1 ? fields[1] : "";
  const std::string page = fields.size() > 2 ? fields[2] : "";

  const auto choice = ChooseContent(names);
  for (const std::string& name : names) {
    if (IsIndexPage(name) || IsSplashProgram(name)) {
      Require(choice && choice->name == name);
      Require((choice->kind == ContentKind::IndexPage) == IsIndexPage(name));
      break;
    }
  }
  if (!choice) {
    for (const std::string& name : names) Require(!IsIndexPage(name) && !IsSplashProgram(name));
  }

  const std::string_view prefix = GetBrowserArgs(browser);
  const std::string commandLine = BrowserCommandLine(browser, page);
  Require(commandLine.compare(0, prefix.size(), prefix) == 0);
  const std::string_view rest = std::string_view(commandLine).substr(prefix.size());
  const bool blanks = page.find_first_of(" \t") != std::string::npos;
  Require(rest == (blanks ? "\"" + page + "\"" : page));

  const std::string joined = JoinPath(page, browser);
  Require(joined.size() >= page.size() + browser.size());
  Require(joined.compare(0, page.size(), page) == 0);
  Require(joined.compare(joined.size() - browser.size(), browser.size(), browser) == 0);
  return 0;
}
