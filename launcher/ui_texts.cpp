#include "launcher/ui_texts.h"

#include <algorithm>

#include "launcher/licence_languages.h"
#include "launcher/same_language.h"

namespace discgate {
namespace {

const UiLanguage* Row(std::string_view tag) {
  const std::span<const UiLanguage> languages = UiLanguages();
  const auto found = std::find_if(languages.begin(), languages.end(),
                                  [tag](const UiLanguage& each) { return SameTag(each.tag, tag); });
  return found == languages.end() ? nullptr : &*found;
}

// The table's language for a tag, or nullptr: the names a licence file in this language could
// have, best first, each also by the names of the same language. Allocates nothing, so the
// user's language is chosen at start before anything can run out.
const UiLanguage* FindUiLanguage(std::string_view tag) {
  const UiLanguage* found = nullptr;
  ForEachLicenceLanguage(tag, [&found](std::string_view name) {
    found = Row(name);
    ForEachSameLanguageForTexts(name, [&found](std::string_view same) {
      if (!found) found = Row(same);
    });
    return found == nullptr;
  });
  return found;
}

}  // namespace

const UiLanguage& English() { return UiLanguages().front(); }

bool UiLanguage::RightToLeft() const { return IsRightToLeft(tag); }

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

std::string CaptionText(const UiLanguage& language, std::string_view product, bool notice) {
  return Format(language[notice ? &UiTextRow::noticeCaption : &UiTextRow::caption],
                product.empty() ? kDefaultProduct : product);
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
