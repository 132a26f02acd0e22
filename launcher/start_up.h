#pragma once

#include "launcher/licence_loader.h"
#include "launcher/seal.h"
#include "platform/platform.h"

namespace discgate {

// What the program does before its window exists: finds its own folder and the user's languages
// and loads the licence agreement (License.txt, or the one in the user's language). A program
// that carries a seal first reads the disc's seal and checks it, then the licence against it.
// Every failure, running out of memory among them, comes back as an Error for the window to
// report.
Result<Licence> LoadLicenceAtStart(Platform& platform, const BuiltInSeal& builtIn = {});

}  // namespace discgate
