#include "launcher/report_text.h"

#include <algorithm>
#include <iterator>

#include "launcher/ascii.h"
#include "launcher/licence_loader.h"

namespace discgate {
namespace {

// What each failure is called in a report, and whether a system error tells why it happened.
// The seal's own findings have none: the report is the finding alone.
struct ActionName {
  UiText text;
  Action action;
  bool systemError = true;
};
constexpr ActionName kActionNames[] = {
    {.text = &UiTextRow::couldNotReadLicence, .action = Action::ReadLicence},
    {.text = &UiTextRow::licenceTooLarge, .action = Action::ShowLicence},
    {.text = &UiTextRow::licenceNotRtf, .action = Action::ReadRtf},
    {.text = &UiTextRow::couldNotFindProgramFolder, .action = Action::FindProgramFolder},
    {.text = &UiTextRow::couldNotReadFolder, .action = Action::ReadFolder},
    {.text = &UiTextRow::couldNotStart, .action = Action::Start},
    {.text = &UiTextRow::couldNotOpen, .action = Action::Open},
    {.text = &UiTextRow::couldNotCreateWindow, .action = Action::CreateWindow},
    {.text = &UiTextRow::notEnoughMemory, .action = Action::GoOn},
    {.text = &UiTextRow::couldNotPrint, .action = Action::Print},
    {.text = &UiTextRow::couldNotSave, .action = Action::SaveCopy},
    {.text = &UiTextRow::licenceChanged, .action = Action::CopyLicence},
    {.text = &UiTextRow::fileMissing, .action = Action::FileMissing},
    {.text = &UiTextRow::fileChanged, .action = Action::FileChanged, .systemError = false},
    {.text = &UiTextRow::fileUnreadable, .action = Action::FileUnreadable},
    {.text = &UiTextRow::sealNotValid, .action = Action::SealNotValid, .systemError = false},
    {.text = &UiTextRow::discChanged, .action = Action::DiscChanged, .systemError = false},
};

const ActionName& NameOf(Action action) {
  static constexpr ActionName kOutOfMemory{.text = &UiTextRow::notEnoughMemory,
                                           .action = Action::GoOn};
  const auto* found =
      std::find_if(std::begin(kActionNames), std::end(kActionNames),
                   [action](const ActionName& each) { return each.action == action; });
  return found != std::end(kActionNames) ? *found : kOutOfMemory;
}

// The code point of the bidirectional control that starts `text`, as UTF-8, or 0: the marks
// (U+200E, U+200F, U+061C), embeddings and overrides (U+202A-U+202E) and isolates (U+2066-U+2069).
char32_t BidiControlAt(std::string_view text) {
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (text.size() >= 2 && byte(0) == 0xD8 && byte(1) == 0x9C) return 0x061C;
  if (text.size() < 3 || byte(0) != 0xE2) return 0;
  const char32_t code = 0x2000 + ((byte(1) & 0x3F) << 6) + (byte(2) & 0x3F);
  const bool control = code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
                       (code >= 0x2066 && code <= 0x2069);
  return control ? code : 0;
}

// A name that reorders the text around it would make a report say another file: each such
// control in it is shown as what it is, <U+202E>.
std::string WithBidiControlsShown(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  for (std::size_t i = 0; i < path.size();) {
    const char32_t code = BidiControlAt(path.substr(i));
    if (code == 0) {
      out += path[i++];
      continue;
    }
    constexpr char kHex[] = "0123456789ABCDEF";
    out += "<U+";
    for (const int shift : {12, 8, 4, 0}) out += kHex[(code >> shift) & 0xF];
    out += '>';
    i += code == 0x061C ? 2 : 3;
  }
  return out;
}

// A path in a right-to-left report reads as it is, left to right: without this the bidirectional
// algorithm reorders its parts around Arabic or Hebrew folder names, or after a U+202E in a name.
std::string Isolated(std::string_view path, const UiLanguage& language, Isolation isolation) {
  if (!language.RightToLeft() || path.empty()) return std::string(path);
  const bool isolate = isolation == Isolation::Isolate;
  // U+2068 FIRST STRONG ISOLATE ... U+2069 POP DIRECTIONAL ISOLATE, or U+202A LEFT-TO-RIGHT
  // EMBEDDING ... U+202C POP DIRECTIONAL FORMATTING, as UTF-8: each opened here is closed here.
  // NOLINTBEGIN(misc-misleading-bidirectional)
  const std::string_view open = isolate ? "\xE2\x81\xA8" : "\xE2\x80\xAA";
  const std::string_view close = isolate ? "\xE2\x81\xA9" : "\xE2\x80\xAC";
  // NOLINTEND(misc-misleading-bidirectional)
  return std::string(open) + std::string(path) + std::string(close);
}

std::string Shown(std::string_view path, const UiLanguage& language, Isolation isolation) {
  return Isolated(WithBidiControlsShown(path), language, isolation);
}

}  // namespace

std::string FillInserts(std::string_view description, std::string_view subject) {
  std::string out;
  out.reserve(description.size() + subject.size());
  for (std::size_t i = 0; i < description.size(); ++i) {
    if (description[i] != '%' || i + 1 >= description.size() || !IsAsciiDigit(description[i + 1]) ||
        description[i + 1] == '0') {
      out += description[i];
      continue;
    }
    std::size_t end = i + 1;
    while (end < description.size() && IsAsciiDigit(description[end])) ++end;
    const bool typed = end < description.size() && description[end] == '!';
    if (typed) {
      const std::size_t close = description.find('!', end + 1);
      end = close == std::string_view::npos ? description.size() : close + 1;
    } else if (end == i + 2) {
      out += subject;
    }
    i = end - 1;
  }
  return out;
}

std::string ActionText(const Error& error, const UiLanguage& language, Isolation isolation) {
  if (error.action == Action::None) return {};
  return Format(language[NameOf(error.action).text], Shown(error.subject, language, isolation),
                std::to_string(kMaxLicenceBytes >> 20));
}

std::string ReportText(const Error& error, const UiLanguage& language, Isolation isolation) {
  std::string text = ActionText(error, language, isolation);
  if (!NameOf(error.action).systemError) return text;
  if (!text.empty()) text += "\r\n\r\n";
  if (error.code == 0) return text + std::string(language[&UiTextRow::noReason]);
  text += Format(language[&UiTextRow::errorNumber], std::to_string(error.code));
  if (error.description.empty()) return text + std::string(language[&UiTextRow::unknownError]);
  return text + FillInserts(error.description, Shown(error.subject, language, isolation));
}

}  // namespace discgate
