#pragma once

#include <windows.h>

namespace discgate {

// A function of a Windows DLL that is needed only once the user accepts (shell32, ole32).
// Loading those DLLs at start would cost every user time before the window shows. The DLL is
// taken from the system folder by its full path, never from the disc beside the program, and
// stays loaded for the rest of the process, as a static import would. Null when not found.
FARPROC SystemFunction(const wchar_t* dll, const char* name);

template <typename Function>
Function SystemFunctionAs(const wchar_t* dll, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(dll, name)));
}

// COM for the calling thread while it lives: the shell's "open" may load extensions that need it.
class ComApartment {
 public:
  ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment();

 private:
  bool m_initialised = false;
};

}  // namespace discgate
