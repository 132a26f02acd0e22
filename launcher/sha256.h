#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace discgate {

using Sha256Digest = std::array<std::uint8_t, 32>;

// FIPS 180-4's SHA-256, fed in pieces: a file of any size is checked without holding it whole.
class Sha256Hasher {
 public:
  void Update(std::string_view bytes);
  Sha256Digest Finish();

 private:
  std::uint32_t m_state[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                              0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  std::uint8_t m_block[64] = {};
  std::size_t m_filled = 0;  // bytes of m_block waiting for the rest of their block
  std::uint64_t m_length = 0;
};

// A licence's bytes when it was shown, to know them again later without keeping a second copy.
Sha256Digest Sha256(std::string_view bytes);

// As sha256sum writes a digest: 64 lower-case hexadecimal digits.
std::string ToHex(const Sha256Digest& digest);
// The digest those 64 digits (of either case) spell; nothing for anything else.
std::optional<Sha256Digest> FromHex(std::string_view hex);

}  // namespace discgate
