#pragma once

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

namespace discgate {

// One agreement window per disc: a second start of the program from the same folder, in the same
// session, brings the first one's window to the front instead of showing another, so accepting
// twice never opens the start page twice.
class OneWindow {
 public:
  // True when this program's window for its folder is already open and was brought to the
  // front: the start then ends. A window that is not this program's, or does not answer within a
  // moment, is never deferred to.
  bool BroughtToFront(const std::string& programPath);

  // The message the window answers, and its answer: the window restores itself and comes to the
  // front.
  static UINT Message();
  static constexpr LRESULT kAnswer = 0x64697363;  // "disc"
  // What the window does with the message: restored if minimised, to the front; the answer.
  static LRESULT ComeToFront(HWND window);

 private:
  UniqueKernelHandle m_marker;  // held for the program's life
};

}  // namespace discgate
