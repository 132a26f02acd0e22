#include "launcher/rtf_filter.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace discgate {
namespace {

// The destinations that hold no text, by the control word that opens their group.
constexpr std::array<std::string_view, 9> kRemoved{
    "object",     "pict",      "objdata",   "shppict",
    "nonshppict", "datastore", "themedata", "colorschememapping",
    "fldinst"};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct ControlWord {
  std::string_view name;
  std::int64_t parameter = 0;
  bool hasParameter = false;
  std::size_t end = 0;     // just past the word, its parameter and its delimiting space
  bool delimited = false;  // by a space of its own
};

// The control word at `at`, which is just past a backslash followed by a letter.
ControlWord ReadControlWord(std::string_view rtf, std::size_t at) {
  ControlWord word;
  const std::size_t start = at;
  while (at < rtf.size() && IsLetter(rtf[at])) ++at;
  word.name = rtf.substr(start, at - start);
  const bool negative = at < rtf.size() && rtf[at] == '-';
  std::size_t digits = negative ? at + 1 : at;
  while (digits < rtf.size() && IsDigit(rtf[digits]) && digits - at < 10) {
    word.parameter = word.parameter * 10 + (rtf[digits] - '0');
    word.hasParameter = true;
    ++digits;
  }
  if (word.hasParameter) at = digits;
  if (negative) word.parameter = -word.parameter;
  word.delimited = at < rtf.size() && rtf[at] == ' ';
  if (word.delimited) ++at;
  word.end = at;
  return word;
}

// Whether the group that opens at `at` (just past its brace) is one that holds no text: its
// first control word, after an optional \*, names a removed destination.
bool IsRemoved(std::string_view name) {
  return std::find(kRemoved.begin(), kRemoved.end(), name) != kRemoved.end();
}

bool IsRemovedGroup(std::string_view rtf, std::size_t at) {
  while (at < rtf.size() && (rtf[at] == '\r' || rtf[at] == '\n')) ++at;
  if (rtf.substr(at, 2) == "\\*") at += 2;
  while (at < rtf.size() && (rtf[at] == '\r' || rtf[at] == '\n' || rtf[at] == ' ')) ++at;
  if (at + 1 >= rtf.size() || rtf[at] != '\\' || !IsLetter(rtf[at + 1])) return false;
  return IsRemoved(ReadControlWord(rtf, at + 1).name);
}

}  // namespace

std::optional<std::string> FilterRtf(std::string_view rtf) {
  std::string out;
  out.reserve(rtf.size());
  int depth = 0;
  int removedFrom = 0;       // the depth of the removed group being skipped; 0 when none
  bool keepClosing = false;  // that group's opening brace was kept: so is its closing one
  bool bare = false;         // what was let through ends in a control word with no delimiter
  const auto emit = [&out, &bare](std::string_view text, bool bareWord = false) {
    out.append(text);
    bare = bareWord;
  };
  // Taking something out must not join a control word to what follows it (\fs20 and a 0 after
  // a picture would make \fs200): such a word gets its delimiting space first.
  const auto cut = [&out, &bare] {
    if (bare) out += ' ';
    bare = false;
  };
  for (std::size_t at = 0; at < rtf.size();) {
    const char c = rtf[at];
    const bool keep = removedFrom == 0;
    if (c == '{') {
      if (++depth > kMaxRtfDepth) return std::nullopt;
      if (keep && IsRemovedGroup(rtf, at + 1)) {
        removedFrom = depth;
        cut();
      }
      if (removedFrom == 0) emit("{");
      ++at;
    } else if (c == '}') {
      if (depth == 0) return std::nullopt;
      if (keep || (removedFrom == depth && keepClosing)) emit("}");
      if (removedFrom == depth) {
        removedFrom = 0;
        keepClosing = false;
      }
      --depth;
      ++at;
    } else if (c == '\\' && at + 1 < rtf.size() && IsLetter(rtf[at + 1])) {
      const ControlWord word = ReadControlWord(rtf, at + 1);
      std::size_t end = word.end;
      if (word.name == "bin") {
        // Raw bytes follow, braces and backslashes among them: skipped by their count, and
        // never shown, being no text.
        const auto count = static_cast<std::size_t>(std::max<std::int64_t>(word.parameter, 0));
        end = count > rtf.size() - end ? rtf.size() : end + count;
        if (keep) cut();
      } else if (keep && IsRemoved(word.name)) {
        // A destination's word inside a group of text: the rest of that group is taken out.
        cut();
        if (depth > 0) {
          removedFrom = depth;
          keepClosing = true;
        }
      } else if (keep) {
        emit(rtf.substr(at, end - at), !word.delimited);
      }
      at = end;
    } else if (c == '\\' && at + 1 < rtf.size()) {
      // A control symbol: an escaped brace or backslash, \'hh, \~ and the like.
      if (keep) emit(rtf.substr(at, 2));
      at += 2;
    } else {
      if (keep) emit(rtf.substr(at, 1));
      ++at;
    }
  }
  if (depth != 0) return std::nullopt;
  return out;
}

}  // namespace discgate
