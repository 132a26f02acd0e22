#include "launcher/rtf_tokenizer.h"

#include "launcher/ascii.h"

namespace discgate {
namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsSpecial(char c) { return c == '{' || c == '}' || c == '\\' || c == '\0' || IsLineBreak(c); }

int HexValue(char c) {
  if (IsAsciiDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<RtfToken> RtfTokenizer::Next() {
  while (m_at < m_rtf.size() && IsLineBreak(m_rtf[m_at])) ++m_at;
  if (m_at == m_rtf.size()) return RtfToken{};
  const char c = m_rtf[m_at];
  if (c == '\0') return std::nullopt;
  if (c == '{' || c == '}') {
    ++m_at;
    return RtfToken{c == '{' ? RtfTokenKind::Open : RtfTokenKind::Close, {}, 0, false};
  }
  if (c == '\\') return Escaped();
  const std::size_t start = m_at;
  while (m_at < m_rtf.size() && !IsSpecial(m_rtf[m_at])) ++m_at;
  return RtfToken{RtfTokenKind::Text, m_rtf.substr(start, m_at - start), 0, false};
}

std::optional<RtfToken> RtfTokenizer::Escaped() {
  ++m_at;  // the backslash
  if (m_at == m_rtf.size() || m_rtf[m_at] == '\0') return std::nullopt;
  const char c = m_rtf[m_at];
  if (IsAsciiLetter(c)) return Word();
  if (IsLineBreak(c)) {
    ++m_at;
    return RtfToken{RtfTokenKind::Word, "par", 0, false};
  }
  if (c == '\'') {
    if (m_rtf.size() - m_at < 3) return std::nullopt;
    const int high = HexValue(m_rtf[m_at + 1]);
    const int low = HexValue(m_rtf[m_at + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    m_at += 3;
    return RtfToken{RtfTokenKind::Hex, {}, high * 16 + low, true};
  }
  ++m_at;
  return RtfToken{RtfTokenKind::Symbol, m_rtf.substr(m_at - 1, 1), 0, false};
}

std::optional<RtfToken> RtfTokenizer::Word() {
  RtfToken token{RtfTokenKind::Word, {}, 0, false};
  const std::size_t start = m_at;
  while (m_at < m_rtf.size() && IsAsciiLetter(m_rtf[m_at])) ++m_at;
  if (m_at - start > kMaxRtfWordLetters) return std::nullopt;
  token.text = m_rtf.substr(start, m_at - start);
  const bool negative =
      m_at + 1 < m_rtf.size() && m_rtf[m_at] == '-' && IsAsciiDigit(m_rtf[m_at + 1]);
  if (negative) ++m_at;
  const std::size_t digits = m_at;
  // Ten digits fit in 64 bits on every build, so the count is checked before any overflow.
  while (m_at < m_rtf.size() && IsAsciiDigit(m_rtf[m_at])) {
    if (m_at - digits == kMaxRtfParameterDigits) return std::nullopt;
    token.parameter = token.parameter * 10 + (m_rtf[m_at] - '0');
    ++m_at;
  }
  token.hasParameter = m_at > digits;
  if (negative) token.parameter = -token.parameter;
  if (m_at < m_rtf.size() && m_rtf[m_at] == ' ') ++m_at;
  if (token.text == "bin") {
    // Raw bytes follow, braces and backslashes among them, counted by the parameter.
    const std::int64_t count = token.hasParameter ? token.parameter : 0;
    if (count < 0 || static_cast<std::uint64_t>(count) > m_rtf.size() - m_at) return std::nullopt;
    token.kind = RtfTokenKind::Binary;
    token.text = m_rtf.substr(m_at, static_cast<std::size_t>(count));
    m_at += static_cast<std::size_t>(count);
  }
  return token;
}

}  // namespace discgate
