#pragma once

#include <string>

#include "platform/platform.h"

namespace discgate {

// The name of the probe file for one attempt; unique to this process so that two launchers
// started at once never share one.
std::string ProbeFileName(std::uint32_t processId, int attempt);

// The program the shell opens ".html" files with, found by asking about a fresh empty probe file
// in the temporary folder, which is deleted again at once. A code of 32 or less means no browser
// was found (0 when the probe file could not be made).
ExecutableLookup FindBrowser(Platform& platform);

// Opens a page in the default browser, started directly with its argument prefix; when no browser
// is found or it cannot be started, the shell's "open" on the page is the fallback.
Status OpenInBrowser(Platform& platform, const std::string& page, const std::string& folder);

}  // namespace discgate
