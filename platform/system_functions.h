#pragma once

#include <windows.h>
#include <commdlg.h>
#include <dwmapi.h>
#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <uxtheme.h>
#include <winspool.h>

// The Windows headers this program is built with hide declarations newer than the oldest Windows
// it runs on: those few are written out below as the SDK declares them.
extern "C" {
BOOL WINAPI GetUserPreferredUILanguages(DWORD flags, PULONG numLanguages, PZZWSTR languagesBuffer,
                                        PULONG languagesBufferSize);
BOOL WINAPI QueryFullProcessImageNameW(HANDLE process, DWORD flags, LPWSTR exeName, PDWORD size);
LONG WINAPI RtlGetVersion(PRTL_OSVERSIONINFOW versionInformation);
UINT WINAPI GetDpiForWindow(HWND window);
BOOL WINAPI SystemParametersInfoForDpi(UINT action, UINT param, PVOID value, UINT winIni, UINT dpi);
BOOL WINAPI AdjustWindowRectExForDpi(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi);
}

namespace discgate {

// Every Windows function the program finds at run time rather than importing: it is newer than
// the oldest Windows the program runs on, or its DLL costs start-up time and is needed only later
// (shell32, ole32, the common dialogs). Each is declared once, here, typed from the function's own
// declaration, and found in its DLL in the system folder only, never beside the program; the DLL
// then stays loaded, as a static import would. Nowhere else is GetProcAddress called.
//
// The table: each function's DLL and name.
#define DISCGATE_SYSTEM_FUNCTIONS(X)              \
  X(L"kernel32.dll", SetDefaultDllDirectories)    \
  X(L"kernel32.dll", SetDllDirectoryW)            \
  X(L"kernel32.dll", GetUserPreferredUILanguages) \
  X(L"kernel32.dll", QueryFullProcessImageNameW)  \
  X(L"ntdll.dll", RtlGetVersion)                  \
  X(L"advapi32.dll", RegGetValueW)                \
  X(L"psapi.dll", GetModuleFileNameExW)           \
  X(L"user32.dll", GetDpiForWindow)               \
  X(L"user32.dll", SystemParametersInfoForDpi)    \
  X(L"user32.dll", AdjustWindowRectExForDpi)      \
  X(L"dwmapi.dll", DwmSetWindowAttribute)         \
  X(L"uxtheme.dll", SetWindowTheme)               \
  X(L"shell32.dll", ShellExecuteExW)              \
  X(L"shell32.dll", FindExecutableW)              \
  X(L"shell32.dll", SHGetFolderPathW)             \
  X(L"shlwapi.dll", AssocQueryStringW)            \
  X(L"ole32.dll", CoInitializeEx)                 \
  X(L"ole32.dll", CoUninitialize)                 \
  X(L"comdlg32.dll", PrintDlgW)                   \
  X(L"comdlg32.dll", GetSaveFileNameW)            \
  X(L"comdlg32.dll", CommDlgExtendedError)        \
  X(L"winspool.drv", EnumPrintersW)

// os::Name() is the function, or null where this Windows lacks it; found once.
namespace os {
#define DISCGATE_DECLARE_SYSTEM_FUNCTION(dll, name) decltype(&::name) name();
DISCGATE_SYSTEM_FUNCTIONS(DISCGATE_DECLARE_SYSTEM_FUNCTION)
#undef DISCGATE_DECLARE_SYSTEM_FUNCTION
}  // namespace os

// Loads the common controls and registers their window classes. Loaded by name, not by path: the
// manifest's activation context then gives version 6 (themed buttons), which a full path to the
// system folder's comctl32.dll (version 5) would bypass.
bool InitialiseCommonControls();

}  // namespace discgate
