#include "launcher/disc_report.h"

#include <algorithm>
#include <optional>

#include "launcher/ascii.h"
#include "launcher/colour_contrast.h"
#include "launcher/licence_loader.h"
#include "launcher/paths.h"
#include "launcher/rtf_filter.h"
#include "launcher/selection.h"
#include "launcher/start_file_checks.h"

namespace discgate {

std::string Printable(std::string_view name) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

namespace {

// Why a name that looks like a start page or the splash program is never started; nothing for a
// name that starts when it comes first, or that looks like neither.
std::optional<const char*> WhyNeverStarted(const std::string& name) {
  if (ChooseContent({name})) return std::nullopt;
  if (IsIndexPage(name) || IsSplashProgram(name)) {
    return "it holds a character that Windows forbids in a file name";
  }
  const std::string lower = ToLowerAscii(name);
  if (lower.starts_with("index")) {
    return R"(a start page's name must begin with exactly "index" or "Index")";
  }
  if (lower == "splash.exe") return R"(the splash program must be named exactly "splash.exe")";
  return std::nullopt;
}

// License.de-AT.txt, License.rtf and Notice.de.txt, in any case: the tag between the dots,
// empty for none.
std::optional<std::string> LicenceTag(const std::string& name) {
  const std::string lower = ToLowerAscii(name);
  const std::size_t prefix = lower.starts_with("license.")  ? 8
                             : lower.starts_with("notice.") ? 7
                                                            : 0;
  if (prefix == 0 || !(lower.ends_with(".txt") || lower.ends_with(".rtf"))) return std::nullopt;
  return name.substr(prefix, std::max(name.size(), prefix + 4) - prefix - 4);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Why the program would refuse to show this licence file; nothing when it would show it.
std::optional<std::string> WhyRefused(Platform& platform, const std::string& path) {
  const Result<std::string> bytes = platform.ReadWholeFile(path, kMaxLicenceBytes);
  if (!bytes.ok()) {
    if (bytes.error().code == kErrorFileTooLarge) {
      return "it is larger than " + std::to_string(kMaxLicenceBytes >> 20) + " MB";
    }
    return "it cannot be read (error " + std::to_string(bytes.error().code) + ")";
  }
  if (ToLowerAscii(path).ends_with(".rtf") && !FilterRtf(bytes.value())) {
    return "it is not a valid RTF document";
  }
  return std::nullopt;
}

// An RTF licence's own colours that some readers could not read, in the window's light or dark
// colours.
std::optional<std::string> ColoursHardToRead(Platform& platform, const std::string& path) {
  if (!ToLowerAscii(path).ends_with(".rtf")) return std::nullopt;
  const Result<std::string> bytes = platform.ReadWholeFile(path, kMaxLicenceBytes);
  return bytes.ok() ? HardToReadColours(bytes.value()) : std::nullopt;
}

}  // namespace

std::vector<std::string> DiscReport(Platform& platform, const std::string& folder,
                                    const std::vector<std::string>& names) {
  std::vector<std::string> lines;
  const auto choice = ChooseContent(names);
  lines.push_back("starts: " + (choice ? Printable(choice->name) : std::string("nothing")));
  if (choice) {
    const std::vector<std::string> warnings = StartFileWarnings(platform, folder, *choice);
    lines.insert(lines.end(), warnings.begin(), warnings.end());
  }
  std::vector<std::string> tags;
  for (const std::string& name : names) {
    if (const auto why = WhyNeverStarted(name)) {
      lines.push_back("near miss: " + Printable(name) + ": " + *why);
    }
    const auto tag = LicenceTag(name);
    if (!tag) continue;
    if (const auto why = WhyRefused(platform, JoinPath(folder, name))) {
      lines.push_back("refused: " + Printable(name) + ": " + *why);
    } else if (const auto colours = ColoursHardToRead(platform, JoinPath(folder, name))) {
      lines.push_back("warning: " + Printable(name) +
                      ": colours that do not read on both a light and a dark background "
                      "(under 4.5:1 on one): " +
                      *colours + "; text in the automatic colour reads on both");
    }
    const auto same = [&tag](const std::string& other) {
      return ToLowerAscii(other) == ToLowerAscii(*tag);
    };
    if (!tag->empty() && std::none_of(tags.begin(), tags.end(), same)) tags.push_back(*tag);
  }
  tags.emplace_back();  // everyone else
  for (const std::string& tag : tags) {
    const std::vector<std::string> languages =
        tag.empty() ? std::vector<std::string>{} : std::vector<std::string>{tag};
    // The disc's own licence: never one in the directory disc-check was started from.
    const Result<Licence> licence = LoadLicence(platform, folder, languages, nullptr, true);
    const std::string who = tag.empty() ? "other languages" : Printable(tag);
    if (licence.ok()) {
      lines.push_back("licence: " + who + ": " + Printable(FileNameOf(licence.value().path)));
    } else if (licence.error().code == kErrorFileNotFound) {
      lines.push_back("refused: License.txt: readers of " + who + " get no licence at all");
    }
  }
  return lines;
}

}  // namespace discgate
