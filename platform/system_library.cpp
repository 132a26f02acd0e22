#include "platform/system_library.h"

#include <objbase.h>

#include <string>

namespace discgate {

FARPROC SystemFunction(const wchar_t* dll, const char* name) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
  const HMODULE module = ::LoadLibraryW(path.c_str());
  return module ? ::GetProcAddress(module, name) : nullptr;
}

ComApartment::ComApartment() {
  using Initialise = HRESULT(WINAPI*)(void*, DWORD);
  if (const auto initialise = SystemFunctionAs<Initialise>(L"ole32.dll", "CoInitializeEx")) {
    m_initialised =
        SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }
}

ComApartment::~ComApartment() {
  using Uninitialise = void(WINAPI*)();
  if (!m_initialised) return;
  if (const auto uninitialise = SystemFunctionAs<Uninitialise>(L"ole32.dll", "CoUninitialize")) {
    uninitialise();
  }
}

}  // namespace discgate
