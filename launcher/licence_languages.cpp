#include "launcher/licence_languages.h"

#include <algorithm>
#include <array>

#include "launcher/ascii.h"
#include "launcher/same_language.h"

namespace discgate {
namespace {

// Windows' longest locale name (LOCALE_NAME_MAX_LENGTH, less its NUL).
constexpr std::size_t kMaxTagLength = 84;

constexpr std::array<std::string_view, 12> kRightToLeftLanguages{
    "ar", "arc", "ckb", "dv", "fa", "he", "iw", "ks", "ps", "sd", "ug", "ur"};
constexpr std::array<std::string_view, 8> kRightToLeftScripts{"adlm", "arab", "hebr", "nkoo",
                                                              "rohg", "syrc", "thaa", "yezi"};

// Calls `each(subtag, index)` for the subtags of a tag in order, until it returns false.
template <typename Each>
void ForEachSubtag(std::string_view tag, Each each) {
  for (std::size_t start = 0, index = 0;; ++index) {
    const std::size_t end = tag.find('-', start);
    if (!each(tag.substr(start, end - start), index) || end == std::string_view::npos) return;
    start = end + 1;
  }
}

// A tag of the shape Windows reports: a language of two or three letters, then subtags of one
// to eight letters or digits, separated by hyphens.
bool IsWellFormed(std::string_view tag) {
  if (tag.empty() || tag.size() > kMaxTagLength) return false;
  bool wellFormed = true;
  ForEachSubtag(tag, [&wellFormed](std::string_view subtag, std::size_t index) {
    const bool language = index == 0;
    wellFormed =
        !subtag.empty() && subtag.size() <= (language ? 3u : 8u) &&
        (!language || subtag.size() >= 2) &&
        std::all_of(subtag.begin(), subtag.end(), language ? IsAsciiLetter : IsAsciiAlphanumeric);
    return wellFormed;
  });
  return wellFormed;
}

// The tag with its last subtag dropped, and a lone singleton (the "u" of "-u-co") with it.
std::string_view Shorter(std::string_view tag) {
  tag = tag.substr(0, tag.rfind('-'));
  const std::size_t last = tag.rfind('-');
  if (last != std::string_view::npos && tag.size() - last == 2) tag = tag.substr(0, last);
  return tag;
}

}  // namespace

bool SameTag(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::string_view RegionOf(std::string_view tag) {
  std::string_view region;
  ForEachSubtag(tag, [&region](std::string_view subtag, std::size_t index) {
    if (index == 0) return true;
    if (subtag.size() == 1) return false;  // extensions and private use follow
    if ((subtag.size() == 2 && IsAsciiLetter(subtag[0])) || subtag.size() == 3) region = subtag;
    return region.empty();
  });
  return region;
}

void ForEachLicenceLanguage(std::string_view tag,
                            const std::function<bool(std::string_view)>& each) {
  if (!IsWellFormed(tag)) return;
  bool more = true;
  const auto also = [&more, &each](std::string_view name) {
    if (more) more = each(name);
  };
  for (std::string_view step = tag; more; step = Shorter(step)) {
    also(step);
    ForEachSameLanguageForLicences(step, tag, also);
    if (step.find('-') == std::string_view::npos) return;
  }
}

std::vector<LicenceCandidate> LicenceCandidates(const std::vector<std::string>& languages) {
  std::vector<LicenceCandidate> candidates;
  const auto add = [&candidates](std::string_view tag) {
    // The file system ignores case anyway.
    if (std::none_of(candidates.begin(), candidates.end(),
                     [tag](const LicenceCandidate& each) { return SameTag(each.language, tag); })) {
      candidates.push_back({"License." + std::string(tag) + ".txt", std::string(tag)});
    }
    return true;
  };
  for (const std::string& language : languages) ForEachLicenceLanguage(language, add);
  candidates.push_back({kLicenceFileName, {}});
  return candidates;
}

bool IsRightToLeft(std::string_view languageTag) {
  if (!IsWellFormed(languageTag)) return false;
  std::string_view language;
  std::string_view script;
  ForEachSubtag(languageTag, [&](std::string_view subtag, std::size_t index) {
    if (index == 0) language = subtag;
    if (index > 0 && subtag.size() == 1) return false;  // extensions and private use follow
    if (index > 0 && subtag.size() == 4 && IsAsciiLetter(subtag[0])) script = subtag;
    return script.empty();
  });
  const auto listed = [](const auto& list, std::string_view name) {
    return std::any_of(list.begin(), list.end(),
                       [name](std::string_view each) { return SameTag(each, name); });
  };
  return script.empty() ? listed(kRightToLeftLanguages, language)
                        : listed(kRightToLeftScripts, script);
}

}  // namespace discgate
