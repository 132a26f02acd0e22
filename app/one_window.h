#pragma once

#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "platform/unique_handle.h"

namespace discgate {

// One agreement window per disc: a second start of the program from the same folder of the same
// disc, in the same session, brings the first one's window to the front instead of showing
// another, so accepting twice never opens the start page twice. Another disc swapped into the
// drive is another disc.
class OneWindow {
 public:
  // True when this program's window for its folder and disc (`identity`, the program file's) is
  // already open and was brought to the front: the start then ends. A window that is not this
  // program's, is not shown, is another disc's, or does not answer within a moment, is never
  // deferred to.
  bool BroughtToFront(const std::string& programPath, const FileIdentity& identity);

  // The message the window answers, and its answer: the window restores itself and comes to the
  // front, and answers with its disc's OneWindowAnswer.
  static UINT Message();
  // What the window does with the message: restored if minimised, to the front; the answer.
  static LRESULT ComeToFront(HWND window);

 private:
  UniqueKernelHandle m_marker;  // held for the program's life
};

}  // namespace discgate
