#include "launcher/report_text.h"

namespace discgate {

std::string ReportText(const Error& error) {
  std::string text = error.action;
  if (!text.empty()) text += "\r\n\r\n";
  if (error.code != 0) text += "Error " + std::to_string(error.code) + ": ";
  return text + error.description;
}

}  // namespace discgate
