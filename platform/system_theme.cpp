#include "platform/system_theme.h"

#include "platform/system_functions.h"

namespace discgate {

std::uint32_t WindowsBuild() {
  // GetVersionEx answers what the manifest claims; RtlGetVersion what the system is.
  RTL_OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  const auto getVersion = os::RtlGetVersion();
  if (!getVersion || getVersion(&version) != 0 || version.dwMajorVersion < 10) return 0;
  return version.dwBuildNumber;
}

std::optional<std::uint32_t> AppsUseLightTheme() {
  const auto getValue = os::RegGetValueW();
  DWORD value = 0;
  DWORD size = sizeof value;
  if (!getValue ||
      getValue(HKEY_CURRENT_USER,
               L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
               L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

void SetDarkTitleBar(HWND window, bool dark, DWORD attribute) {
  if (const auto setAttribute = os::DwmSetWindowAttribute()) {
    const BOOL value = dark ? TRUE : FALSE;
    setAttribute(window, attribute, &value, sizeof value);
  }
}

void SetDarkControl(HWND control, bool dark) {
  if (const auto setTheme = os::SetWindowTheme()) {
    setTheme(control, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
  }
}

}  // namespace discgate
