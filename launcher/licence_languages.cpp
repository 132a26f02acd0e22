#include "launcher/licence_languages.h"

#include <algorithm>
#include <array>

#include "launcher/ascii.h"

namespace discgate {
namespace {

// Windows' longest locale name (LOCALE_NAME_MAX_LENGTH, less its NUL).
constexpr std::size_t kMaxTagLength = 84;

constexpr std::array<std::string_view, 12> kRightToLeftLanguages{
    "ar", "arc", "ckb", "dv", "fa", "he", "iw", "ks", "ps", "sd", "ug", "ur"};
constexpr std::array<std::string_view, 8> kRightToLeftScripts{"adlm", "arab", "hebr", "nkoo",
                                                              "rohg", "syrc", "thaa", "yezi"};

bool IsAlphanumeric(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::vector<std::string_view> Subtags(std::string_view tag) {
  std::vector<std::string_view> subtags;
  for (std::size_t start = 0;;) {
    const std::size_t end = tag.find('-', start);
    subtags.push_back(tag.substr(start, end - start));
    if (end == std::string_view::npos) return subtags;
    start = end + 1;
  }
}

// A tag of the shape Windows reports: a language of two or three letters, then subtags of one
// to eight letters or digits, separated by hyphens.
bool IsWellFormed(std::string_view tag) {
  if (tag.empty() || tag.size() > kMaxTagLength) return false;
  const std::vector<std::string_view> subtags = Subtags(tag);
  const std::string_view language = subtags.front();
  if (language.size() < 2 || language.size() > 3 ||
      !std::all_of(language.begin(), language.end(), IsLetter)) {
    return false;
  }
  return std::all_of(subtags.begin(), subtags.end(), [](std::string_view subtag) {
    return !subtag.empty() && subtag.size() <= 8 &&
           std::all_of(subtag.begin(), subtag.end(), IsAlphanumeric);
  });
}

// The tag with its last subtag dropped, and a lone singleton (the "u" of "-u-co") with it.
std::string_view Shorter(std::string_view tag) {
  tag = tag.substr(0, tag.rfind('-'));
  const std::size_t last = tag.rfind('-');
  if (last != std::string_view::npos && tag.size() - last == 2) tag = tag.substr(0, last);
  return tag;
}

// The other name of a Chinese tag: Windows reports Chinese UI languages by region (zh-TW) where a
// disc may name the script (zh-Hant), and the reverse. Empty for any other tag.
std::string OtherChineseName(std::string_view tag) {
  const std::vector<std::string_view> subtags = Subtags(tag);
  if (ToLowerAscii(subtags.front()) != "zh") return {};
  std::string script;
  std::string region;
  for (std::size_t i = 1; i < subtags.size() && subtags[i].size() > 1; ++i) {
    if (subtags[i].size() == 4 && script.empty() && region.empty()) script = subtags[i];
    if (subtags[i].size() == 2 && IsLetter(subtags[i][0]) && region.empty()) region = subtags[i];
  }
  if (!script.empty()) return region.empty() ? std::string() : "zh-" + region;
  const std::string lower = ToLowerAscii(region);
  if (lower == "cn" || lower == "sg") return "zh-Hans";
  if (lower == "tw" || lower == "hk" || lower == "mo") return "zh-Hant";
  return {};
}

// Norwegian Bokmål and Nynorsk, when the disc has neither, take a licence in Norwegian.
std::string Macrolanguage(std::string_view language) {
  const std::string lower = ToLowerAscii(language);
  return lower == "nb" || lower == "nn" ? "no" : std::string();
}

}  // namespace

std::vector<LicenceCandidate> LicenceCandidates(const std::vector<std::string>& languages) {
  std::vector<LicenceCandidate> candidates;
  std::vector<std::string> seen;  // lower case: the file system ignores case anyway
  const auto add = [&](std::string_view tag) {
    if (tag.empty()) return;
    std::string lower = ToLowerAscii(tag);
    if (std::find(seen.begin(), seen.end(), lower) != seen.end()) return;
    seen.push_back(std::move(lower));
    candidates.push_back({"License." + std::string(tag) + ".txt", std::string(tag)});
  };
  for (const std::string& language : languages) {
    if (!IsWellFormed(language)) continue;
    for (std::string_view tag = language;; tag = Shorter(tag)) {
      if (tag.find('-') == std::string_view::npos) {
        add(OtherChineseName(language));
        add(tag);
        add(Macrolanguage(tag));
        break;
      }
      add(tag);
    }
  }
  candidates.push_back({kLicenceFileName, {}});
  return candidates;
}

bool IsRightToLeft(std::string_view languageTag) {
  if (!IsWellFormed(languageTag)) return false;
  const std::vector<std::string_view> subtags = Subtags(languageTag);
  for (std::size_t i = 1; i < subtags.size(); ++i) {
    if (subtags[i].size() == 1) break;  // extensions and private use follow
    if (subtags[i].size() == 4 && IsLetter(subtags[i][0])) {
      const std::string script = ToLowerAscii(subtags[i]);
      return std::find(kRightToLeftScripts.begin(), kRightToLeftScripts.end(), script) !=
             kRightToLeftScripts.end();
    }
  }
  const std::string language = ToLowerAscii(subtags.front());
  return std::find(kRightToLeftLanguages.begin(), kRightToLeftLanguages.end(), language) !=
         kRightToLeftLanguages.end();
}

}  // namespace discgate
