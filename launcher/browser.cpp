#include "launcher/browser.h"

#include <charconv>

#include "launcher/browser_args.h"
#include "launcher/paths.h"

namespace discgate {
namespace {

constexpr int kProbeAttempts = 100;
constexpr std::int32_t kLookupFound = 33;  // the shell's codes above 32 mean success

}  // namespace

std::string ProbeFileName(std::uint32_t processId, int attempt) {
  char number[16];
  std::string name = "discgate-";
  name.append(number, std::to_chars(number, number + sizeof number, processId, 16).ptr);
  name += '-';
  name.append(number, std::to_chars(number, number + sizeof number, attempt).ptr);
  return name + ".html";
}

ExecutableLookup FindBrowser(Platform& platform) {
  const Result<std::string> folder = platform.GetTempDir();
  if (!folder.ok()) return {};

  // The shell answers only for a file that exists. A fresh name keeps any file of the user's
  // untouched; CreateNewFile refuses to open one that is already there.
  for (int attempt = 0; attempt < kProbeAttempts; ++attempt) {
    const std::string name = ProbeFileName(platform.ProcessId(), attempt);
    const std::string probe = JoinPath(folder.value(), name);
    const Status created = platform.CreateNewFile(probe);
    if (!created.ok()) {
      if (created.error().code == kErrorFileExists) continue;
      return {};
    }
    ExecutableLookup lookup = platform.LookupExecutable(name, folder.value());
    // A probe that cannot be deleted is an empty file in the temporary folder; the lookup's
    // answer is good all the same.
    (void)platform.RemoveFile(probe);
    return lookup;
  }
  return {};
}

Status OpenInBrowser(Platform& platform, const std::string& page, const std::string& folder) {
  const ExecutableLookup browser = FindBrowser(platform);
  if (browser.code >= kLookupFound &&
      platform.StartProcess(browser.program, BrowserCommandLine(browser.program, page)).ok()) {
    return {};
  }
  Status opened = platform.ShellOpen(page, folder);
  if (!opened.ok()) return WithAction(opened.error(), "Could not open \"" + page + "\".");
  return {};
}

}  // namespace discgate
