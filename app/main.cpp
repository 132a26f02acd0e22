#include <windows.h>

#include <new>
#include <optional>
#include <utility>

#include "app/error_report.h"
#include "app/exit_codes.h"
#include "app/form1.h"
#include "app/one_window.h"
#include "app/product.h"
#include "launcher/start_up.h"
#include "launcher/out_of_memory.h"
#include "platform/system_functions.h"
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
    // Before the window: reports speak the user's language, not the licence's, as the licence
    // may be what failed; and without a licence there is nothing to agree to, so no window shows.
    discgate::WinPlatform platform;
    discgate::OneWindow oneWindow;
    const discgate::Result<std::string> programPath = platform.ModulePath();
    // The disc the licence comes from: the program file as it is now.
    std::optional<discgate::FileIdentity> disc;
    if (programPath.ok()) {
      const discgate::Result<discgate::FileIdentity> identity =
          platform.IdentityOf(programPath.value());
      if (identity.ok()) disc = identity.value();
    }
    if (programPath.ok() &&
        oneWindow.BroughtToFront(programPath.value(), disc.value_or(discgate::FileIdentity{}))) {
      return discgate::kExitAlreadyShown;
    }
    const discgate::UiLanguage& reportLanguage =
        discgate::LanguageOfUser(platform.PreferredUiLanguages());
    discgate::PrepareTerminateReport(reportLanguage, product);
    const discgate::BuiltInSeal seal = discgate::LoadBuiltInSeal(hInstance);
    discgate::Result<discgate::Licence> licence = discgate::LoadLicenceAtStart(platform, seal);
    while (!licence.ok()) {
      if (!discgate::ReportError(nullptr, licence.error(), reportLanguage, product)) {
        return discgate::kExitFailed;
      }
      licence = discgate::LoadLicenceAtStart(platform, seal);
    }
    discgate::Form1 form(hInstance, product, platform, reportLanguage, disc);
    return form.Run(std::move(licence.value()), nShowCmd);
  } catch (const std::bad_alloc&) {
    // Memory ran out before the user's languages were known.
    discgate::ReportError(nullptr, discgate::OutOfMemory(), discgate::English(), product);
    return discgate::kExitFailed;
  }
}
