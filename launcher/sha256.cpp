#include "launcher/sha256.h"

#include <algorithm>
#include <cstring>

namespace discgate {
namespace {

constexpr std::uint32_t kRound[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t Rotate(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

std::uint32_t LoadBigEndian(const std::uint8_t* bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

// One round, with the eight working variables given in the roles they have in it: the roles
// rotate from round to round instead of the values moving, which keeps all eight in registers.
inline void Round(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t& d,
                  std::uint32_t e, std::uint32_t f, std::uint32_t g, std::uint32_t& h,
                  std::uint32_t kw) {
  // The rotations nested, and choice and majority in the forms with the fewest operations: every
  // byte of a sealed file passes through here.
  const std::uint32_t t1 =
      h + (Rotate(e ^ Rotate(e ^ Rotate(e, 14), 5), 6)) + (g ^ (e & (f ^ g))) + kw;
  const std::uint32_t t2 = Rotate(a ^ Rotate(a ^ Rotate(a, 9), 11), 2) + ((a & b) | (c & (a | b)));
  d += t1;
  h = t1 + t2;
}

void Compress(std::uint32_t (&state)[8], const std::uint8_t* block) {
  std::uint32_t w[64];
  for (std::size_t i = 0; i < 16; ++i) w[i] = LoadBigEndian(block + 4 * i);
  for (int i = 16; i < 64; ++i) {
    const std::uint32_t s0 = Rotate(w[i - 15] ^ Rotate(w[i - 15], 11), 7) ^ (w[i - 15] >> 3);
    const std::uint32_t s1 = Rotate(w[i - 2] ^ Rotate(w[i - 2], 2), 17) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  std::uint32_t a = state[0];
  std::uint32_t b = state[1];
  std::uint32_t c = state[2];
  std::uint32_t d = state[3];
  std::uint32_t e = state[4];
  std::uint32_t f = state[5];
  std::uint32_t g = state[6];
  std::uint32_t h = state[7];
  for (int i = 0; i < 64; i += 8) {
    Round(a, b, c, d, e, f, g, h, kRound[i] + w[i]);
    Round(h, a, b, c, d, e, f, g, kRound[i + 1] + w[i + 1]);
    Round(g, h, a, b, c, d, e, f, kRound[i + 2] + w[i + 2]);
    Round(f, g, h, a, b, c, d, e, kRound[i + 3] + w[i + 3]);
    Round(e, f, g, h, a, b, c, d, kRound[i + 4] + w[i + 4]);
    Round(d, e, f, g, h, a, b, c, kRound[i + 5] + w[i + 5]);
    Round(c, d, e, f, g, h, a, b, kRound[i + 6] + w[i + 6]);
    Round(b, c, d, e, f, g, h, a, kRound[i + 7] + w[i + 7]);
  }
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
  state[4] += e;
  state[5] += f;
  state[6] += g;
  state[7] += h;
}

}  // namespace

void Sha256Hasher::Update(std::string_view bytes) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  std::size_t size = bytes.size();
  m_length += size;
  if (m_filled > 0) {
    const std::size_t taken = std::min(size, sizeof m_block - m_filled);
    std::memcpy(m_block + m_filled, data, taken);
    m_filled += taken;
    data += taken;
    size -= taken;
    if (m_filled < sizeof m_block) return;
    Compress(m_state, m_block);
    m_filled = 0;
  }
  for (; size >= 64; data += 64, size -= 64) Compress(m_state, data);
  std::memcpy(m_block, data, size);
  m_filled = size;
}

Sha256Digest Sha256Hasher::Finish() {
  // A 1 bit, zeros, and the length in bits: one block or two.
  const std::uint64_t bits = m_length * 8;
  std::uint8_t tail[128] = {};
  std::memcpy(tail, m_block, m_filled);
  tail[m_filled] = 0x80;
  const std::size_t tailSize = m_filled < 56 ? 64 : 128;
  for (int i = 0; i < 8; ++i) tail[tailSize - 1 - i] = static_cast<std::uint8_t>(bits >> (8 * i));
  for (std::size_t at = 0; at < tailSize; at += 64) Compress(m_state, tail + at);
  Sha256Digest digest{};
  for (int i = 0; i < 32; ++i)
    digest[i] = static_cast<std::uint8_t>(m_state[i / 4] >> (24 - 8 * (i % 4)));
  return digest;
}

Sha256Digest Sha256(std::string_view bytes) {
  Sha256Hasher hasher;
  hasher.Update(bytes);
  return hasher.Finish();
}

std::string ToHex(const Sha256Digest& digest) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(64);
  for (const std::uint8_t byte : digest) {
    hex += kHex[byte >> 4];
    hex += kHex[byte & 0xF];
  }
  return hex;
}

std::optional<Sha256Digest> FromHex(std::string_view hex) {
  if (hex.size() != 64) return std::nullopt;
  const auto value = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
  };
  Sha256Digest digest{};
  for (std::size_t i = 0; i < digest.size(); ++i) {
    const int high = value(hex[2 * i]);
    const int low = value(hex[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    digest[i] = static_cast<std::uint8_t>(high << 4 | low);
  }
  return digest;
}

}  // namespace discgate
