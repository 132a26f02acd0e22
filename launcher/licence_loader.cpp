#include "launcher/licence_loader.h"

#include "launcher/licence_languages.h"
#include "launcher/licence_text.h"
#include "launcher/paths.h"

namespace discgate {
namespace {

// The file is not there, or the place it would be in cannot be reached: a drive with no disc in
// it, a network path that is gone. The search goes on to the next place. Any other failure means
// a file is there that cannot be read, and ends the search.
bool IsMissing(const Error& error) {
  switch (error.code) {
    case kErrorFileNotFound:
    case kErrorPathNotFound:
    case kErrorInvalidDrive:
    case kErrorNotReady:
    case kErrorRemoteNotListening:
    case kErrorBadNetPath:
    case kErrorUnexpectedNetError:
    case kErrorNetNameDeleted:
    case kErrorBadNetName:
    case kErrorNoNetwork:
    case kErrorNetworkUnreachable:
      return true;
    default:
      return false;
  }
}

struct Attempt {
  std::string path;
  Result<std::string> bytes = Error{kErrorFileNotFound, {}, {}, {}};
};

// The file from the current directory or, when it is not there, from beside the program, so a
// launcher started from a shortcut or another directory still finds it. A file that is there
// but cannot be read ends the search: no other licence may stand in for it.
Attempt ReadFromFirstPlace(Platform& platform, const std::string& fileName,
                           const std::string& programFolder) {
  Attempt attempt;
  for (const std::string& path : {fileName, JoinPath(programFolder, fileName)}) {
    attempt = {path, platform.ReadWholeFile(path, kMaxLicenceBytes)};
    if (attempt.bytes.ok() || !IsMissing(attempt.bytes.error())) break;
  }
  return attempt;
}

}  // namespace

Result<Licence> LoadLicence(Platform& platform, const std::string& programFolder,
                            const std::vector<std::string>& languages) {
  Attempt attempt;
  std::string language;  // the tag of the file read; empty for License.txt
  for (const LicenceCandidate& candidate : LicenceCandidates(languages)) {
    attempt = ReadFromFirstPlace(platform, candidate.fileName, programFolder);
    language = candidate.language;
    if (attempt.bytes.ok() || !IsMissing(attempt.bytes.error())) break;
  }
  if (!attempt.bytes.ok()) {
    const Error& error = attempt.bytes.error();
    return WithAction(error,
                      error.code == kErrorFileTooLarge ? Action::ShowLicence : Action::ReadLicence,
                      attempt.path);
  }
  std::string text = DecodeLicence(attempt.bytes.value(), [&platform](std::string_view ansi) {
    return platform.AnsiToUtf8(ansi);
  });
  return Licence{std::move(text), IsRightToLeft(language), &LanguageOfLicence(language)};
}

}  // namespace discgate
