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

BuiltInSeal LoadBuiltInSeal(HINSTANCE instance) {
  const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(IDR_SEAL), RT_RCDATA);
  const HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return {true, {}};
  return ReadBuiltInSeal(
      std::string_view(static_cast<const char*>(bytes), ::SizeofResource(instance, found)));
}

}  // namespace discgate
