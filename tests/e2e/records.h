#pragma once

#include <windows.h>

#include <string>

// What the test programs write out: UTF-8, in records appended to a log.

// UTF-16 to UTF-8.
inline std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length,
                      nullptr, nullptr);
  return out;
}

// Appends a record to a log that other programs may be appending to at the same moment. Wine
// finds the end of the file for each write of an appending handle on its own, so two writers at
// once can land on the same place and one record is lost: the log is held by one writer at a
// time, the others waiting their turn.
inline bool AppendRecord(const wchar_t* log, const std::string& record) {
  for (int waited = 0; waited < 10000; waited += 10) {
    HANDLE file =
        CreateFileW(log, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      const bool whole =
          WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr) &&
          written == record.size();
      CloseHandle(file);
      return whole;
    }
    if (GetLastError() != ERROR_SHARING_VIOLATION) return false;
    Sleep(10);
  }
  return false;
}
