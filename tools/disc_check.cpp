// Tells a disc author what accepting the agreement would start on a disc, by the program's own
// rules, and which names look meant to start but never will:
//
//   disc-check FOLDER
//
// prints "starts: NAME" or "starts: nothing", then "near miss: NAME: why" for each near miss.
// The folder's files are taken in code-point order, the order a CD lists them in. A control
// character in a name is printed as \xNN, so every name stays on its own line.
#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "launcher/ascii.h"
#include "launcher/selection.h"

namespace {

std::string Printable(const std::string& name) {
  std::ostringstream out;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      out << "\\x" << std::hex << std::uppercase << std::setw(2) << std::setfill('0')
          << static_cast<int>(byte);
    } else {
      out << c;
    }
  }
  return out.str();
}

// Why a name that looks like a start page or the splash program is never started; nothing for a
// name that starts when it comes first, or that looks like neither.
std::optional<const char*> WhyNeverStarted(const std::string& name) {
  using discgate::IsIndexPage;
  using discgate::IsSplashProgram;
  if (discgate::ChooseContent({name})) return std::nullopt;
  if (IsIndexPage(name) || IsSplashProgram(name)) {
    return "it holds a character that Windows forbids in a file name";
  }
  const std::string lower = discgate::ToLowerAscii(name);
  if (lower.rfind("index", 0) == 0) {
    return R"(a start page's name must begin with exactly "index" or "Index")";
  }
  if (lower == "splash.exe") return R"(the splash program must be named exactly "splash.exe")";
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: disc-check FOLDER\n";
    return 2;
  }
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(argv[1], error), end; !error && entry != end;
       entry.increment(error)) {
    // Folders are never started; neither is anything that is not a plain file on the disc.
    if (entry->is_regular_file(error) && !entry->is_symlink(error)) {
      names.push_back(entry->path().filename().string());
    }
  }
  if (error) {
    std::cerr << "disc-check: " << argv[1] << ": " << error.message() << "\n";
    return 2;
  }
  // Byte order of UTF-8 is code-point order.
  std::sort(names.begin(), names.end());
  const auto choice = discgate::ChooseContent(names);
  std::cout << "starts: " << (choice ? Printable(choice->name) : "nothing") << "\n";
  for (const std::string& name : names) {
    if (const auto why = WhyNeverStarted(name)) {
      std::cout << "near miss: " << Printable(name) << ": " << *why << "\n";
    }
  }
  return 0;
}
