#include "launcher/licence_copy.h"

#include <algorithm>

namespace discgate {

Result<std::string> LicenceAsShown(Platform& platform, const Licence& licence) {
  Result<std::string> bytes = platform.ReadWholeFile(licence.path, kMaxLicenceBytes);
  if (!bytes.ok()) return WithAction(bytes.error(), Action::ReadLicence, licence.path);
  if (Sha256(bytes.value()) != licence.digest) {
    return Error{kErrorInvalidData, {}, Action::CopyLicence, licence.path};
  }
  return ShownText(platform, licence.path, licence.rtf, bytes.value());
}

std::string CopyFileName(std::string_view licencePath) {
  const std::size_t slash = licencePath.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? licencePath : licencePath.substr(slash + 1));
}

std::string PlainCopy(std::string_view text) {
  std::string copy = "\xEF\xBB\xBF";
  copy.reserve(text.size() + text.size() / 16 + 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\r' || c == '\n') {
      copy += "\r\n";
    } else {
      copy += c;
    }
  }
  return copy;
}

PageRange PagesThere(PageRange chosen, int pages) {
  return {std::max(chosen.first, 1), std::min(chosen.last, pages)};
}

std::string PageNumber(int page, int pages) {
  return std::to_string(page) + " / " + std::to_string(pages);
}

}  // namespace discgate
