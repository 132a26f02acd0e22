#include "app/start_check.h"

#include <process.h>

#include <utility>

#include "platform/error_win.h"

namespace discgate {
namespace {

constexpr UINT_PTR kShowLineTimer = 1;
// Long enough that a quick check shows nothing but the cursor.
constexpr UINT kShowLineAfterMs = 1000;

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

StartCheck::~StartCheck() { Stop(); }

void StartCheck::Stop() {
  if (m_work) m_work->stop = true;
  if (m_thread) ::WaitForSingleObject(m_thread.get(), INFINITE);
  m_thread.reset();
  m_work.reset();
}

void StartCheck::Begin(HWND window, Platform& platform, std::string folder,
                       std::shared_ptr<const Seal> seal) {
  Stop();
  m_work = std::make_unique<Work>();
  m_work->platform = &platform;
  m_work->folder = std::move(folder);
  m_work->seal = std::move(seal);
  m_work->window = window;
  // _beginthreadex rather than CreateThread: the check uses the C runtime, which keeps data of
  // its own for each thread.
  m_thread.reset(reinterpret_cast<HANDLE>(
      ::_beginthreadex(nullptr, 0, &StartCheck::Run, m_work.get(), 0, nullptr)));
  if (!m_thread) {
    m_work->answer = LastError();
    m_work->answered = true;
    ::PostMessageW(window, kDone, 0, 0);
  }
}

unsigned __stdcall StartCheck::Run(void* context) {
  auto* work = static_cast<Work*>(context);
  work->answer = CheckStart(*work->platform, work->folder, *work->seal, work->stop);
  work->answered = true;
  ::PostMessageW(work->window, kDone, 0, 0);
  return 0;
}

bool StartCheck::Done() const { return m_work && m_work->answered; }

void StartCheck::ShowWaiting(HWND label, std::wstring line) {
  m_waiting = true;
  m_label = label;
  m_line = std::move(line);
  ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  ::SetTimer(::GetParent(label), kShowLineTimer, kShowLineAfterMs, nullptr);
}

Result<CheckedStart> StartCheck::Take() {
  // Done: the answer is written, and the thread is ending, if it has not ended yet.
  if (m_thread) ::WaitForSingleObject(m_thread.get(), INFINITE);
  Result<CheckedStart> answer = std::move(*m_work->answer);
  if (m_waiting) {
    ::KillTimer(::GetParent(m_label), kShowLineTimer);
    if (!m_labelText.empty()) ::SetWindowTextW(m_label, m_labelText.c_str());
    m_labelText.clear();
    m_waiting = false;
  }
  return answer;
}

bool StartCheck::OnTimer(WPARAM id) {
  if (id != kShowLineTimer) return false;
  ::KillTimer(::GetParent(m_label), kShowLineTimer);
  if (m_waiting) {
    m_labelText = TextOf(m_label);
    ::SetWindowTextW(m_label, m_line.c_str());
  }
  return true;
}

bool StartCheck::OnSetCursor() const {
  if (m_waiting) ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  return m_waiting;
}

}  // namespace discgate
