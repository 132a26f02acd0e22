#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "launcher/seal.h"
#include "launcher/selection.h"
#include "platform/platform.h"

namespace discgate {

// What accepting starts on a sealed disc, checked: the file the start rule takes from the
// folder's listing among the names the seal lists, held open from its check until it has been
// started, so that the bytes checked are the bytes started.
struct CheckedStart {
  std::optional<ContentChoice> choice;  // none: the disc starts nothing
  std::unique_ptr<HeldFile> held;
};

// Lists the program's folder, passes over every name the seal does not list, chooses by the start
// rule and checks the chosen file against the seal. A file the seal names as a start file that
// the folder lacks is reported missing, as a disc copied in part would otherwise start something
// else or nothing. Gives up once `stop` is set. Runs on a thread of its own: it touches nothing
// but `platform`, which must allow that, and its arguments.
Result<CheckedStart> CheckStart(Platform& platform, const std::string& folder, const Seal& seal,
                                const std::atomic<bool>& stop);

// What accepting does on a sealed disc once the check is done: starts the checked file.
Status StartChecked(Platform& platform, const std::string& folder, CheckedStart checked);

}  // namespace discgate
