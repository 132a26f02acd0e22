// The browser's command line as Windows itself splits it (CommandLineToArgvW, as a browser's C
// runtime does), for every browser prefix and pages whose folders and names hold blanks, tabs,
// backslashes before a blank, shell punctuation and letters beyond ASCII. The browser must
// receive its prefix's words and then the page as one argument, unchanged; the command line
// begins with a blank, so the program name it sees is empty. Prints each mismatch; exit 1 if any.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "launcher/browser_args.h"
#include "launcher/paths.h"
#include "tests/e2e/records.h"

namespace {

std::wstring Wide(const std::string& utf8) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::vector<std::string> SplitByWindows(const std::string& commandLine) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(Wide(commandLine).c_str(), &count);
  std::vector<std::string> split;
  for (int i = 0; arguments && i < count; ++i) split.push_back(Utf8(arguments[i]));
  LocalFree(arguments);
  return split;
}

}  // namespace

int wmain() {
  const struct {
    const char* browser;
    std::vector<std::string> words;
  } browsers[] = {{"C:\\IE\\IEXPLORE.EXE", {"-nohome"}},
                  {"C:\\NETSCAPE.EXE", {}},
                  {"C:\\netscp.exe", {"-url"}},
                  {"C:\\Firefox\\firefox.exe", {}}};
  const char* folders[] = {"E:\\",
                           "E:\\setup",
                           "E:\\My Disc",
                           "\\\\server\\share\\a b\\",
                           "E:\\a\\\\ b\\",
                           "E:\\tab\there",
                           "E:\\& ^%!',;=()[]{}~ \xC3\x9C"};
  const char* names[] = {"index.htm", "index \xC3\xBC.htm", "Index", "index  two.htm"};
  int mismatches = 0;
  for (const auto& browser : browsers) {
    for (const char* folder : folders) {
      for (const char* name : names) {
        const std::string page = discgate::JoinPath(folder, name);
        std::vector<std::string> expected{""};
        expected.insert(expected.end(), browser.words.begin(), browser.words.end());
        expected.push_back(page);
        const std::string commandLine = discgate::BrowserCommandLine(browser.browser, page);
        if (SplitByWindows(commandLine) != expected) {
          std::fprintf(stderr, "%s: the page does not arrive as one argument: [%s]\n",
                       browser.browser, commandLine.c_str());
          ++mismatches;
        }
      }
    }
  }
  std::printf("%d mismatches\n", mismatches);
  return mismatches == 0 ? 0 : 1;
}
