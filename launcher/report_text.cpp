#include "launcher/report_text.h"

#include "launcher/licence_loader.h"

namespace discgate {
namespace {

UiText TextOf(Action action) {
  switch (action) {
    case Action::ReadLicence:
      return UiText::CouldNotReadLicence;
    case Action::ShowLicence:
      return UiText::LicenceTooLarge;
    case Action::ReadRtf:
      return UiText::LicenceNotRtf;
    case Action::FindProgramFolder:
      return UiText::CouldNotFindProgramFolder;
    case Action::ReadFolder:
      return UiText::CouldNotReadFolder;
    case Action::Start:
      return UiText::CouldNotStart;
    case Action::Open:
      return UiText::CouldNotOpen;
    case Action::CreateWindow:
      return UiText::CouldNotCreateWindow;
    case Action::GoOn:
    case Action::None:  // names nothing; ActionText says nothing for it
      break;
  }
  return UiText::NotEnoughMemory;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

}  // namespace

std::string FillInserts(std::string_view description, std::string_view subject) {
  std::string out;
  out.reserve(description.size() + subject.size());
  for (std::size_t i = 0; i < description.size(); ++i) {
    if (description[i] != '%' || i + 1 >= description.size() || !IsDigit(description[i + 1]) ||
        description[i + 1] == '0') {
      out += description[i];
      continue;
    }
    std::size_t end = i + 1;
    while (end < description.size() && IsDigit(description[end])) ++end;
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
  return Format(language[TextOf(error.action)], Isolated(error.subject, language, isolation),
                std::to_string(kMaxLicenceBytes >> 20));
}

std::string ReportText(const Error& error, const UiLanguage& language, Isolation isolation) {
  std::string text = ActionText(error, language, isolation);
  if (!text.empty()) text += "\r\n\r\n";
  if (error.code == 0) return text + std::string(language[UiText::NoReason]);
  text += Format(language[UiText::ErrorNumber], std::to_string(error.code));
  if (error.description.empty()) return text + std::string(language[UiText::UnknownError]);
  return text + FillInserts(error.description, Isolated(error.subject, language, isolation));
}

}  // namespace discgate
