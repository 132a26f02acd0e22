#pragma once

#include <windows.h>

#include <string>

#include "launcher/ui_texts.h"

namespace discgate {

// The product every caption names: the string resource IDS_PRODUCT, set when the program is built
// for a disc and open to a resource editor afterwards. Empty when the resource is gone.
std::string LoadProductName(HINSTANCE instance);

}  // namespace discgate
