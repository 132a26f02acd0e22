#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace discgate {

// Windows error numbers the decisions need to tell apart. They are plain numbers here so that
// code without <windows.h> can compare against what the platform reports.
// platform/error_win.cpp checks each against the value in the Windows headers.
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorPathNotFound = 3;
inline constexpr std::uint32_t kErrorNotEnoughMemory = 8;
inline constexpr std::uint32_t kErrorInvalidData = 13;
inline constexpr std::uint32_t kErrorInvalidDrive = 15;
inline constexpr std::uint32_t kErrorNotReady = 21;
inline constexpr std::uint32_t kErrorRemoteNotListening = 51;
inline constexpr std::uint32_t kErrorBadNetPath = 53;
inline constexpr std::uint32_t kErrorUnexpectedNetError = 59;
inline constexpr std::uint32_t kErrorNetNameDeleted = 64;
inline constexpr std::uint32_t kErrorBadNetName = 67;
inline constexpr std::uint32_t kErrorFileExists = 80;
inline constexpr std::uint32_t kErrorFileTooLarge = 223;
inline constexpr std::uint32_t kErrorNoAssociation = 1155;
inline constexpr std::uint32_t kErrorNoNetwork = 1222;
inline constexpr std::uint32_t kErrorCancelled = 1223;
inline constexpr std::uint32_t kErrorNetworkUnreachable = 1231;

// What the program was doing when a failure happened. The report words it in the reader's
// language, so it travels as a value, with the file or folder it concerns as its subject.
enum class Action : std::uint8_t {
  None,
  ReadLicence,
  ShowLicence,  // the licence is too large to show
  ReadRtf,      // the licence is not RTF that can be shown
  FindProgramFolder,
  ReadFolder,
  Start,
  Open,
  CreateWindow,
  GoOn,  // memory ran out
  Print,
  SaveCopy,     // the subject is the copy's file
  CopyLicence,  // the licence's file changed since it was shown
  // A file of a sealed disc, the subject, is not as it was released:
  FileMissing,     // not there: the copy is incomplete
  FileChanged,     // its bytes differ from the seal's; no system error says more
  FileUnreadable,  // a read failed: the disc may be damaged; the user may try again
  SealNotValid,    // the seal itself holds a line the program does not take
  DiscChanged,     // the program's disc is no longer the one in the drive
};

// A failure as the user is told of it: the system's error number with its message, and what the
// program was trying to do when it happened.
struct Error {
  std::uint32_t code = 0;
  std::string description;
  Action action = Action::None;
  std::string subject;
};

inline Error WithAction(Error error, Action action, std::string subject = {}) {
  error.action = action;
  error.subject = std::move(subject);
  return error;
}

class [[nodiscard]] Status {
 public:
  Status() = default;
  // Implicit, so that a function returning Status can simply return an Error.
  // cppcheck-suppress noExplicitConstructor
  Status(Error error) : m_error(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return !m_error.has_value(); }
  const Error& error() const { return *m_error; }

 private:
  std::optional<Error> m_error;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  // Implicit, so that a function returning Result<T> can simply return a T or an Error.
  // cppcheck-suppress noExplicitConstructor
  Result(T value) : m_value(std::move(value)) {}  // NOLINT(google-explicit-constructor)
  // cppcheck-suppress noExplicitConstructor
  Result(Error error) : m_error(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return m_value.has_value(); }
  T& value() { return *m_value; }
  const T& value() const { return *m_value; }
  const Error& error() const { return m_error; }

 private:
  std::optional<T> m_value;
  Error m_error;
};

}  // namespace discgate
