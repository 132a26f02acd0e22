#pragma once

#include <string>
#include <string_view>

#include "launcher/ui_texts.h"
#include "platform/result.h"

namespace discgate {

// How a path inserted into a right-to-left report is kept reading as it is: wrapped in a
// directional isolate, or, on systems that predate isolates, in a left-to-right embedding.
enum class Isolation { Isolate, Embedding };

// What could not be done, in the reader's language; empty when the error names nothing.
std::string ActionText(const Error& error, const UiLanguage& language,
                       Isolation isolation = Isolation::Isolate);

// What the report of a failure says: what could not be done, then the Windows error number and
// its description, the description's inserts filled with the error's subject. Error 0 would read
// "the operation completed successfully", so for it only a description is given.
std::string ReportText(const Error& error, const UiLanguage& language,
                       Isolation isolation = Isolation::Isolate);

// A system description with its inserts filled, in one pass: each plain %1 to %9 is the subject.
// An insert the description gives a type (%1!d!) or a number from 10 on is left out: it would be
// read from arguments that are not there. A subject holding "%1" stays as it is.
std::string FillInserts(std::string_view description, std::string_view subject);

}  // namespace discgate
