#include "launcher/acceptance.h"

#include <new>

#include "launcher/launch_content.h"
#include "launcher/out_of_memory.h"
#include "launcher/paths.h"

namespace discgate {

Status Accept(Platform& platform) {
  try {
    const Result<std::string> module = platform.ModulePath();
    if (!module.ok()) return WithAction(module.error(), "Could not find the program's folder.");
    return LaunchContent(platform, FolderOf(module.value()));
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

}  // namespace discgate
