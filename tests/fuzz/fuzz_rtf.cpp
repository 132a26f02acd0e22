// Any bytes as an RTF licence: what the filter lets through balances, is left as it is by a second
// pass, and holds none of the control words of the groups it takes out, nor \bin.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "launcher/rtf_filter.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

constexpr std::string_view kRemoved[] = {
    "object",     "pict",      "objdata",   "shppict",
    "nonshppict", "datastore", "themedata", "colorschememapping",
    "fldinst",    "bin"};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether a removed control word stands in the text as a control word, not as escaped text.
bool HoldsRemovedWord(std::string_view rtf) {
  for (std::size_t at = 0; at + 1 < rtf.size(); ++at) {
    if (rtf[at] != '\\') continue;
    if (!IsLetter(rtf[at + 1])) {
      ++at;  // a control symbol, \\ among them
      continue;
    }
    std::size_t end = at + 1;
    while (end < rtf.size() && IsLetter(rtf[end])) ++end;
    const std::string_view word = rtf.substr(at + 1, end - at - 1);
    for (const std::string_view removed : kRemoved) {
      if (word == removed) return true;
    }
    at = end - 1;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  const auto filtered = discgate::FilterRtf(rtf);
  if (!filtered) return 0;
  const auto again = discgate::FilterRtf(*filtered);
  Require(again.has_value() && *again == *filtered);
  Require(!HoldsRemovedWord(*filtered));
  return 0;
}
