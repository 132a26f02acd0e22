#pragma once

#include <string>

#include "launcher/selection.h"
#include "platform/platform.h"

namespace discgate {

// What accepting the agreement starts: the first file of the folder, in directory order, that is
// an index page (opened in the default browser) or splash.exe (started through the shell). A
// folder with neither starts nothing and is no failure.
Status LaunchContent(Platform& platform, const std::string& folder);

// Starts the file chosen from the folder: a page in the browser, the splash program by the shell.
Status Launch(Platform& platform, const std::string& folder, const ContentChoice& choice);

}  // namespace discgate
