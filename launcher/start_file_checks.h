#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "launcher/selection.h"
#include "platform/platform.h"

namespace discgate {

// What a disc author should know of the file accepting starts, one warning each:
//
//   warning: splash.exe: it is not a 32-bit x86 program (machine 0x8664): ...
//   warning: index.htm:LINE: it loads a script from http://...: ...
//
// A splash program built for another processor does not start on 32-bit Windows, nor on
// Windows 10 on Arm (which runs only x86 code of its own); a start page that loads its scripts,
// styles or fonts from the web needs a network the disc's users may not have.
std::vector<std::string> StartFileWarnings(Platform& platform, const std::string& folder,
                                           const ContentChoice& choice);

// The machine a Windows program's headers name (0x014C for 32-bit x86), or 0 for bytes that
// are not the start of a Windows program.
unsigned ProgramMachine(std::string_view head);

// The lines of a page, numbered from 1, on which it loads a script, a style sheet or a font
// from http:// or https://, each with what it loads.
struct WebLoad {
  std::size_t line;
  std::string what;  // "a script", "a style sheet or font", "a style sheet or font by url()"
};
std::vector<WebLoad> WebLoads(std::string_view page);

}  // namespace discgate
