// What happens if an exception ever escapes, or the C++ runtime gives up: the user is told, and
// the program ends with the exit code of a failure, not abort's 3.
//
// The runtime's default terminate handler prints the name of the exception, and for that links in
// a whole symbol demangler: about a sixth of the program's size. This one replaces it.
#include <windows.h>

#include "app/exit_codes.h"
#include "app/form1_layout.h"

namespace __gnu_cxx {

// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the runtime's name
void __verbose_terminate_handler() {
  // Nothing here may allocate: memory may be what ran out.
  ::MessageBoxW(nullptr, L"The program met an error it cannot recover from, and ends now.",
                discgate::kForm1Caption, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  ::ExitProcess(discgate::kExitFailed);
}

}  // namespace __gnu_cxx
