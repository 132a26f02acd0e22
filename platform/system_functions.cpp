#include "platform/system_functions.h"

#include <commctrl.h>

#include "platform/system_library.h"

namespace discgate {
namespace {

// A function found by GetProcAddress as the type it has: the one place its cast is written.
template <typename Function>
Function Find(HMODULE module, const char* name) {
  return module
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
             : nullptr;
}

}  // namespace

namespace os {
#define DISCGATE_DEFINE_SYSTEM_FUNCTION(dll, name)                                    \
  decltype(&::name) name() {                                                          \
    static const auto found = Find<decltype(&::name)>(LoadSystemLibrary(dll), #name); \
    return found;                                                                     \
  }
DISCGATE_SYSTEM_FUNCTIONS(DISCGATE_DEFINE_SYSTEM_FUNCTION)
#undef DISCGATE_DEFINE_SYSTEM_FUNCTION
}  // namespace os

bool InitialiseCommonControls() {
  // After RestrictDllSearchToSystemFolder the name is looked for in the system folder only.
  const auto init = Find<decltype(&::InitCommonControlsEx)>(::LoadLibraryW(L"comctl32.dll"),
                                                            "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  return init && init(&controls);
}

}  // namespace discgate
