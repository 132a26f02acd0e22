#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/form1.h"

namespace {

// The shell's "open" may load extensions that need COM on the calling thread.
class ComApartment {
 public:
  ComApartment()
      : m_initialised(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED |
                                                              COINIT_DISABLE_OLE1DDE))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (m_initialised) ::CoUninitialize();
  }

 private:
  bool m_initialised;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd) {
  ComApartment com;
  // Loads version 6 of the common controls, which the manifest asks for, so buttons are themed.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  discgate::Form1 form(hInstance);
  return form.Run(nShowCmd);
}
