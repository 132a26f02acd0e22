#include "platform/system_library.h"

#include "platform/system_functions.h"

#include <string>

namespace discgate {
namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, which the headers for older Windows lack.
constexpr DWORD kSearchSystem32 = 0x00000800;

// Where SetDefaultDllDirectories is missing (Windows 7 without KB2533623 and older), a DLL
// loaded by its full path would still have its own imports looked for beside the program: with
// LOAD_WITH_ALTERED_SEARCH_PATH they are looked for beside the DLL first, in the system folder.
DWORD g_fullPathLoadFlags = LOAD_WITH_ALTERED_SEARCH_PATH;

HMODULE LoadFromSystemFolder(const wchar_t* dll) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
  return ::LoadLibraryExW(path.c_str(), nullptr, g_fullPathLoadFlags);
}

// DLLs that the common controls bring in by bare name as a dependency of another system DLL
// (uxtheme imports msimg32). Some loaders look for such a dependency beside the program whatever
// the search order says; loaded first from the system folder, the name is already taken. Only
// DLLs the window loads anyway are here, so this costs no start-up time.
constexpr const wchar_t* kDependenciesLoadedByName[] = {L"uxtheme.dll", L"msimg32.dll"};

}  // namespace

void RestrictDllSearchToSystemFolder() {
  // kernel32 is mapped into every process before its first instruction, from the system folder.
  const auto setDefault = os::SetDefaultDllDirectories();
  if (setDefault && setDefault(kSearchSystem32)) {
    g_fullPathLoadFlags = 0;  // the system folder is the only place searched already
  } else if (const auto setDirectory = os::SetDllDirectoryW()) {
    setDirectory(L"");
  }
  for (const wchar_t* dll : kDependenciesLoadedByName) LoadFromSystemFolder(dll);
}

HMODULE LoadSystemLibrary(const wchar_t* dll) { return LoadFromSystemFolder(dll); }

}  // namespace discgate
