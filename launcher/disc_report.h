#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace discgate {

// What the program would do with a disc, by its own rules, for the disc's author to read: one
// line each, a control character in a name written as \xNN.
//
//   starts: NAME | starts: nothing      what accepting starts
//   warning: NAME...: why               what the author should know of it
//                                       (launcher/start_file_checks.h)
//   near miss: NAME: why                a name that looks meant to start but never will
//   licence: TAG: NAME                  the licence a reader of that language gets; "other
//                                       languages" for everyone else
//   refused: NAME: why                  a licence the program would refuse to show
//
// `names` are the files at the disc's root in the order the disc lists them; the licences are
// read through `platform` from `folder`.
// A name as a report line shows it: a control character as \xNN.
std::string Printable(std::string_view name);

std::vector<std::string> DiscReport(Platform& platform, const std::string& folder,
                                    const std::vector<std::string>& names);

}  // namespace discgate
