#include "platform/com_apartment.h"

#include <objbase.h>

#include "platform/system_functions.h"

namespace discgate {

ComApartment::ComApartment() {
  if (const auto initialise = os::CoInitializeEx()) {
    m_initialised =
        SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }
}

ComApartment::~ComApartment() {
  if (!m_initialised) return;
  if (const auto uninitialise = os::CoUninitialize()) {
    uninitialise();
  }
}

}  // namespace discgate
