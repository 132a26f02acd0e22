#include "launcher/licence_loader.h"

#include "launcher/licence_languages.h"
#include "launcher/licence_text.h"
#include "launcher/paths.h"
#include "launcher/rtf_filter.h"
#include "launcher/seal.h"

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
  bool rtf = false;
  Result<std::string> bytes = Error{kErrorFileNotFound, {}, {}, {}};
};

// The same licence as RTF: License.de.txt, License.de.rtf.
std::string RtfName(const std::string& textName) {
  return textName.substr(0, textName.size() - 4) + ".rtf";
}

// A reading that ends the search: the file is there, or a sealed disc lists it.
bool There(const Attempt& attempt) {
  return attempt.bytes.ok() || !IsMissing(attempt.bytes.error()) ||
         attempt.bytes.error().action != Action::None;
}

// The file from the current directory or, when it is not there, from beside the program, so a
// launcher started from a shortcut or another directory still finds it; in each place the plain
// text first, then RTF. A file that is there but cannot be read ends the search: no other
// licence may stand in for it.
// A sealed disc's licence comes only from beside the program, and only by a name the seal lists:
// a file the seal lists ends the search even when it cannot be read or is not there.
Attempt ReadFromFirstPlace(Platform& platform, const std::string& fileName,
                           const std::string& programFolder, const Seal* seal,
                           bool besideProgramOnly) {
  const auto read = [&](const std::string& path, bool rtf) {
    if (!seal) return Attempt{path, rtf, platform.ReadWholeFile(path, kMaxLicenceBytes)};
    const std::string name = rtf ? RtfName(fileName) : fileName;
    if (!seal->Find(name)) return Attempt{path, rtf, Error{kErrorFileNotFound, {}, {}, {}}};
    Result<std::string> bytes = platform.ReadWholeFile(path, kMaxLicenceBytes);
    if (!bytes.ok() && bytes.error().code != kErrorFileTooLarge) {
      bytes = SealedFileNotRead(bytes.error(), path);
    } else if (bytes.ok() && Sha256(bytes.value()) != *seal->Find(name)) {
      bytes = SealedFileChanged(path);
    }
    return Attempt{path, rtf, std::move(bytes)};
  };
  Attempt attempt;
  const std::string besideProgram = JoinPath(programFolder, fileName);
  for (const std::string& path : {fileName, besideProgram}) {
    if ((seal || besideProgramOnly) && path != besideProgram) continue;
    attempt = read(path, false);
    if (There(attempt)) return attempt;
    Attempt rich = read(RtfName(path), true);
    if (There(rich)) return rich;
  }
  // A licence that is nowhere is named by its plain-text name.
  return attempt;
}

}  // namespace

Result<std::string> ShownText(Platform& platform, const std::string& path, bool rtf,
                              const std::string& bytes) {
  if (rtf) {
    std::optional<std::string> filtered = FilterRtf(bytes);
    if (!filtered) return Error{kErrorInvalidData, {}, Action::ReadRtf, path};
    return std::move(*filtered);
  }
  return DecodeLicence(bytes,
                       [&platform](std::string_view ansi) { return platform.AnsiToUtf8(ansi); });
}

Result<Licence> LoadLicence(Platform& platform, const std::string& programFolder,
                            const std::vector<std::string>& languages, const Seal* seal,
                            bool besideProgramOnly) {
  const std::vector<LicenceCandidate> candidates = LicenceCandidates(languages);
  Attempt attempt;
  Attempt missing;       // the licence that is nowhere, which a failure names
  std::string language;  // the tag of the file read; empty for License.txt
  bool notice = false;
  const auto found = [&attempt] { return There(attempt); };
  for (const bool notices : {false, true}) {
    for (const LicenceCandidate& candidate : candidates) {
      const std::string name =
          notices ? "Notice" + candidate.fileName.substr(std::string_view("License").size())
                  : candidate.fileName;
      attempt = ReadFromFirstPlace(platform, name, programFolder, seal, besideProgramOnly);
      language = candidate.language;
      notice = notices;
      if (found()) break;
    }
    if (found()) break;
    if (!notices) missing = attempt;  // an error, no file's bytes
  }
  if (!found()) attempt = missing;
  if (!attempt.bytes.ok()) {
    const Error& error = attempt.bytes.error();
    if (error.action != Action::None) return error;  // a sealed file, as the seal judged it
    return WithAction(error,
                      error.code == kErrorFileTooLarge ? Action::ShowLicence : Action::ReadLicence,
                      attempt.path);
  }
  Result<std::string> text = ShownText(platform, attempt.path, attempt.rtf, attempt.bytes.value());
  if (!text.ok()) return text.error();
  return Licence{std::move(text.value()),
                 attempt.rtf,
                 IsRightToLeft(language),
                 &LanguageOfLicence(language),
                 attempt.path,
                 Sha256(attempt.bytes.value()),
                 notice,
                 {}};
}

}  // namespace discgate
