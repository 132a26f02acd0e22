#include "platform/com_apartment.h"

#include <objbase.h>

#include "platform/system_library.h"

namespace discgate {

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
