// Any bytes as an RTF licence. What the filter lets through is read by a reader more permissive
// than the filter or any rich-edit control: control words in any case, CR, LF and NUL skipped
// inside a word, \' taking any two bytes, \uN fallbacks counted in bytes. It must find no word
// outside the filter's list of what the window shows, no destination the filter drops, no \* but
// before a table the window reads; and a second pass leaves the output as it is. Where the output
// names a code page or character set that may be multi-byte, a reader that takes the byte after a
// lead byte as its trail byte (up to three after \'c0-\'ff, as UTF-8 does), whatever that byte
// is, must find its groups balanced.
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

// Whether the output names, in a word of its own, a code page or character set known to read
// characters of more than one byte.
bool NamesMultiByte(std::string_view rtf) {
  const auto page = [](std::size_t value) {
    for (const std::size_t known : {932, 936, 949, 950, 1361, 10001, 10002, 10003, 10008, 20932,
                                    51932, 51936, 51949, 54936, 65001}) {
      if (value == known) return true;
    }
    return false;
  };
  const auto charset = [](std::size_t value) {
    return value == 1 || value == 128 || value == 129 || value == 130 || value == 134 ||
           value == 136;
  };
  for (std::size_t at = 0; at < rtf.size();) {
    if (rtf[at] != '\\' || at + 1 >= rtf.size() || !IsLetter(rtf[at + 1])) {
      at += rtf[at] == '\\' ? 2 : 1;  // a symbol's two characters go together
      continue;
    }
    std::string word;
    for (++at; at < rtf.size() && IsLetter(rtf[at]); ++at) word += Lower(rtf[at]);
    std::size_t value = 0;
    for (; at < rtf.size() && IsDigit(rtf[at]); ++at) value = value * 10 + (rtf[at] - '0');
    if (((word == "ansicpg" || word == "cpg") && page(value)) ||
        (word == "fcharset" && charset(value))) {
      return true;
    }
  }
  return false;
}

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  const char lower = Lower(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 0;
}

// The output as a multi-byte reader sees it: each lead byte and the bytes it takes as its trail,
// whatever they are, become one character of text (X); the rest stays as it is.
std::string MultiByteView(std::string_view rtf) {
  std::string view;
  for (std::size_t at = 0; at < rtf.size();) {
    if (rtf.compare(at, 2, "\\'") != 0 || at + 3 >= rtf.size()) {
      // A symbol's two characters go together: \\ is no start of a \' after it.
      const std::size_t length = rtf[at] == '\\' && at + 1 < rtf.size() ? 2 : 1;
      view += rtf.substr(at, length);
      at += length;
      continue;
    }
    const int byte = HexValue(rtf[at + 2]) * 16 + HexValue(rtf[at + 3]);
    const int trails = byte >= 0xC0 ? 3 : byte >= 0x81 ? 1 : 0;
    view += trails ? "X" : std::string(rtf.substr(at, 4));
    at += 4;
    for (int trail = 0; trail < trails && at < rtf.size(); ++trail) {
      at += rtf.compare(at, 2, "\\'") == 0 ? 4 : 1;
    }
  }
  return view;
}

void ReadAsMultiByte(std::string_view rtf) {
  const std::string view = MultiByteView(rtf);
  int depth = 0;
  for (std::size_t at = 0; at < view.size(); ++at) {
    if (view[at] == '\\') {
      ++at;  // \{ \} \\ are text
    } else if (view[at] == '{' || view[at] == '}') {
      depth += view[at] == '{' ? 1 : -1;
      Require(depth >= 0);
    }
  }
  Require(depth == 0);
  ReadPermissively(view);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  const auto filtered = discgate::FilterRtf(rtf);
  if (!filtered) return 0;
  const auto again = discgate::FilterRtf(*filtered);
  Require(again.has_value() && *again == *filtered);
  ReadPermissively(*filtered);
  if (NamesMultiByte(*filtered)) ReadAsMultiByte(*filtered);
  return 0;
}
