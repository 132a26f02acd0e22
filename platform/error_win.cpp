#include "platform/error_win.h"

#include <string>

#include "platform/text_win.h"

namespace discgate {

// The numbers the decisions compare against, copied without <windows.h>, must be Windows' own.
static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(kErrorPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(kErrorNotEnoughMemory == ERROR_NOT_ENOUGH_MEMORY);
static_assert(kErrorInvalidDrive == ERROR_INVALID_DRIVE);
static_assert(kErrorNotReady == ERROR_NOT_READY);
static_assert(kErrorRemoteNotListening == ERROR_REM_NOT_LIST);
static_assert(kErrorBadNetPath == ERROR_BAD_NETPATH);
static_assert(kErrorUnexpectedNetError == ERROR_UNEXP_NET_ERR);
static_assert(kErrorNetNameDeleted == ERROR_NETNAME_DELETED);
static_assert(kErrorBadNetName == ERROR_BAD_NET_NAME);
static_assert(kErrorFileExists == ERROR_FILE_EXISTS);
static_assert(kErrorFileTooLarge == ERROR_FILE_TOO_LARGE);
static_assert(kErrorNoNetwork == ERROR_NO_NETWORK);
static_assert(kErrorNetworkUnreachable == ERROR_NETWORK_UNREACHABLE);

Error SystemError(DWORD code, std::string_view subject) {
  // The report says in the reader's language that no reason was given, or that it is unknown.
  if (code == ERROR_SUCCESS) return Error{0, {}, {}, {}};
  // Messages may hold inserts (%1 to %9); every one of them is the subject.
  const std::wstring insert = subject.empty() ? std::wstring(L"the file") : Widen(subject);
  const DWORD_PTR inserts[9] = {
      reinterpret_cast<DWORD_PTR>(insert.c_str()), reinterpret_cast<DWORD_PTR>(insert.c_str()),
      reinterpret_cast<DWORD_PTR>(insert.c_str()), reinterpret_cast<DWORD_PTR>(insert.c_str()),
      reinterpret_cast<DWORD_PTR>(insert.c_str()), reinterpret_cast<DWORD_PTR>(insert.c_str()),
      reinterpret_cast<DWORD_PTR>(insert.c_str()), reinterpret_cast<DWORD_PTR>(insert.c_str()),
      reinterpret_cast<DWORD_PTR>(insert.c_str())};
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ARGUMENT_ARRAY,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0,
      reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(inserts)));
  std::wstring message(buffer ? buffer : L"", buffer ? length : 0);
  ::LocalFree(buffer);
  while (!message.empty() &&
         (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
    message.pop_back();
  }
  return Error{code, Narrow(message), {}, {}};
}

Error LastError(std::string_view subject) { return SystemError(::GetLastError(), subject); }

}  // namespace discgate
