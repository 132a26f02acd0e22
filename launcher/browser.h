#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace discgate {

// The program the shell opens ".html" files with, found by asking about a fresh empty probe file
// in the temporary folder. The probe lives only while the question is asked: the system deletes
// it as its handle closes. A code of 32 or less means no browser was found (0 when the probe file
// could not be made).
ExecutableLookup FindBrowser(Platform& platform);

// Opens a page in the default browser, started directly with its argument prefix; when no browser
// is found or it cannot be started, the shell opens the page as a web page.
Status OpenInBrowser(Platform& platform, const std::string& page, const std::string& folder);

}  // namespace discgate
