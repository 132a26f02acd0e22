#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace discgate {

// The pieces an RTF document is made of, read strictly: what does not read as one of these makes
// the whole document invalid, so no reader could see in it something this one did not.
enum class RtfTokenKind : std::uint8_t {
  Open,    // {
  Close,   // }
  Word,    // \name or \nameN, its delimiting space taken
  Symbol,  // \ and one character that is not a letter: \~ \- \\ \{ \* ...
  Hex,     // \'hh: one byte of the document's code page
  Binary,  // \binN and the N raw bytes that follow it
  Text,    // a run of bytes that are none of the above
  End,
};

inline constexpr std::size_t kMaxRtfWordLetters = 32;
inline constexpr std::size_t kMaxRtfParameterDigits = 10;

struct RtfToken {
  RtfTokenKind kind = RtfTokenKind::End;
  std::string_view text;       // a word's letters, a symbol, a run of text, binary bytes
  std::int64_t parameter = 0;  // a word's; a \' byte's value
  bool hasParameter = false;
};

// Yields one token at a time. CR and LF between tokens are no part of the text (a backslash
// before one is \par); NUL, a \' without two hex digits, a word over kMaxRtfWordLetters letters,
// a parameter over kMaxRtfParameterDigits digits and a \binN longer than what is left are not
// RTF: Next() returns nothing for them.
class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view rtf) : m_rtf(rtf) {}

  std::optional<RtfToken> Next();
  // What has not been read yet.
  std::string_view Rest() const { return m_rtf.substr(m_at); }

 private:
  std::optional<RtfToken> Word();
  std::optional<RtfToken> Escaped();

  std::string_view m_rtf;
  std::size_t m_at = 0;
};

}  // namespace discgate
