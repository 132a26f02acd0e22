#include <windows.h>
#include <commctrl.h>

#include "app/form1.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd) {
  // Loads version 6 of the common controls, which the manifest asks for, so buttons are themed.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  discgate::Form1 form(hInstance);
  return form.Run(nShowCmd);
}
