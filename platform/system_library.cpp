#include "platform/system_library.h"

#include <commctrl.h>

#include <string>

namespace discgate {
namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, which the headers for older Windows lack.
constexpr DWORD kSearchSystem32 = 0x00000800;

// Where SetDefaultDllDirectories is missing (Windows 7 without KB2533623 and older), a DLL
// loaded by its full path would still have its own imports looked for beside the program: with
// LOAD_WITH_ALTERED_SEARCH_PATH they are looked for beside the DLL first, in the system folder.
DWORD g_fullPathLoadFlags = LOAD_WITH_ALTERED_SEARCH_PATH;

// kernel32 is mapped into every process before its first instruction, from the system folder.
FARPROC Kernel32Function(const char* name) {
  return ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), name);
}

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
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  using SetDllDirectoryFunction = BOOL(WINAPI*)(const wchar_t*);
  const auto setDefault =
      FunctionAs<SetDefaultDllDirectoriesFunction>(Kernel32Function("SetDefaultDllDirectories"));
  if (setDefault && setDefault(kSearchSystem32)) {
    g_fullPathLoadFlags = 0;  // the system folder is the only place searched already
  } else {
    const auto setDirectory =
        FunctionAs<SetDllDirectoryFunction>(Kernel32Function("SetDllDirectoryW"));
    if (setDirectory) setDirectory(L"");
  }
  for (const wchar_t* dll : kDependenciesLoadedByName) LoadFromSystemFolder(dll);
}

HMODULE LoadSystemLibrary(const wchar_t* dll) { return LoadFromSystemFolder(dll); }

FARPROC SystemFunction(const wchar_t* dll, const char* name) {
  const HMODULE module = LoadFromSystemFolder(dll);
  return module ? ::GetProcAddress(module, name) : nullptr;
}

bool InitialiseCommonControls() {
  // After RestrictDllSearchToSystemFolder the name is looked for in the system folder only.
  const HMODULE module = ::LoadLibraryW(L"comctl32.dll");
  if (!module) return false;
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = FunctionAs<InitFunction>(::GetProcAddress(module, "InitCommonControlsEx"));
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  return init && init(&controls);
}

}  // namespace discgate
