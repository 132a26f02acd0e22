// Stands in for a browser or a splash program in the end-to-end tests: records how it was
// started (its command line, the arguments Windows' CommandLineToArgvW makes of it, as a browser's
// C runtime does, separated by U+001F; its own path and its working folder) to the file named by
// the environment variable DISCGATE_STARTED_LOG, then exits. With DISCGATE_STARTED_MARK, it
// first creates that file, before it loads anything: the bench times the program that started
// it, not the loading of shell32 for CommandLineToArgvW.
#include <windows.h>

#include <string>

#include "tests/e2e/records.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t markPath[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"DISCGATE_STARTED_MARK", markPath, MAX_PATH)) {
    CloseHandle(CreateFileW(markPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  wchar_t logPath[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"DISCGATE_STARTED_LOG", logPath, MAX_PATH)) return 1;
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  wchar_t folder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folder);

  std::string arguments;
  int count = 0;
  using Split = LPWSTR*(WINAPI*)(LPCWSTR, int*);
  const auto split = reinterpret_cast<Split>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"shell32.dll"), "CommandLineToArgvW")));
  LPWSTR* argv = split ? split(GetCommandLineW(), &count) : nullptr;
  for (int i = 0; argv && i < count; ++i) {
    if (i > 0) arguments += '\x1f';
    arguments += Utf8(argv[i]);
  }
  LocalFree(argv);
  const std::string record = "cmdline=" + Utf8(GetCommandLineW()) + "\nargv=" + arguments +
                             "\nmodule=" + Utf8(module) + "\ncwd=" + Utf8(folder) + "\n";
  // Appending, so a test sees it when something is started twice.
  return AppendRecord(logPath, record) ? 0 : 1;
}
