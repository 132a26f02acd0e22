#pragma once

#include <windows.h>

#include <string>

namespace discgate {

// The longest product name a caption takes, in UTF-16 units; the release tool refuses longer ones.
inline constexpr int kMaxProductLength = 64;

// The product every caption names: the string resource IDS_PRODUCT, set when the program is built
// for a disc and open to a resource editor afterwards. Empty when the resource is gone.
std::string LoadProductName(HINSTANCE instance);

}  // namespace discgate
