#include "platform/error_win.h"

#include <string>

#include "platform/text_win.h"

namespace discgate {

Error SystemError(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring message(buffer ? buffer : L"", length);
  ::LocalFree(buffer);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ')) {
    message.pop_back();
  }
  if (message.empty()) message = L"Unknown error.";
  return Error{code, Narrow(message), {}};
}

Error LastError() { return SystemError(::GetLastError()); }

}  // namespace discgate
