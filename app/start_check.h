#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "launcher/sealed_start.h"
#include "platform/unique_handle.h"

namespace discgate {

// On a sealed disc, what accepting starts is checked while the user reads: on a thread of its own
// from the moment the window shows, so a large splash program on a slow drive does not hold up
// accepting. Accepting before the check is done waits for it and shows that it waits: the wait
// cursor at once, and after a second a line in the window's language, while the window goes on
// painting.
class StartCheck {
 public:
  // Posted to the window when the check is done.
  static constexpr UINT kDone = WM_APP + 1;

  StartCheck() = default;
  StartCheck(const StartCheck&) = delete;
  StartCheck& operator=(const StartCheck&) = delete;
  // Stops the check at its next piece of reading and waits for its thread.
  ~StartCheck();

  // Checks what accepting would start from `folder` against `seal`; a check begun before is
  // given up. A thread that cannot be made is the check's answer.
  void Begin(HWND window, Platform& platform, std::string folder, std::shared_ptr<const Seal> seal);
  bool Done() const;
  // Accepting came first: shows that it waits, `line` in `label` after a second.
  void ShowWaiting(HWND label, std::wstring line);
  // The check's answer, once done; the waiting shows no more.
  Result<CheckedStart> Take();

  // The window's messages for the waiting; true when the message was this room's.
  bool OnTimer(WPARAM id);
  bool OnSetCursor() const;

 private:
  struct Work {
    Platform* platform;
    std::string folder;
    std::shared_ptr<const Seal> seal;
    HWND window;
    std::atomic<bool> stop{false};
    std::optional<Result<CheckedStart>> answer;
    // Set once `answer` is written: the thread's kDone may arrive before the thread has ended.
    std::atomic<bool> answered{false};
  };
  static unsigned __stdcall Run(void* context);
  void Stop();

  std::unique_ptr<Work> m_work;
  UniqueKernelHandle m_thread;
  HWND m_label = nullptr;
  std::wstring m_line;
  std::wstring m_labelText;  // the label's own text, back once the waiting ends
  bool m_waiting = false;
};

}  // namespace discgate
