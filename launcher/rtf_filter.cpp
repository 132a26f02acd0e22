#include "launcher/rtf_filter.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <vector>

#include "launcher/rtf_tokenizer.h"
#include "launcher/rtf_words.h"

namespace discgate {
namespace {

// What a group holds, as far as the window is concerned.
enum class Content : std::uint8_t {
  Undecided,  // just opened: its first word says what it is
  Shown,
  Field,  // only a \fldrslt group inside it is shown
  Upr,    // only a \ud group inside it is shown
  Dropped,
};

struct Group {
  Content content = Content::Undecided;
  Content within = Content::Shown;  // what holds it
  bool starred = false;             // opened with \*: a destination the reader may skip
  bool braced = false;              // its opening brace was written
  std::size_t start = 0;            // where in the output it begins
  std::int64_t fallback = 1;        // \ucN: what follows each \uN for readers without Unicode
  bool table = false;               // within the font, colour, style or list table
};

constexpr char kHex[] = "0123456789abcdef";

// Code pages and Windows character sets whose every character is one byte; anything else may be
// read a character of two or more bytes at a time.
bool IsSingleByteCodePage(std::int64_t page) {
  // DOS and OEM, Windows, Mac (but Japanese, Chinese and Korean: 10001-10003, 10008), US-ASCII
  // and ISO 8859.
  static constexpr std::int64_t kKnown[] = {437,   708,   720,   737,   775,   850,   852,   855,
                                            857,   858,   860,   861,   862,   863,   864,   865,
                                            866,   869,   874,   10000, 10004, 10005, 10006, 10007,
                                            10010, 10017, 10021, 10029, 10079, 10081, 10082, 20127};
  return std::find(std::begin(kKnown), std::end(kKnown), page) != std::end(kKnown) ||
         (page >= 1250 && page <= 1258) || (page >= 28591 && page <= 28606);
}
bool IsSingleByteCharset(std::int64_t charset) {
  // ANSI, symbol, Mac, Greek, Turkish, Vietnamese, Hebrew, Arabic, Baltic, Russian, Thai,
  // Eastern European, OEM. Not 1 (the system's default, which may be Japanese).
  static constexpr std::int64_t kKnown[] = {0,   2,   77,  161, 162, 163, 177,
                                            178, 186, 204, 222, 238, 255};
  return std::find(std::begin(kKnown), std::end(kKnown), charset) != std::end(kKnown);
}

// Whether the document names a code page or character set that may be multi-byte anywhere: the
// whole document is then read as such, wherever the name stands.
bool NamesMultiByte(std::string_view rtf) {
  RtfTokenizer tokens(rtf);
  for (std::optional<RtfToken> token = tokens.Next(); token && token->kind != RtfTokenKind::End;
       token = tokens.Next()) {
    // Words as the filter knows them, in any case of their letters.
    const RtfWord* word = token->kind == RtfTokenKind::Word ? FindRtfWord(token->text) : nullptr;
    if (!word || !token->hasParameter) continue;
    if ((word->spelling == "ansicpg" || word->spelling == "cpg") &&
        !IsSingleByteCodePage(token->parameter)) {
      return true;
    }
    if (word->spelling == "fcharset" && !IsSingleByteCharset(token->parameter)) return true;
  }
  return false;
}

class Policy {
 public:
  Policy(std::size_t size, bool multiByte) : m_multiByte(multiByte) {
    m_out.reserve(size + size / 8);
  }

  // False when the document is not one a reader could agree on.
  bool Take(const RtfToken& token);
  bool Ended() const { return m_ended; }
  // False once the outermost group has shown it is no {\rtf document.
  bool IsDocument() const { return m_groups.front().content != Content::Dropped; }
  std::string Output() && { return std::move(m_out); }

 private:
  bool Open();
  void Close();
  bool Decide(const RtfToken& token);
  bool DecideDocument(const RtfToken& token);
  void Show(const RtfToken& token);
  void Word(const RtfWord& word, const RtfToken& token);
  void Text(std::string_view text);
  void Byte(unsigned byte);
  // Whether the output ends in a \'hh of 0x80 or more, which a multi-byte reader would join
  // with what comes next.
  bool AfterHighByte() const {
    const std::size_t size = m_out.size();
    return size >= 4 && m_out[size - 4] == '\\' && m_out[size - 3] == '\'' &&
           (m_out[size - 2] >= '8');
  }
  void Begin(Content content, std::string_view word = {}) {
    Group& group = m_groups.back();
    group.content = content;
    group.braced = true;
    group.start = m_out.size();
    m_out += '{';
    if (!word.empty()) {
      if (group.starred) m_out += "\\*";
      m_out += '\\';
      m_out += word;
      m_out += ' ';
    }
  }

  // The two things the loop knows: the open groups, and how much of a \uN fallback is left.
  std::vector<Group> m_groups;
  std::int64_t m_skip = 0;
  std::string m_out;
  bool m_ended = false;
  const bool m_multiByte;
  bool m_refused = false;  // a byte a multi-byte reader would read otherwise than this filter
};

bool Policy::Take(const RtfToken& token) {
  if (token.kind == RtfTokenKind::Open) return Open();
  if (token.kind == RtfTokenKind::Close) {
    // The document's own group must have opened with {\rtf.
    if (m_groups.empty() || (m_groups.size() == 1 && !m_groups.back().braced)) return false;
    Close();
    return true;
  }
  if (m_groups.empty()) return false;  // nothing may stand outside the document's group
  if (m_groups.back().content == Content::Undecided && Decide(token)) return IsDocument();
  if (m_groups.back().content == Content::Shown) Show(token);
  return !m_refused;
}

bool Policy::Open() {
  if (m_groups.size() == kMaxRtfDepth) return false;
  m_skip = 0;
  if (m_groups.empty()) {
    m_groups.push_back({});
    return true;
  }
  const Group& parent = m_groups.back();
  if (parent.content == Content::Undecided) {
    Decide(RtfToken{RtfTokenKind::Open, {}, 0, false});
    if (!IsDocument()) return false;
  }
  const Group& holder = m_groups.back();
  Group group;
  group.within = holder.content;
  group.fallback = holder.fallback;
  group.table = holder.table;
  if (holder.content == Content::Dropped) group.content = Content::Dropped;
  m_groups.push_back(group);
  return true;
}

void Policy::Close() {
  m_skip = 0;
  const Group& group = m_groups.back();
  // A group left empty is no group: a second reading drops it the same way.
  if (group.braced && m_out.size() == group.start + 1) {
    m_out.pop_back();
  } else if (group.braced) {
    m_out += '}';
  }
  m_groups.pop_back();
  m_ended = m_groups.empty();
}

// A group's first token decides what it is: \* marks a destination that is dropped unless the
// window reads it; a destination's word opens it; anything else makes a group of text. True when
// the decision took the token.
// The document itself opens with {\rtf, in this case only.
bool Policy::DecideDocument(const RtfToken& token) {
  Group& group = m_groups.back();
  if (token.kind != RtfTokenKind::Word || token.text != "rtf" || group.starred) {
    group.content = Content::Dropped;
    return true;
  }
  Begin(Content::Shown, "rtf");
  if (token.hasParameter) m_out.insert(m_out.size() - 1, std::to_string(token.parameter));
  return true;
}

bool Policy::Decide(const RtfToken& token) {
  Group& group = m_groups.back();
  if (token.kind == RtfTokenKind::Symbol && token.text == "*" && !group.starred) {
    group.starred = true;
    return true;
  }
  if (m_groups.size() == 1) return DecideDocument(token);
  const RtfWord* word = token.kind == RtfTokenKind::Word ? FindRtfWord(token.text) : nullptr;
  const RtfRole role = word ? word->role : RtfRole::Shown;
  if (group.within == Content::Field || group.within == Content::Upr) {
    const RtfRole kept =
        group.within == Content::Field ? RtfRole::FieldResult : RtfRole::UprUnicode;
    if (word && role == kept) {
      Begin(Content::Shown);
    } else {
      group.content = Content::Dropped;
    }
    return true;
  }
  if (word && role == RtfRole::Table) {
    Begin(Content::Shown, word->spelling);
    group.table = true;
    return true;
  }
  if (word && (role == RtfRole::Field || role == RtfRole::Upr)) {
    Begin(role == RtfRole::Field ? Content::Field : Content::Upr);
    return true;
  }
  const bool text =
      role == RtfRole::Shown || role == RtfRole::Unicode || role == RtfRole::UnicodeSkip;
  if (group.starred || !text) {
    group.content = Content::Dropped;
    return true;
  }
  Begin(Content::Shown);
  return false;
}

void Policy::Show(const RtfToken& token) {
  if (m_skip > 0 && token.kind != RtfTokenKind::Open && token.kind != RtfTokenKind::Close) {
    if (token.kind == RtfTokenKind::Text &&
        static_cast<std::uint64_t>(m_skip) < token.text.size()) {
      const auto skipped = static_cast<std::size_t>(m_skip);
      m_skip = 0;
      Text(token.text.substr(skipped));
      return;
    }
    m_skip -= token.kind == RtfTokenKind::Text ? static_cast<std::int64_t>(token.text.size()) : 1;
    if (m_skip < 0) m_skip = 0;
    return;
  }
  switch (token.kind) {
    case RtfTokenKind::Word:
      if (const RtfWord* word = FindRtfWord(token.text)) Word(*word, token);
      break;
    case RtfTokenKind::Symbol:
      if ((token.text == "\\" || token.text == "{" || token.text == "}") && AfterHighByte()) {
        Byte(static_cast<unsigned char>(token.text[0]));
      } else if (token.text == "\\" || token.text == "{" || token.text == "}" ||
                 token.text == "~" || token.text == "-" || token.text == "_") {
        m_out += '\\';
        m_out += token.text;
      }
      break;
    case RtfTokenKind::Hex:
      Byte(static_cast<unsigned>(token.parameter));
      break;
    case RtfTokenKind::Text:
      Text(token.text);
      break;
    default:  // binary data is never text
      break;
  }
}

void Policy::Word(const RtfWord& word, const RtfToken& token) {
  Group& group = m_groups.back();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  switch (word.role) {
    case RtfRole::Shown:
      if (token.parameter < kMin || token.parameter > kMax) return;
      m_out += '\\';
      m_out += word.spelling;
      if (token.hasParameter) m_out += std::to_string(token.parameter);
      m_out += ' ';
      return;
    case RtfRole::Unicode:
      // One fallback of our own, for the one a reader skips by default; the document's own
      // fallback is skipped here, however long it says it is.
      if (!token.hasParameter || token.parameter < -32768 || token.parameter > 65535) return;
      m_out += "\\u";
      m_out += std::to_string(token.parameter);
      m_out += " ?";
      m_skip = group.fallback;
      return;
    case RtfRole::UnicodeSkip:
      if (token.hasParameter && token.parameter >= 0) group.fallback = token.parameter;
      return;
    default:
      // A destination's word inside a group of text: the rest of the group is no text.
      group.content = Content::Dropped;
      return;
  }
}

void Policy::Text(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      m_out += c;  // braces and backslashes are never in a run of text
    } else if (byte >= 0x80) {
      Byte(byte);
    } else if (c == '\t') {
      m_out += "\\tab ";
    }
  }
}

void Policy::Byte(unsigned byte) {
  if (byte >= 0x80 && m_multiByte) {
    // A font's name in its own script goes; the reader then finds a font by its character set.
    // Text it cannot decode refuses the document.
    if (!m_groups.back().table) m_refused = true;
    return;
  }
  m_out += "\\'";
  m_out += kHex[byte / 16];
  m_out += kHex[byte % 16];
}

bool OnlySpaceAfter(std::string_view rest) {
  // Editors end the file with a line break, WordPad with a NUL.
  return rest.find_first_not_of(std::string_view(" \t\r\n\0", 5)) == std::string_view::npos;
}

}  // namespace

std::optional<std::string> FilterRtf(std::string_view rtf) {
  RtfTokenizer tokens(rtf);
  Policy policy(rtf.size(), NamesMultiByte(rtf));
  bool started = false;
  while (!policy.Ended()) {
    const std::optional<RtfToken> token = tokens.Next();
    if (!token || token->kind == RtfTokenKind::End) return std::nullopt;
    if (!started && token->kind != RtfTokenKind::Open) return std::nullopt;
    started = true;
    if (!policy.Take(*token)) return std::nullopt;
  }
  if (!OnlySpaceAfter(tokens.Rest())) return std::nullopt;
  return std::move(policy).Output();
}

}  // namespace discgate
