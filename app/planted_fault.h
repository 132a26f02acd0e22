#pragma once

// Faults planted in a build for the tests only (discgate-faulty.exe), where only a broken system
// would fail; the environment variable DISCGATE_PLANTED_FAULT names the one to plant. The program
// that ships has none: there PlantedFault is always false.
#ifdef DISCGATE_PLANTED_FAULT
#include <windows.h>

#include <cwchar>

namespace discgate {

inline bool PlantedFault(const wchar_t* name) {
  wchar_t planted[32] = {};
  return ::GetEnvironmentVariableW(L"DISCGATE_PLANTED_FAULT", planted, 32) > 0 &&
         std::wcscmp(planted, name) == 0;
}

}  // namespace discgate
#else
namespace discgate {

constexpr bool PlantedFault(const wchar_t* /*name*/) { return false; }

}  // namespace discgate
#endif
