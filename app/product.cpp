#include "app/product.h"

#include <iterator>

#include "app/resource.h"
#include "platform/text_win.h"

namespace discgate {

std::string LoadProductName(HINSTANCE instance) {
  wchar_t name[kMaxProductLength + 1] = {};
  const int length = ::LoadStringW(instance, IDS_PRODUCT, name, static_cast<int>(std::size(name)));
  return length > 0 ? Narrow(std::wstring_view(name, static_cast<std::size_t>(length))) : "";
}

}  // namespace discgate
