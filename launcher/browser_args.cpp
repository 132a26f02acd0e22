#include "launcher/browser_args.h"

#include <array>

#include "launcher/ascii.h"

namespace discgate {
namespace {

struct BrowserPrefix {
  std::string_view program;
  std::string_view prefix;
};

// Tried in this order against the lower-cased path; the first program found decides.
constexpr std::array<BrowserPrefix, 3> kPrefixes{{
    {"iexplore.exe", " -nohome "},
    {"netscape.exe", " "},
    {"netscp.exe", " -url "},
}};
constexpr std::string_view kDefaultPrefix = " ";

}  // namespace

std::string_view GetBrowserArgs(std::string_view browserPath) {
  const std::string lower = ToLowerAscii(browserPath);
  for (const BrowserPrefix& entry : kPrefixes) {
    if (lower.find(entry.program) != std::string::npos) return entry.prefix;
  }
  return kDefaultPrefix;
}

std::string BrowserCommandLine(std::string_view browserPath, std::string_view page) {
  std::string commandLine(GetBrowserArgs(browserPath));
  // Unquoted, a path with a blank reaches the browser as several arguments. Windows paths cannot
  // hold a double quote, so wrapping in quotes needs no escaping.
  if (page.find_first_of(" \t") != std::string_view::npos) {
    commandLine += '"';
    commandLine += page;
    commandLine += '"';
  } else {
    commandLine += page;
  }
  return commandLine;
}

}  // namespace discgate
