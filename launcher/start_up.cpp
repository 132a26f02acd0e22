#include "launcher/start_up.h"

#include <new>

#include "launcher/out_of_memory.h"
#include "launcher/paths.h"

namespace discgate {

Result<Licence> LoadLicenceAtStart(Platform& platform) {
  try {
    const Result<std::string> module = platform.ModulePath();
    if (!module.ok()) return WithAction(module.error(), "Could not find the program's folder.");
    return LoadLicence(platform, FolderOf(module.value()), platform.PreferredUiLanguages());
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

}  // namespace discgate
