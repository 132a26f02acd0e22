#pragma once

#include <cstddef>
#include <string>
#include <span>
#include <string_view>
#include <vector>

namespace discgate {

// One text of the table, made from a literal only: a row that leaves a text out does not compile.
class Text {
 public:
  // cppcheck-suppress noExplicitConstructor
  constexpr Text(const char* text) : m_text(text) {}  // NOLINT(google-explicit-constructor)
  constexpr std::string_view view() const { return m_text; }

 private:
  std::string_view m_text;
};

// The program's texts in one language, UTF-8, each by its name.
struct UiTextRow {
#define DISCGATE_UI_TEXT(name) Text name;
#include "launcher/ui_text_fields.h"
#undef DISCGATE_UI_TEXT
};

// A text of a row, by its field: language[&UiTextRow::label].
using UiText = Text UiTextRow::*;
inline constexpr UiText kUiTexts[] = {
#define DISCGATE_UI_TEXT(name) &UiTextRow::name,
#include "launcher/ui_text_fields.h"
#undef DISCGATE_UI_TEXT
};

struct UiLanguage {
  std::string_view tag;  // BCP 47; it also tells whether the language reads right to left
  UiTextRow texts;

  std::string_view operator[](UiText text) const { return (texts.*text).view(); }
  bool RightToLeft() const;
};

// The product the captions name when the program carries no name of its own.
inline constexpr std::string_view kDefaultProduct = "Orvel Software";
// The longest product name a caption takes, in UTF-16 units; the release tool refuses longer ones.
inline constexpr std::size_t kMaxProductLength = 64;

// The report of an unrecoverable error is worded into fixed buffers of these sizes (UTF-16 units,
// the NUL included), as nothing may allocate when it shows. The table is checked to fit them.
inline constexpr std::size_t kTerminateCaptionSize = 128;
inline constexpr std::size_t kTerminateTextSize = 256;

// Every language the program speaks, English first: the table itself, so choosing a language
// allocates nothing.
std::span<const UiLanguage> UiLanguages();
const UiLanguage& English();

// The texts in the language of a licence, given the tag of its file name (de-AT, zh-TW, no); the
// nearest language the table has, else English. An empty tag, the plain "License.txt", is English.
const UiLanguage& LanguageOfLicence(std::string_view tag);

// The texts for the user's reports: the first of the user's preferred UI languages that the table
// has, else English.
const UiLanguage& LanguageOfUser(const std::vector<std::string>& preferred);

// The window's caption in a language, naming the product ("Atlas Studio License Agreement").
std::string CaptionText(const UiLanguage& language, std::string_view product, bool notice = false);

// The text with "%1" and "%2" replaced, in one pass: a path that holds "%2" stays as it is.
std::string Format(std::string_view text, std::string_view first, std::string_view second = {});

}  // namespace discgate
