#include "launcher/browser.h"

#include <charconv>

#include "launcher/ascii.h"
#include "launcher/browser_args.h"
#include "launcher/paths.h"

namespace discgate {
namespace {

constexpr int kProbeAttempts = 100;
constexpr std::int32_t kLookupFound = 33;  // the shell's codes above 32 mean success

// Unique to this process, so that two launchers started at once never share one.
std::string ProbeFileName(std::uint32_t processId, int attempt) {
  char number[16];
  std::string name = "discgate-";
  name.append(number, std::to_chars(number, number + sizeof number, processId, 16).ptr);
  name += '-';
  name.append(number, std::to_chars(number, number + sizeof number, attempt).ptr);
  return name + ".html";
}

bool IsFullPath(std::string_view path) {
  const bool driveRoot = path.size() > 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
  const bool share = path.size() > 2 && path.starts_with("\\\\");
  return driveRoot || share;
}

// Whether what the lookup gave may be started as a browser: a full path to an existing ".exe".
// A relative path would be searched for in folders others can write; a ".cmd" or ".bat" wrapper
// would hand the page's path to a command interpreter.
bool IsStartableBrowser(Platform& platform, const ExecutableLookup& lookup) {
  return lookup.code >= kLookupFound && IsFullPath(lookup.program) &&
         ToLowerAscii(lookup.program).ends_with(".exe") && platform.IsFile(lookup.program);
}

}  // namespace

ExecutableLookup FindBrowser(Platform& platform) {
  const Result<std::string> folder = platform.GetTempDir();
  if (!folder.ok()) return {};

  // The shell answers only for a file that exists. A fresh name keeps any file of the user's
  // untouched; CreateTemporaryFile refuses to open one that is already there.
  for (int attempt = 0; attempt < kProbeAttempts; ++attempt) {
    const std::string name = ProbeFileName(platform.ProcessId(), attempt);
    Result<std::unique_ptr<TemporaryFile>> probe =
        platform.CreateTemporaryFile(JoinPath(folder.value(), name));
    if (!probe.ok()) {
      if (probe.error().code == kErrorFileExists) continue;
      return {};
    }
    return platform.LookupExecutable(name, folder.value());
  }
  return {};
}

Status OpenInBrowser(Platform& platform, const std::string& page, const std::string& folder) {
  const ExecutableLookup browser = FindBrowser(platform);
  if (browser.code < kLookupFound) {
    // No association at all: the shell still knows how to show a web page.
    Status opened = platform.ShellOpenWebPage(page, folder);
    if (!opened.ok()) return WithAction(opened.error(), Action::Open, page);
    return {};
  }
  // The shell would open the page through the very association refused here.
  if (!IsStartableBrowser(platform, browser)) {
    const bool gone = IsFullPath(browser.program) && !platform.IsFile(browser.program);
    return Error{gone ? kErrorFileNotFound : kErrorNoAssociation, {}, Action::Open, page};
  }
  Status started =
      platform.StartProcess(browser.program, BrowserCommandLine(browser.program, page));
  if (!started.ok()) return WithAction(started.error(), Action::Open, page);
  return {};
}

}  // namespace discgate
