// The C++ runtime's default terminate handler prints the name of an uncaught exception, and for
// that links in a whole symbol demangler: about a sixth of the program's size. This program lets
// no exception escape; should one ever, ending at once is all that is needed.
#include <cstdlib>

namespace __gnu_cxx {

// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the runtime's name
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
