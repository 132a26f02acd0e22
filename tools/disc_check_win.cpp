// disc-check for authors on Windows: what the program would do with a disc, by its own rules
// and through the same system calls, read from the disc as Windows lists it:
//
//   disc-check E:\ (a drive, a share, or an unpacked image)
//
// prints what accepting starts, the near misses, which licence each language gets and every
// licence the program would refuse (launcher/disc_report.h), one line each. When a program at the
// folder's root carries a seal, every file below the folder is checked against it
// (launcher/seal_report.h), and the exit code is 1 unless all are as released.
#include <windows.h>

#include <string>

#include "launcher/disc_report.h"
#include "launcher/seal_report.h"
#include "platform/error_win.h"
#include "platform/platform_win.h"
#include "platform/system_library.h"
#include "platform/text_win.h"
#include "platform/unique_handle.h"

namespace {

// UTF-16 to a console, which shows every language; UTF-8 to a file or a pipe.
void Print(HANDLE out, const std::string& line) {
  DWORD mode = 0;
  DWORD written = 0;
  if (::GetConsoleMode(out, &mode)) {
    const std::wstring wide = discgate::Widen(line + "\r\n");
    ::WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    const std::string bytes = line + "\r\n";
    ::WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
}

// Every file below `folder`, as paths from it with "/", added to `files`. A folder's reparse
// point (a junction, a link) is not followed: it could lead off the disc, or round in a loop.
void AddFilesBelow(const std::wstring& folder, const std::string& relative,
                   std::vector<std::string>& files) {
  WIN32_FIND_DATAW entry{};
  discgate::UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
  if (!find) return;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::string path = relative + discgate::NarrowFileName(entry.cFileName);
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      files.push_back(path);
    } else if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      AddFilesBelow(folder + L"\\" + name, path + "/", files);
    }
  } while (::FindNextFileW(find.get(), &entry));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // A disc-check run from the disc itself must not load a DLL placed beside it either.
  discgate::RestrictDllSearchToSystemFolder();
  const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE errors = ::GetStdHandle(STD_ERROR_HANDLE);
  if (argc != 2) {
    Print(errors, "usage: disc-check FOLDER");
    return 2;
  }
  const std::string folder = discgate::Narrow(argv[1]);
  discgate::WinPlatform platform;
  const auto names = platform.ListFiles(folder);
  if (!names.ok()) {
    Print(errors, "disc-check: " + folder + ": error " + std::to_string(names.error().code) + ": " +
                      discgate::SystemError(names.error().code).description);
    return 2;
  }
  for (const std::string& line : discgate::DiscReport(platform, folder, names.value())) {
    Print(out, line);
  }
  std::vector<std::string> files;
  std::wstring root = argv[1];
  while (root.size() > 1 && (root.back() == L'\\' || root.back() == L'/')) root.pop_back();
  AddFilesBelow(root, "", files);
  const auto sealed = discgate::CheckSealedDisc(platform, folder, files);
  if (!sealed) return 0;
  for (const std::string& line : sealed->lines) Print(out, line);
  return sealed->asReleased ? 0 : 1;
}
