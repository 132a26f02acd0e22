#pragma once

#include <windows.h>

namespace discgate {

// Makes every DLL that this process loads from now on come from the system folder, never from the
// program's folder or the current directory, which others may be able to write. Called first
// thing: on Windows 7 with KB2533623 and later through SetDefaultDllDirectories; where that is
// missing, SetDllDirectory("") at least drops the current directory from the search. Then loads,
// by full path, the system DLLs that others load by bare name as their own dependencies.
void RestrictDllSearchToSystemFolder();

// A Windows DLL loaded by its full path in the system folder; null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* dll);

}  // namespace discgate
