#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace discgate {

// What an RTF control word may do in a licence the window shows. Only the words listed have a
// role; every other word is dropped on its own.
enum class RtfRole : std::uint8_t {
  Shown,        // formatting or text: let through as it is
  Table,        // a destination the window reads for its fonts, colours, styles and lists
  Field,        // \field: only its result, the text it shows, is kept
  FieldResult,  // \fldrslt
  Upr,          // \upr: only its Unicode part is kept
  UprUnicode,   // \ud
  Unicode,      // \uN, a character given by its number, with a fallback to skip
  UnicodeSkip,  // \ucN, the length of the fallbacks that follow
  Removed,      // any other destination the format defines: its whole group goes
};

struct RtfWord {
  std::string_view spelling;  // as the format writes it, for a word let through
  RtfRole role;
};

// The word's role, whatever the case of its letters; null for a word that has none.
const RtfWord* FindRtfWord(std::string_view name);

// Every word with a role, for the checks that the filter let through nothing else.
std::span<const RtfWord> ListedRtfWords();

}  // namespace discgate
