#include "launcher/start_file_checks.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <tuple>

#include "launcher/ascii.h"
#include "launcher/disc_report.h"
#include "launcher/licence_loader.h"
#include "launcher/paths.h"

namespace discgate {
namespace {

constexpr unsigned kMachineX86 = 0x014C;
// The headers of any program lie within its first pages.
constexpr std::size_t kHeadBytes = 4096;

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::string HeadOf(Platform& platform, const std::string& path) {
  Result<std::unique_ptr<HeldFile>> held = platform.HoldFile(path);
  if (!held.ok()) return {};
  std::string head(kHeadBytes, '\0');
  std::size_t done = 0;
  while (done < head.size()) {
    const Result<std::size_t> read = held.value()->Read(head.data() + done, head.size() - done);
    if (!read.ok() || read.value() == 0) break;
    done += read.value();
  }
  head.resize(done);
  return head;
}

// Where a value that begins at `at` in a lower-case page starts loading from the web.
bool FromTheWeb(std::string_view lower, std::size_t at) {
  while (at < lower.size() && (lower[at] == ' ' || lower[at] == '"' || lower[at] == '\'')) ++at;
  const std::string_view rest = lower.substr(at);
  return rest.starts_with("http://") || rest.starts_with("https://") || rest.starts_with("//");
}

// Whether a tag (from "<" to ">") has an attribute `name` whose value comes from the web.
bool TagLoadsFromTheWeb(std::string_view tag, std::string_view name) {
  for (std::size_t at = tag.find(name); at != std::string_view::npos; at = tag.find(name, at + 1)) {
    const bool whole = at > 0 && (tag[at - 1] == ' ' || tag[at - 1] == '\t' || tag[at - 1] == '\n');
    std::size_t value = at + name.size();
    while (value < tag.size() && tag[value] == ' ') ++value;
    if (whole && value < tag.size() && tag[value] == '=' && FromTheWeb(tag, value + 1)) return true;
  }
  return false;
}

}  // namespace

unsigned ProgramMachine(std::string_view head) {
  if (head.size() < 0x40 || !head.starts_with("MZ")) return 0;
  const std::uint32_t pe = Little(head, 0x3C, 4);
  if (pe > head.size() - 6 || head.substr(pe, 4) != std::string_view("PE\0\0", 4)) return 0;
  return Little(head, pe + 4, 2);
}

std::vector<WebLoad> WebLoads(std::string_view page) {
  const std::string lower = ToLowerAscii(page);
  std::vector<std::pair<std::size_t, const char*>> found;  // where, and what it loads
  for (const auto& [open, attribute, what] :
       {std::tuple{"<script", "src", "a script"}, {"<link", "href", "a style sheet or font"}}) {
    for (std::size_t at = lower.find(open); at != std::string::npos;
         at = lower.find(open, at + 1)) {
      const std::size_t end = lower.find('>', at);
      if (TagLoadsFromTheWeb(std::string_view(lower).substr(at, end - at), attribute)) {
        found.emplace_back(at, what);
      }
    }
  }
  for (const std::string_view open : {"url(", "@import"}) {
    for (std::size_t at = lower.find(open); at != std::string::npos;
         at = lower.find(open, at + 1)) {
      if (FromTheWeb(lower, at + open.size())) found.emplace_back(at, "a style or font");
    }
  }
  std::sort(found.begin(), found.end());
  std::vector<WebLoad> loads;
  std::size_t line = 1;
  std::size_t counted = 0;
  for (const auto& [at, what] : found) {
    line +=
        static_cast<std::size_t>(std::count(lower.begin() + static_cast<std::ptrdiff_t>(counted),
                                            lower.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    counted = at;
    loads.push_back({line, what});
  }
  return loads;
}

std::vector<std::string> StartFileWarnings(Platform& platform, const std::string& folder,
                                           const ContentChoice& choice) {
  std::vector<std::string> warnings;
  const std::string path = JoinPath(folder, choice.name);
  const std::string name = Printable(choice.name);
  if (choice.kind == ContentKind::SplashProgram) {
    const unsigned machine = ProgramMachine(HeadOf(platform, path));
    if (machine == 0) {
      warnings.push_back("warning: " + name + ": it is not a Windows program");
    } else if (machine != kMachineX86) {
      constexpr char kHex[] = "0123456789ABCDEF";
      std::string hex;
      for (const int shift : {12, 8, 4, 0}) hex += kHex[(machine >> shift) & 0xF];
      warnings.push_back("warning: " + name + ": it is not a 32-bit x86 program (machine 0x" + hex +
                         "): it does not start on 32-bit Windows or on Windows 10 on Arm");
    }
    return warnings;
  }
  const Result<std::string> page = platform.ReadWholeFile(path, kMaxLicenceBytes);
  if (!page.ok()) return warnings;
  const std::vector<WebLoad> loads = WebLoads(page.value());
  std::transform(
      loads.begin(), loads.end(), std::back_inserter(warnings), [&name](const WebLoad& load) {
        return "warning: " + name + ":" + std::to_string(load.line) + ": it loads " + load.what +
               " from the web: the disc then needs a network, which its users may "
               "not have";
      });
  return warnings;
}

}  // namespace discgate
