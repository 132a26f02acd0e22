#include "launcher/colour_contrast.h"

#include <algorithm>
#include <cmath>

#include "launcher/rtf_tokenizer.h"

namespace discgate {
namespace {

constexpr double kReadableContrast = 4.5;

// WCAG's relative luminance: each channel made linear, weighted as the eye sees it.
double Luminance(Rgb colour) {
  const auto linear = [](std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

std::uint8_t Channel(std::int64_t value) {
  return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
}

// The entries of an RTF colour table, from its tokens: \redN\greenN\blueN; each, or nothing
// for the automatic colour.
struct ColourTable {
  std::vector<Rgb> colours;
  Rgb colour{};
  bool given = false;

  void Take(const RtfToken& token) {
    if (token.kind == RtfTokenKind::Word) {
      std::uint8_t* channel = token.text == "red"     ? &colour.red
                              : token.text == "green" ? &colour.green
                              : token.text == "blue"  ? &colour.blue
                                                      : nullptr;
      if (channel) *channel = Channel(token.parameter);
      given = given || channel;
    }
    if (token.kind != RtfTokenKind::Text) return;
    for (const char each : token.text) {
      if (each != ';') continue;
      if (given) colours.push_back(colour);
      colour = {};
      given = false;
    }
  }
};

}  // namespace

double ContrastRatio(Rgb first, Rgb second) {
  const double one = Luminance(first);
  const double other = Luminance(second);
  return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

std::vector<Rgb> RtfColours(std::string_view rtf) {
  ColourTable table;
  RtfTokenizer tokens(rtf);
  int depth = 0;
  int tableDepth = 0;  // the colour table's group, while in it
  for (auto token = tokens.Next(); token && token->kind != RtfTokenKind::End;
       token = tokens.Next()) {
    if (token->kind == RtfTokenKind::Open) ++depth;
    if (token->kind == RtfTokenKind::Close && depth-- == tableDepth) tableDepth = 0;
    if (token->kind == RtfTokenKind::Word && token->text == "colortbl") tableDepth = depth;
    if (tableDepth != 0 && depth == tableDepth) table.Take(*token);
  }
  return table.colours;
}

std::optional<std::string> HardToReadColours(std::string_view rtf) {
  std::string listed;
  std::vector<Rgb> seen;
  for (const Rgb colour : RtfColours(rtf)) {
    if (std::find(seen.begin(), seen.end(), colour) != seen.end()) continue;
    seen.push_back(colour);
    if (ContrastRatio(colour, kLightBox) >= kReadableContrast &&
        ContrastRatio(colour, kDarkBox) >= kReadableContrast) {
      continue;
    }
    if (!listed.empty()) listed += ' ';
    listed += '#';
    for (const std::uint8_t channel : {colour.red, colour.green, colour.blue}) {
      listed += "0123456789ABCDEF"[channel >> 4];
      listed += "0123456789ABCDEF"[channel & 0xF];
    }
  }
  if (listed.empty()) return std::nullopt;
  return listed;
}

}  // namespace discgate
