#include "platform/platform_win.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "platform/com_apartment.h"
#include "platform/error_win.h"
#include "platform/shell_codes.h"
#include "platform/system_functions.h"
#include "platform/text_win.h"
#include "platform/trim_at_null.h"
#include "platform/unique_handle.h"

namespace discgate {
namespace {

// A path as the file functions take it beyond MAX_PATH characters: "\\?\" turns off the
// length limit (and all other path parsing, so only full paths get it).
std::wstring FileApiPath(const std::string& path) {
  std::wstring wide = Widen(path);
  if (wide.size() < MAX_PATH - 12) return wide;  // room for the "\\*" or file name added later
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
  if (wide.starts_with(L"\\\\") && !wide.starts_with(L"\\\\?\\")) {
    return L"\\\\?\\UNC\\" + wide.substr(2);
  }
  return wide;
}

// Open for the lifetime of the object; the system deletes the file when the handle closes.
class WinTemporaryFile final : public TemporaryFile {
 public:
  explicit WinTemporaryFile(UniqueFile file) : m_file(std::move(file)) {}

 private:
  UniqueFile m_file;
};

// Read-only sharing: while this handle is open, no one can open the file to write it, and no
// one can delete or rename it (that needs delete sharing). Opening fails while anyone holds it
// open for writing already.
class WinHeldFile final : public HeldFile {
 public:
  explicit WinHeldFile(UniqueFile file) : m_file(std::move(file)) {}

  Result<std::size_t> Read(char* buffer, std::size_t size) override {
    DWORD read = 0;
    if (!::ReadFile(m_file.get(), buffer, static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30)),
                    &read, nullptr)) {
      return LastError();
    }
    return std::size_t{read};
  }

 private:
  UniqueFile m_file;
};

// What the shell's "open" answered: whether it started something, else its last error and its
// old-style code (hInstApp).
struct ShellAnswer {
  bool started;
  DWORD error;
  DWORD code;
};

// The shell's "open" on a file. With a class, the class decides the handler, not the file's name.
ShellAnswer ShellExecuteOpen(HWND owner, const std::string& file, const std::string& folder,
                             const wchar_t* fileClass) {
  const std::wstring wideFile = Widen(file);
  const std::wstring wideFolder = Widen(folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // No UI: a failure is reported once, by us. No async: the program ends right after this call.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC | (fileClass ? SEE_MASK_CLASSNAME : 0);
  info.hwnd = owner;
  info.lpVerb = L"open";
  info.lpFile = wideFile.c_str();
  info.lpDirectory = wideFolder.empty() ? nullptr : wideFolder.c_str();
  info.lpClass = fileClass;
  info.nShow = SW_SHOWNORMAL;
  const auto shellExecute = os::ShellExecuteExW();
  if (!shellExecute) return {false, ::GetLastError(), 0};
  const ComApartment com;
  if (shellExecute(&info)) return {true, ERROR_SUCCESS, 0};
  const DWORD error = ::GetLastError();
  return {false, error, static_cast<DWORD>(reinterpret_cast<INT_PTR>(info.hInstApp))};
}

// A failure the shell gave no reason for: no last error, and no code but the 0 that hInstApp
// holds when nothing set it.
bool SaysNothing(const ShellAnswer& answer) {
  return answer.error == ERROR_SUCCESS && (answer.code == 0 || answer.code > 32);
}

// The error a failed "open" means. The old-style code is what the shell promises; some shells
// leave the last error unset, set it to the code itself (which then reads as another Windows
// error), or to a later failure of their own. The codes from 26 on name their reason exactly, so
// they win.
Status ShellStatus(const ShellAnswer& answer, const std::string& file) {
  if (answer.started) return {};
  if (answer.code <= 32 &&
      (answer.code >= 26 || answer.error == ERROR_SUCCESS || answer.error == answer.code)) {
    return SystemError(ShellCodeToError(answer.code), file);
  }
  return SystemError(answer.error, file);
}

// Whether any program opens files of a type: asked only to word a failure the shell gave no
// reason for.
bool HasOpenCommand(const wchar_t* type) {
  const auto query = os::AssocQueryStringW();
  if (!query) return true;  // the shell itself will tell
  wchar_t command[MAX_PATH * 2] = {};
  DWORD size = MAX_PATH * 2;
  const HRESULT result = query(0, ASSOCSTR_COMMAND, type, L"open", command, &size);
  return SUCCEEDED(result) || result == E_POINTER;
}

}  // namespace

Result<std::string> WinPlatform::ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return LastError();
    // A full buffer may hold a cut path; older Windows report no error for that.
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::uint32_t WinPlatform::ProcessId() { return ::GetCurrentProcessId(); }

Result<std::string> WinPlatform::ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  // Shared with everyone, so a licence that an editor holds open is still shown.
  UniqueFile file(::CreateFileW(FileApiPath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return LastError(path);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) return LastError();
  if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes)
    return SystemError(ERROR_FILE_TOO_LARGE);

  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read,
                    nullptr)) {
      return LastError();
    }
    if (read == 0) break;  // the file shrank while we read it
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

Status WinPlatform::WriteNewFile(const std::string& path, const std::string& bytes) {
  const UniqueFile file(::CreateFileW(FileApiPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastError();
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) {
      return LastError();
    }
    done += written;
  }
  return {};
}

std::string WinPlatform::DocumentsFolder() {
  constexpr int kCsidlPersonal = 0x0005;  // the user's Documents
  const auto folderPath = os::SHGetFolderPathW();
  wchar_t folder[MAX_PATH] = {};
  if (!folderPath || FAILED(folderPath(nullptr, kCsidlPersonal, nullptr, 0, folder))) return {};
  return Narrow(TrimAtNull(std::wstring_view(folder, MAX_PATH)));
}

Result<std::vector<std::string>> WinPlatform::ListFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW entry{};
  std::wstring pattern = FileApiPath(folder);
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  UniqueFind find(::FindFirstFileW(pattern.c_str(), &entry));
  if (!find) {
    // An empty drive root has not even "." and "..".
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return names;
    return SystemError(error);
  }
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      names.push_back(NarrowFileName(entry.cFileName));
  } while (::FindNextFileW(find.get(), &entry));
  const DWORD error = ::GetLastError();
  if (error != ERROR_NO_MORE_FILES) return SystemError(error);
  return names;
}

Result<std::string> WinPlatform::GetTempDir() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0) return LastError();
  if (length > MAX_PATH) return SystemError(ERROR_BUFFER_OVERFLOW);
  return Narrow(TrimAtNull(std::wstring_view(buffer, length)));
}

Result<std::unique_ptr<TemporaryFile>> WinPlatform::CreateTemporaryFile(const std::string& path) {
  // Shared with everyone, so the shell can look at it while it is held open.
  UniqueFile file(::CreateFileW(FileApiPath(path).c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                nullptr));
  if (!file) return LastError(path);
  return std::unique_ptr<TemporaryFile>(std::make_unique<WinTemporaryFile>(std::move(file)));
}

Result<std::unique_ptr<HeldFile>> WinPlatform::HoldFile(const std::string& path) {
  UniqueFile file(::CreateFileW(FileApiPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return LastError(path);
  return std::unique_ptr<HeldFile>(std::make_unique<WinHeldFile>(std::move(file)));
}

Result<FileIdentity> WinPlatform::IdentityOf(const std::string& path) {
  const UniqueFile file(::CreateFileW(FileApiPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return LastError(path);
  BY_HANDLE_FILE_INFORMATION information{};
  if (!::GetFileInformationByHandle(file.get(), &information)) return LastError(path);
  return FileIdentity{
      information.dwVolumeSerialNumber,
      (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

Result<std::uint32_t> WinPlatform::VolumeSerialOf(const std::string& path) {
  std::wstring root(MAX_PATH + 1, L'\0');
  if (!::GetVolumePathNameW(Widen(path).c_str(), root.data(), static_cast<DWORD>(root.size()))) {
    return LastError(path);
  }
  DWORD serial = 0;
  if (!::GetVolumeInformationW(root.c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) {
    return LastError(path);
  }
  return std::uint32_t{serial};
}

bool WinPlatform::IsFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(FileApiPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ExecutableLookup WinPlatform::LookupExecutable(const std::string& file, const std::string& folder) {
  // FindExecutable writes up to MAX_PATH characters and takes no buffer size.
  wchar_t buffer[MAX_PATH] = {};
  const auto findExecutable = os::FindExecutableW();
  if (!findExecutable) return {};
  const auto code =
      reinterpret_cast<INT_PTR>(findExecutable(Widen(file).c_str(), Widen(folder).c_str(), buffer));
  return {static_cast<std::int32_t>(code), Narrow(TrimAtNull(std::wstring_view(buffer, MAX_PATH)))};
}

Status WinPlatform::StartProcess(const std::string& program, const std::string& commandLine) {
  const std::wstring application = Widen(program);
  // CreateProcessW may write into the command line, so it must not point at constant memory.
  std::wstring writableLine = Widen(commandLine);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(application.c_str(), writableLine.data(), nullptr, nullptr, FALSE,
                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
    return LastError(program);
  }
  // The browser outlives us; we neither wait for it nor keep it.
  UniqueKernelHandle processHandle(process.hProcess);
  UniqueKernelHandle threadHandle(process.hThread);
  return {};
}

Status WinPlatform::ShellOpen(const std::string& file, const std::string& folder) {
  return ShellStatus(ShellExecuteOpen(m_owner, file, folder, nullptr), file);
}

Status WinPlatform::ShellOpenWebPage(const std::string& page, const std::string& folder) {
  // The shell first: a packaged browser's association has a DelegateExecute handler and no
  // command string, which only the shell can start.
  constexpr const wchar_t* kWebPage = L".html";
  const ShellAnswer answer = ShellExecuteOpen(m_owner, page, folder, kWebPage);
  if (!answer.started && SaysNothing(answer) && !HasOpenCommand(kWebPage)) {
    return SystemError(ERROR_NO_ASSOCIATION, page);
  }
  return ShellStatus(answer, page);
}

std::vector<std::string> WinPlatform::PreferredUiLanguages() {
  std::vector<std::string> languages;
  // Vista and later keep a list of UI languages; looked up by name so the program still starts
  // on Windows XP, which has one UI language only.
  constexpr DWORD kMuiLanguageName = 0x8;  // MUI_LANGUAGE_NAME: "de-AT", not a number
  const auto getLanguages = os::GetUserPreferredUILanguages();
  ULONG count = 0;
  ULONG size = 0;
  if (getLanguages && getLanguages(kMuiLanguageName, &count, nullptr, &size) && size > 0) {
    std::wstring list(size, L'\0');
    if (getLanguages(kMuiLanguageName, &count, list.data(), &size)) {
      // A list of NUL-terminated names, ended by an empty one.
      for (const wchar_t* name = list.c_str(); *name; name += std::wcslen(name) + 1) {
        languages.push_back(Narrow(name));
      }
      return languages;
    }
  }
  const LCID locale = MAKELCID(::GetUserDefaultUILanguage(), SORT_DEFAULT);
  // ISO 639 and 3166 names are at most 8 letters and a NUL.
  constexpr int kIsoNameSize = 9;
  wchar_t language[kIsoNameSize] = {};
  if (::GetLocaleInfoW(locale, LOCALE_SISO639LANGNAME, language, kIsoNameSize)) {
    std::wstring tag = language;
    wchar_t region[kIsoNameSize] = {};
    if (::GetLocaleInfoW(locale, LOCALE_SISO3166CTRYNAME, region, kIsoNameSize)) {
      tag += L"-" + std::wstring(region);
    }
    languages.push_back(Narrow(tag));
  }
  return languages;
}

std::string WinPlatform::AnsiToUtf8(std::string_view bytes) {
  return Narrow(ToUtf16(bytes, CP_ACP));
}

}  // namespace discgate
