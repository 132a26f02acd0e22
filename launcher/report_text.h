#pragma once

#include <string>

#include "launcher/ui_texts.h"
#include "platform/result.h"

namespace discgate {

// What could not be done, in the reader's language; empty when the error names nothing.
std::string ActionText(const Error& error, const UiLanguage& language);

// What the report of a failure says: what could not be done, then the Windows error number and
// its description. Error 0 would read "the operation completed successfully", so for it only a
// description is given.
std::string ReportText(const Error& error, const UiLanguage& language);

}  // namespace discgate
