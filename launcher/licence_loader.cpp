#include "launcher/licence_loader.h"

#include "launcher/licence_text.h"
#include "launcher/paths.h"

namespace discgate {
namespace {

bool IsMissing(const Error& error) {
  return error.code == kErrorFileNotFound || error.code == kErrorPathNotFound;
}

}  // namespace

Result<std::string> LoadLicence(Platform& platform, const std::string& programFolder) {
  std::string path = kLicenceFileName;
  Result<std::string> bytes = platform.ReadWholeFile(path, kMaxLicenceBytes);
  if (!bytes.ok() && IsMissing(bytes.error()) && !programFolder.empty()) {
    // Started from a shortcut or another directory: the licence still sits beside the program.
    path = JoinPath(programFolder, kLicenceFileName);
    bytes = platform.ReadWholeFile(path, kMaxLicenceBytes);
  }
  if (!bytes.ok() && bytes.error().code == kErrorFileTooLarge) {
    return WithAction(bytes.error(), "The licence agreement \"" + path +
                                         "\" is too large to show (more than 16 MB).");
  }
  if (!bytes.ok()) {
    return WithAction(bytes.error(), "Could not read the licence agreement \"" + path + "\".");
  }
  return DecodeLicence(bytes.value(),
                       [&platform](std::string_view ansi) { return platform.AnsiToUtf8(ansi); });
}

}  // namespace discgate
