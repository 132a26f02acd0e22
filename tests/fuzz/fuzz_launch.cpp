// Any folder listing, browser path and program folder: the choice is the first name Windows could
// have made that passes a rule, and the browser, splitting its command line as its C runtime does,
// receives exactly its prefix's words and then the page's path as one argument, unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/browser_args.h"
#include "launcher/paths.h"
#include "launcher/selection.h"
#include "tests/unit/crt_command_line.h"

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

// A folder path as Windows reports it: no control characters and none of " < > | * ?.
bool IsWindowsFolder(std::string_view folder) {
  for (const char c : folder) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("\"<>|*?").find(c) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

std::vector<std::string> Words(std::string_view prefix) {
  std::vector<std::string> words;
  for (const std::string& word : Split(prefix, ' ')) {
    if (!word.empty()) words.push_back(word);
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace discgate;
  // Input: names separated by LF, a NUL, then a browser path, a NUL, then the program's folder.
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> fields = Split(input, '\0');
  const std::vector<std::string> names = Split(fields[0], '\n');
  const std::string browser = fields.size() > 1 ? fields[1] : "";
  const std::string folder = fields.size() > 2 ? fields[2] : "";

  const auto choice = ChooseContent(names);
  const std::string* expected = nullptr;
  for (const std::string& name : names) {
    if (IsWindowsFileName(name) && (IsIndexPage(name) || IsSplashProgram(name))) {
      expected = &name;
      break;
    }
  }
  Require(choice.has_value() == (expected != nullptr));
  if (!choice) return 0;
  Require(choice->name == *expected);
  Require((choice->kind == ContentKind::IndexPage) == IsIndexPage(*expected));

  const std::string page = JoinPath(folder, choice->name);
  Require(page.size() >= folder.size() + choice->name.size());
  Require(page.compare(page.size() - choice->name.size(), choice->name.size(), choice->name) == 0);
  if (!IsWindowsFolder(folder) || choice->kind != ContentKind::IndexPage) return 0;

  std::vector<std::string> arguments{""};
  for (std::string& word : Words(GetBrowserArgs(browser))) arguments.push_back(std::move(word));
  arguments.push_back(page);
  Require(testing::SplitLikeTheCRuntime(BrowserCommandLine(browser, page)) == arguments);
  return 0;
}
