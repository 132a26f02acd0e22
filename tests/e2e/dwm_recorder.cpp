// Stands in for dwmapi.dll in the tests' prefix: each DwmSetWindowAttribute call is appended to
// the file named by DISCGATE_DWM_LOG as "dll=<this DLL's path> attribute=N value=V", and
// answered S_OK, as Wine's own does (which otherwise does nothing).
#include <windows.h>

#include <string>

#include "tests/e2e/records.h"

namespace {

HMODULE g_self = nullptr;

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void* /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) g_self = self;
  return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI
    DwmSetWindowAttribute(HWND /*window*/, DWORD attribute, const void* value, DWORD size) {
  wchar_t log[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"DISCGATE_DWM_LOG", log, MAX_PATH)) return S_OK;
  wchar_t dll[MAX_PATH] = {};
  GetModuleFileNameW(g_self, dll, MAX_PATH);
  const long given = value && size >= sizeof(DWORD) ? *static_cast<const long*>(value) : -1;
  AppendRecord(log, "dll=" + Utf8(dll) + " attribute=" + std::to_string(attribute) +
                        " value=" + std::to_string(given) + "\n");
  return S_OK;
}
