#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace discgate::testing {

// Splits a command line into arguments the way a started program's C runtime (and
// CommandLineToArgvW) does, after Microsoft's documented rules, so a test can see what the browser
// receives:
// - The program name comes first and ends at the first blank, or is the text between a pair of
//   double quotes; backslashes mean nothing in it. A line that begins with a blank has an empty
//   program name.
// - Then arguments are separated by spaces or tabs; double quotes group, and may stand inside an
//   argument.
// - 2n backslashes before a double quote give n backslashes, and the quote groups; 2n + 1 give n
//   backslashes and a literal quote. Backslashes anywhere else are literal.
// - Inside quotes, two double quotes give one literal quote.
inline std::vector<std::string> SplitLikeTheCRuntime(std::string_view line) {
  std::vector<std::string> arguments;
  std::size_t at = 0;
  std::string name;
  if (at < line.size() && line[at] == '"') {
    const std::size_t end = line.find('"', at + 1);
    name =
        line.substr(at + 1, end == std::string_view::npos ? std::string_view::npos : end - at - 1);
    at = end == std::string_view::npos ? line.size() : end + 1;
  }
  while (at < line.size() && line[at] != ' ' && line[at] != '\t') name += line[at++];
  arguments.push_back(name);

  for (;;) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    if (at >= line.size()) return arguments;
    std::string argument;
    bool quoted = false;
    while (at < line.size() && (quoted || (line[at] != ' ' && line[at] != '\t'))) {
      std::size_t backslashes = 0;
      while (at < line.size() && line[at] == '\\') ++backslashes, ++at;
      if (at < line.size() && line[at] == '"') {
        argument.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) {
          argument += '"';
        } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
          argument += '"';
          ++at;
        } else {
          quoted = !quoted;
        }
        ++at;
      } else {
        argument.append(backslashes, '\\');
        if (at < line.size() && (quoted || (line[at] != ' ' && line[at] != '\t'))) {
          argument += line[at++];
        }
      }
    }
    arguments.push_back(argument);
  }
}

}  // namespace discgate::testing
