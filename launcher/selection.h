#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace discgate {

enum class ContentKind { IndexPage, SplashProgram };

struct ContentChoice {
  ContentKind kind;
  std::string name;
};

// A start page: the name begins with exactly "index" or "Index", whatever follows.
bool IsIndexPage(std::string_view name);
// The splash program: exactly "splash.exe", in lower case.
bool IsSplashProgram(std::string_view name);

// Whether a name could have been made on Windows: no control character and none of " < > | * ?
// : / \. A stick or image written on another system can carry such names; they would change the
// meaning of a command line, so they are passed over like any name that matches no rule. So is a
// name that is not valid UTF-8: the platform hands over an unpaired surrogate, which Windows
// allows in a name, as it is, and no path built from it could name that file again.
bool IsWindowsFileName(std::string_view name);

// The first name, in the order given, that passes either rule; nothing when none does.
std::optional<ContentChoice> ChooseContent(const std::vector<std::string>& names);

}  // namespace discgate
