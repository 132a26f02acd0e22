#include "app/one_window.h"

#include <cwchar>
#include <string>

#include "app/form1_controls.h"
#include "launcher/one_window.h"
#include "platform/system_functions.h"
#include "platform/text_win.h"

namespace discgate {
namespace {

// "A moment": long enough for a first start that is still reading a large licence from a slow
// drive to make its window, short enough that a start nothing answers is not kept waiting.
constexpr DWORD kMoment = 3000;
constexpr DWORD kLookAgainAfter = 100;
// PROCESS_QUERY_LIMITED_INFORMATION, which the headers for older Windows lack.
constexpr DWORD kQueryLimitedInformation = 0x1000;
// What this program's window answers: its disc's, set once the disc is known; until then, and for a
// program that cannot know it, an answer no disc's start expects but one of the same.
LRESULT g_answer = 1;

// The full path of a process's program file; empty when it cannot be known.
std::string ImageOf(DWORD processId) {
  // Windows Vista and later; older ones ask psapi.
  const auto query = os::QueryFullProcessImageNameW();
  const DWORD access =
      query ? kQueryLimitedInformation : PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
  const UniqueKernelHandle process(::OpenProcess(access, FALSE, processId));
  if (!process) return {};
  std::wstring path(32768, L'\0');
  auto length = static_cast<DWORD>(path.size());
  if (query) {
    if (!query(process.get(), 0, path.data(), &length)) return {};
  } else {
    const auto name = os::GetModuleFileNameExW();
    length = name ? name(process.get(), nullptr, path.data(), length) : 0;
    if (length == 0) return {};
  }
  path.resize(length);
  return Narrow(path);
}

struct Search {
  const std::string* program;
  DWORD session;
  HWND found;
};

// A top-level window of this program's class, in this session, of a process whose program file is
// this very one.
BOOL CALLBACK Consider(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  wchar_t className[64] = {};
  // A window made hidden (a start with SW_HIDE) is nothing the user could come back to.
  if (!::GetClassNameW(window, className, 64) || std::wcscmp(className, kClassName) != 0 ||
      !::IsWindowVisible(window)) {
    return TRUE;
  }
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  DWORD session = 0;
  if (processId == ::GetCurrentProcessId() || !::ProcessIdToSessionId(processId, &session) ||
      session != search->session || !SameProgram(ImageOf(processId), *search->program)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

UINT OneWindow::Message() {
  static const UINT message = ::RegisterWindowMessageW(L"discgate.BringToFront");
  return message;
}

LRESULT OneWindow::ComeToFront(HWND window) {
  if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
  ::SetForegroundWindow(window);
  return g_answer;
}

bool OneWindow::BroughtToFront(const std::string& programPath, const FileIdentity& identity) {
  g_answer = static_cast<LRESULT>(OneWindowAnswer(identity));
  m_marker.reset(
      ::CreateMutexW(nullptr, FALSE, Widen(OneWindowName(programPath, identity)).c_str()));
  // The first start, or one that cannot tell: it shows its window.
  if (!m_marker || ::GetLastError() != ERROR_ALREADY_EXISTS) return false;
  DWORD session = 0;
  ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
  const DWORD start = ::GetTickCount();
  do {
    Search search{&programPath, session, nullptr};
    ::EnumWindows(Consider, reinterpret_cast<LPARAM>(&search));
    DWORD_PTR answer = 0;
    if (search.found) {
      DWORD processId = 0;
      ::GetWindowThreadProcessId(search.found, &processId);
      // This start is the user's latest: it may hand the foreground on.
      ::AllowSetForegroundWindow(processId);
      if (::SendMessageTimeoutW(search.found, Message(), 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                kMoment, &answer) &&
          answer == static_cast<DWORD_PTR>(g_answer)) {
        ::SetForegroundWindow(search.found);
        return true;
      }
    }
    ::Sleep(kLookAgainAfter);
  } while (::GetTickCount() - start < kMoment);
  return false;
}

}  // namespace discgate
