#include "launcher/acceptance.h"

#include <new>

#include "launcher/launch_content.h"
#include "launcher/out_of_memory.h"
#include "launcher/program_folder.h"

namespace discgate {

Status Accept(Platform& platform) {
  try {
    const Result<std::string> folder = ProgramFolder(platform);
    if (!folder.ok()) return folder.error();
    return LaunchContent(platform, folder.value());
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

}  // namespace discgate
