#pragma once

namespace discgate {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;

// Rounds like MulDiv, so layouts match what Windows computes for the same numbers.
constexpr int ScaleRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : -((-product + half) / denominator));
}

constexpr int TwipsToPixels(int twips, int dpi) { return ScaleRounded(twips, dpi, kTwipsPerInch); }

// A font's cell height in pixels for a size given in hundredths of a point (9.75 pt is 975).
constexpr int FontPixelHeight(int hundredthsOfPoint, int dpi) {
  return ScaleRounded(hundredthsOfPoint, dpi, kPointsPerInch * 100);
}

}  // namespace discgate
