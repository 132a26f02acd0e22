#pragma once

#include <windows.h>

namespace discgate {

// Makes every DLL that this process loads from now on come from the system folder, never from the
// program's folder or the current directory, which others may be able to write. Called first
// thing: on Windows 7 with KB2533623 and later through SetDefaultDllDirectories; where that is
// missing, SetDllDirectory("") at least drops the current directory from the search. Then loads,
// by full path, the system DLLs that others load by bare name as their own dependencies.
void RestrictDllSearchToSystemFolder();

// A function of a Windows DLL that is needed only once the user accepts (shell32, ole32).
// Loading those DLLs at start would cost every user time before the window shows. The DLL is
// taken from the system folder by its full path, never from the disc beside the program, and
// stays loaded for the rest of the process, as a static import would. Null when not found.
FARPROC SystemFunction(const wchar_t* dll, const char* name);

// A Windows DLL loaded by its full path in the system folder; null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* dll);

// A function found by GetProcAddress as the type it has: the one place its cast is written.
template <typename Function>
Function FunctionAs(FARPROC found) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

template <typename Function>
Function SystemFunctionAs(const wchar_t* dll, const char* name) {
  return FunctionAs<Function>(SystemFunction(dll, name));
}

// Loads the common controls and registers their window classes. Loaded by name, not by path: the
// manifest's activation context then gives version 6 (themed buttons), which a full path to the
// system folder's comctl32.dll (version 5) would bypass.
bool InitialiseCommonControls();

}  // namespace discgate
