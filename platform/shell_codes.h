#pragma once

#include <cstdint>

namespace discgate {

// The Windows error an old-style shell code (32 or less, as ShellExecute and FindExecutable
// return them) stands for. Shown as they are, the codes would read as unrelated Windows errors:
// 31, "no program is associated", is also ERROR_GEN_FAILURE, "A device attached to the system
// is not functioning".
constexpr std::uint32_t ShellCodeToError(std::uint32_t code) {
  switch (code) {
    case 0:      // out of memory or resources
    case 8:      // SE_ERR_OOM
      return 8;  // ERROR_NOT_ENOUGH_MEMORY
    case 2:      // SE_ERR_FNF
    case 3:      // SE_ERR_PNF
    case 5:      // SE_ERR_ACCESSDENIED
      return code;
    case 11:        // ERROR_BAD_FORMAT
      return 193;   // ERROR_BAD_EXE_FORMAT
    case 26:        // SE_ERR_SHARE
      return 32;    // ERROR_SHARING_VIOLATION
    case 27:        // SE_ERR_ASSOCINCOMPLETE
    case 31:        // SE_ERR_NOASSOC
      return 1155;  // ERROR_NO_ASSOCIATION
    case 28:        // SE_ERR_DDETIMEOUT
    case 29:        // SE_ERR_DDEFAIL
    case 30:        // SE_ERR_DDEBUSY
      return 1156;  // ERROR_DDE_FAIL
    case 32:        // SE_ERR_DLLNOTFOUND
      return 1157;  // ERROR_DLL_NOT_FOUND
    default:
      return code;
  }
}

}  // namespace discgate
