#include "launcher/start_up.h"

#include <new>

#include "launcher/out_of_memory.h"
#include "launcher/program_folder.h"

namespace discgate {

Result<Licence> LoadLicenceAtStart(Platform& platform) {
  try {
    const Result<std::string> folder = ProgramFolder(platform);
    if (!folder.ok()) return folder.error();
    return LoadLicence(platform, folder.value(), platform.PreferredUiLanguages());
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

}  // namespace discgate
