#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace discgate {

using Sha256Digest = std::array<std::uint8_t, 32>;

// FIPS 180-4's SHA-256: a licence's bytes when it was shown, to know them again later without
// keeping a second copy.
Sha256Digest Sha256(std::string_view bytes);

}  // namespace discgate
