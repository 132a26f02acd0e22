// Stands in for a DLL that someone planted beside the program or in its current directory, under
// the name of a system DLL: when a process loads it, it appends "dll=<its path> process=<the
// process's path>" to the file named by DISCGATE_LOADED_LOG. It exports nothing, so a process that
// loads it in place of the real DLL is found out, one way or another.
#include <windows.h>

#include <string>

#include "tests/e2e/records.h"

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void* /*reserved*/) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t log[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"DISCGATE_LOADED_LOG", log, MAX_PATH)) return TRUE;
  wchar_t dll[MAX_PATH] = {};
  GetModuleFileNameW(self, dll, MAX_PATH);
  wchar_t process[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, process, MAX_PATH);
  const std::string record = "dll=" + Utf8(dll) + " process=" + Utf8(process) + "\n";
  AppendRecord(log, record);
  return TRUE;
}
