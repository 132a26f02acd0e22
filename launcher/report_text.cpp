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

}  // namespace

std::string ActionText(const Error& error, const UiLanguage& language) {
  if (error.action == Action::None) return {};
  return Format(language[TextOf(error.action)], error.subject,
                std::to_string(kMaxLicenceBytes >> 20));
}

std::string ReportText(const Error& error, const UiLanguage& language) {
  std::string text = ActionText(error, language);
  if (!text.empty()) text += "\r\n\r\n";
  if (error.code == 0) return text + std::string(language[UiText::NoReason]);
  text += Format(language[UiText::ErrorNumber], std::to_string(error.code));
  return text + (error.description.empty() ? std::string(language[UiText::UnknownError])
                                           : error.description);
}

}  // namespace discgate
