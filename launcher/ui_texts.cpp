#include "launcher/ui_texts.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "launcher/ascii.h"
#include "launcher/licence_languages.h"

namespace discgate {
namespace {

// Names Windows and disc authors use for a language that the table keeps under another.
using Alias = std::pair<std::string_view, std::string_view>;
constexpr Alias kAliases[] = {
    {"iw", "he"},       // Hebrew's withdrawn code, which older systems still report
    {"no", "nb"},       // Norwegian: Bokmål is what most Norwegians write
    {"nn", "nb"},       // Nynorsk readers read Bokmål, and English less well
    {"zh", "zh-Hans"},  // Chinese with no script or region named: the simplified script
};

const UiLanguage* ExactlyFor(std::string_view tag) {
  std::string lower = ToLowerAscii(tag);
  const auto* const alias =
      std::find_if(std::begin(kAliases), std::end(kAliases),
                   [&lower](const Alias& each) { return each.first == lower; });
  if (alias != std::end(kAliases)) lower = ToLowerAscii(alias->second);
  const std::vector<UiLanguage>& languages = UiLanguages();
  const auto found = std::find_if(languages.begin(), languages.end(), [&lower](const auto& each) {
    return ToLowerAscii(each.tag) == lower;
  });
  return found == languages.end() ? nullptr : &*found;
}

}  // namespace

const UiLanguage& English() { return UiLanguages().front(); }

const UiLanguage* FindUiLanguage(std::string_view tag) {
  // The names a licence file in this language could have, best first, are also the table's.
  for (const LicenceCandidate& candidate : LicenceCandidates({std::string(tag)})) {
    if (candidate.language.empty()) continue;
    if (const UiLanguage* language = ExactlyFor(candidate.language)) return language;
  }
  return nullptr;
}

const UiLanguage& LanguageOfLicence(std::string_view tag) {
  const UiLanguage* language = FindUiLanguage(tag);
  return language ? *language : English();
}

const UiLanguage& LanguageOfUser(const std::vector<std::string>& preferred) {
  const UiLanguage* spoken = nullptr;
  for (auto tag = preferred.begin(); !spoken && tag != preferred.end(); ++tag) {
    spoken = FindUiLanguage(*tag);
  }
  return spoken ? *spoken : English();
}

std::string CaptionText(const UiLanguage& language, std::string_view product) {
  return Format(language[UiText::Caption], product.empty() ? kDefaultProduct : product);
}

std::string Format(std::string_view text, std::string_view first, std::string_view second) {
  std::string out;
  out.reserve(text.size() + first.size() + second.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[++i] == '1' ? first : second;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace discgate
