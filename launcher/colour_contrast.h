#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/colour_scheme.h"

namespace discgate {

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double ContrastRatio(Rgb first, Rgb second);

// The colours an RTF document's colour table names, in order; the automatic colour (an empty
// entry) is none of them. Nothing for a document that does not read as RTF.
std::vector<Rgb> RtfColours(std::string_view rtf);

// What an author should know of an RTF licence's colours: those below 4.5:1 on a light or on
// the dark box, as "#RRGGBB" each; nothing when every colour reads on both.
std::optional<std::string> HardToReadColours(std::string_view rtf);

}  // namespace discgate
