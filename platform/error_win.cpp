#include "platform/error_win.h"

#include <string>

#include "platform/text_win.h"

namespace discgate {

// The numbers the decisions compare against, copied without <windows.h>, must be Windows' own.
static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(kErrorNoAssociation == ERROR_NO_ASSOCIATION);
static_assert(kErrorPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(kErrorNotEnoughMemory == ERROR_NOT_ENOUGH_MEMORY);
static_assert(kErrorInvalidData == ERROR_INVALID_DATA);
static_assert(kErrorInvalidDrive == ERROR_INVALID_DRIVE);
static_assert(kErrorNotReady == ERROR_NOT_READY);
static_assert(kErrorRemoteNotListening == ERROR_REM_NOT_LIST);
static_assert(kErrorBadNetPath == ERROR_BAD_NETPATH);
static_assert(kErrorUnexpectedNetError == ERROR_UNEXP_NET_ERR);
static_assert(kErrorNetNameDeleted == ERROR_NETNAME_DELETED);
static_assert(kErrorBadNetName == ERROR_BAD_NET_NAME);
static_assert(kErrorFileExists == ERROR_FILE_EXISTS);
static_assert(kErrorCancelled == ERROR_CANCELLED);
static_assert(kErrorFileTooLarge == ERROR_FILE_TOO_LARGE);
static_assert(kErrorNoNetwork == ERROR_NO_NETWORK);
static_assert(kErrorNetworkUnreachable == ERROR_NETWORK_UNREACHABLE);

Error SystemError(DWORD code, std::string_view subject) {
  // The report says in the reader's language that no reason was given, or that it is unknown.
  if (code == ERROR_SUCCESS) return Error{0, {}, {}, std::string(subject)};
  // Without its inserts: a message may hold %10 or a typed insert such as %1!d!, which would be
  // read from arguments that are not there. The report fills the plain ones with the subject.
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring message(buffer ? buffer : L"", buffer ? length : 0);
  ::LocalFree(buffer);
  while (!message.empty() &&
         (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
    message.pop_back();
  }
  return Error{code, Narrow(message), {}, std::string(subject)};
}

Error LastError(std::string_view subject) { return SystemError(::GetLastError(), subject); }

}  // namespace discgate
