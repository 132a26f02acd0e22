#pragma once

#include <string>
#include <string_view>

namespace discgate {

// The argument prefix a browser gets before the page, chosen by the browser's file name.
std::string_view GetBrowserArgs(std::string_view browserPath);

// The browser's command line: its prefix, then the page's path, quoted when it holds blanks.
// The command line does not begin with the browser's own name; the browser is named separately.
std::string BrowserCommandLine(std::string_view browserPath, std::string_view page);

}  // namespace discgate
