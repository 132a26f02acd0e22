#pragma once

#include <string>

#include "platform/platform.h"

namespace discgate {

inline constexpr const char* kLicenceFileName = "License.txt";
// Far beyond any real licence; a text box given more takes minutes to lay it out.
inline constexpr std::uint64_t kMaxLicenceBytes = std::uint64_t{16} << 20;

// The licence text, decoded and ready for the text box. "License.txt" is looked for in the
// current directory first and, when it is not there, beside the program file.
Result<std::string> LoadLicence(Platform& platform, const std::string& programFolder);

}  // namespace discgate
