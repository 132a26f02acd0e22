// Any bytes as an RTF licence. What the filter lets through is read by a reader more permissive
// than the filter or any rich-edit control: control words in any case, CR, LF and NUL skipped
// inside a word, \' taking any two bytes, \uN fallbacks counted in bytes. It must find no word
// outside the filter's list of what the window shows, no destination the filter drops, no \* but
// before a table the window reads; and a second pass leaves the output as it is.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "launcher/rtf_filter.h"
#include "launcher/rtf_words.h"

namespace {

using discgate::RtfRole;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSkipped(char c) { return c == '\r' || c == '\n' || c == '\0'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The role a permissive reader would give the word: the listed word of that spelling in any case.
const discgate::RtfWord* Listed(const std::string& lower) {
  for (const discgate::RtfWord& word : discgate::ListedRtfWords()) {
    std::string spelling(word.spelling);
    for (char& c : spelling) c = Lower(c);
    if (spelling == lower) return &word;
  }
  return nullptr;
}

bool MayStand(const discgate::RtfWord* word, bool starred, bool first) {
  if (!word) return false;
  switch (word->role) {
    case RtfRole::Shown:
    case RtfRole::Unicode:
      return !starred;
    case RtfRole::Table:
      return true;
    default:
      return first && !starred && word->spelling == "rtf";
  }
}

void ReadPermissively(std::string_view rtf) {
  std::size_t skipPerUnicode = 1;
  bool starred = false;
  bool first = true;
  for (std::size_t at = 0; at < rtf.size();) {
    if (rtf[at] != '\\') {
      ++at;
      continue;
    }
    ++at;
    if (at < rtf.size() && rtf[at] == '\'') {
      at += 3;
      continue;
    }
    if (at < rtf.size() && rtf[at] == '*') {
      starred = true;
      ++at;
      continue;
    }
    std::string word;
    while (at < rtf.size() && (IsLetter(rtf[at]) || IsSkipped(rtf[at]))) {
      if (!IsSkipped(rtf[at])) word += Lower(rtf[at]);
      ++at;
    }
    if (word.empty()) {
      ++at;  // a control symbol
      continue;
    }
    std::size_t parameter = 0;
    if (at < rtf.size() && rtf[at] == '-') ++at;
    while (at < rtf.size() && IsDigit(rtf[at])) parameter = parameter * 10 + (rtf[at++] - '0');
    if (at < rtf.size() && rtf[at] == ' ') ++at;
    Require(word == "rtf" ? first : MayStand(Listed(word), starred, first));
    first = false;
    starred = false;
    if (word == "uc") skipPerUnicode = parameter;
    if (word == "u") at += skipPerUnicode;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  const auto filtered = discgate::FilterRtf(rtf);
  if (!filtered) return 0;
  const auto again = discgate::FilterRtf(*filtered);
  Require(again.has_value() && *again == *filtered);
  ReadPermissively(*filtered);
  return 0;
}
