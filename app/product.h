#pragma once

#include <windows.h>

#include <string>

#include "launcher/seal.h"
#include "launcher/ui_texts.h"

namespace discgate {

// The product every caption names: the string resource IDS_PRODUCT, set when the program is built
// for a disc and open to a resource editor afterwards. Empty when the resource is gone.
std::string LoadProductName(HINSTANCE instance);

// The seal the program carries in its own image (the resource IDR_SEAL), which the signature
// covers. A program whose resource is gone is taken as sealed against a digest nothing has.
BuiltInSeal LoadBuiltInSeal(HINSTANCE instance);

}  // namespace discgate
