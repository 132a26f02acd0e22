#include "launcher/program_folder.h"

#include "launcher/paths.h"

namespace discgate {

Result<std::string> ProgramFolder(Platform& platform) {
  const Result<std::string> module = platform.ModulePath();
  if (!module.ok()) return WithAction(module.error(), Action::FindProgramFolder);
  return FolderOf(module.value());
}

}  // namespace discgate
