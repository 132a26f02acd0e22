#include <windows.h>

#include <new>

#include "app/error_report.h"
#include "app/exit_codes.h"
#include "app/form1.h"
#include "app/product.h"
#include "launcher/out_of_memory.h"
#include "platform/system_library.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd) {
  // Before anything can load a DLL: the program's folder and the current directory may hold
  // files that others wrote.
  discgate::RestrictDllSearchToSystemFolder();
  // Version 6 of the common controls, which the manifest asks for, so buttons are themed.
  discgate::InitialiseCommonControls();

  std::string product;
  try {
    product = discgate::LoadProductName(hInstance);
    // In English until the user's language is known.
    discgate::PrepareTerminateReport(discgate::English(), product);
    discgate::Form1 form(hInstance, product);
    return form.Run(nShowCmd);
  } catch (const std::bad_alloc&) {
    // Memory ran out before the user's languages were known.
    discgate::ReportError(nullptr, discgate::OutOfMemory(), discgate::English(), product);
    return discgate::kExitFailed;
  }
}
