#pragma once

#include <string_view>

namespace discgate {

// The one table of names that stand for the same language to its readers, used both to find a
// licence file and to choose the window's texts:
// - Windows reports Chinese by region (zh-TW), where a disc may name the script (zh-Hant);
// - Norwegian Bokmål and Nynorsk readers read a licence in Norwegian (no), and the reverse;
// - Hebrew's withdrawn code iw, which older systems still report; Portugal's Portuguese is pt.
// Tags compare without regard to case.

// Calls `also(name)` for each name to try for a licence after `step`, one step of the chain of
// the user's tag `full`: the names the table gives `step`, and the region form of a script tag
// whose region `full` names (zh-Hant, in the chain of zh-Hant-TW, also tries zh-TW).
template <typename Also>
void ForEachSameLanguageForLicences(std::string_view step, std::string_view full, Also also);

// Calls `also(name)` for each name the table holds as the same language as `tag`, either way.
template <typename Also>
void ForEachSameLanguageForTexts(std::string_view tag, Also also);

// Details of the templates above.
struct SameLanguage {
  std::string_view name;
  std::string_view sameAs;
  // Only for the window's texts: a licence named plainly "zh" gets the simplified texts, but a
  // reader of traditional Chinese is not sent to a simplified licence.
  bool textsOnly = false;
};

// clang-format off
inline constexpr SameLanguage kSameLanguages[] = {
    {"zh-TW", "zh-Hant"},
    {"zh-HK", "zh-Hant"},
    {"zh-MO", "zh-Hant"},
    {"zh-CN", "zh-Hans"},
    {"zh-SG", "zh-Hans"},
    {"zh", "zh-Hans", /*textsOnly=*/true},
    {"nb", "no"},
    {"nn", "no"},
    {"iw", "he"},
    {"pt-PT", "pt"},
};
// clang-format on

bool SameTag(std::string_view a, std::string_view b);
// The region subtag of a tag (TW of zh-Hant-TW), or nothing.
std::string_view RegionOf(std::string_view tag);

template <typename Also>
void ForEachSameLanguageForLicences(std::string_view step, std::string_view full, Also also) {
  const std::string_view region = RegionOf(full);
  for (const SameLanguage& same : kSameLanguages) {
    if (same.textsOnly) continue;
    if (SameTag(same.name, step)) also(same.sameAs);
    // zh-TW stands for zh-Hant in Taiwan: the chain of zh-Hant-TW reaches it from zh-Hant.
    const std::string_view language = step.substr(0, step.find('-'));
    if (SameTag(same.sameAs, step) && !region.empty() &&
        same.name.size() == language.size() + 1 + region.size() &&
        SameTag(same.name.substr(0, language.size()), language) &&
        SameTag(same.name.substr(language.size() + 1), region)) {
      also(same.name);
    }
  }
}

template <typename Also>
void ForEachSameLanguageForTexts(std::string_view tag, Also also) {
  for (const SameLanguage& same : kSameLanguages) {
    if (SameTag(same.name, tag)) also(same.sameAs);
    if (SameTag(same.sameAs, tag)) also(same.name);
  }
}

}  // namespace discgate
