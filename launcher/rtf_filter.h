#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace discgate {

// Groups deeper than this are refused: no licence needs them, and a filter that followed them
// without end could be made to run out of memory.
inline constexpr int kMaxRtfDepth = 100;

// An RTF licence with every group that is not text taken out, before any of it reaches a
// rich-edit control: embedded objects and pictures (\object, \pict, \*\objdata, \*\shppict,
// \nonshppict, with the \result pictures inside objects), \*\datastore, \*\themedata,
// \*\colorschememapping and field instructions (\*\fldinst: a link keeps its visible text and
// does nothing), and \binN data, skipped by its count. Escaped braces and backslashes are text.
// Nothing when the groups do not balance or nest deeper than kMaxRtfDepth.
std::optional<std::string> FilterRtf(std::string_view rtf);

}  // namespace discgate
