// Any bytes as a licence file: the text box must get valid UTF-8 with no NUL (which would cut it
// short) and only CR LF line breaks, and decoding it again must change nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "launcher/licence_text.h"
#include "tests/unit/latin1.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = discgate::DecodeLicence(bytes, discgate::testing::Latin1ToUtf8);

  Require(discgate::IsValidUtf8(text));
  Require(text.find('\0') == std::string::npos);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') Require(i + 1 < text.size() && text[i + 1] == '\n');
    if (text[i] == '\n') Require(i > 0 && text[i - 1] == '\r');
  }
  Require(discgate::NormaliseLicenceText(text) == text);
  return 0;
}
