#include "launcher/start_up.h"

#include <new>

#include "launcher/out_of_memory.h"
#include "launcher/program_folder.h"

namespace discgate {

Result<Licence> LoadLicenceAtStart(Platform& platform, const BuiltInSeal& builtIn) {
  try {
    const Result<std::string> folder = ProgramFolder(platform);
    if (!folder.ok()) return folder.error();
    std::shared_ptr<const Seal> seal;
    if (builtIn.sealed) {
      Result<Seal> read = ReadSeal(platform, folder.value(), builtIn.digest);
      if (!read.ok()) return read.error();
      seal = std::make_shared<const Seal>(std::move(read.value()));
    }
    Result<Licence> licence =
        LoadLicence(platform, folder.value(), platform.PreferredUiLanguages(), seal.get());
    if (licence.ok()) licence.value().seal = std::move(seal);
    return licence;
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

}  // namespace discgate
