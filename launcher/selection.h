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

// The first name, in the order given, that passes either rule; nothing when none does.
std::optional<ContentChoice> ChooseContent(const std::vector<std::string>& names);

}  // namespace discgate
