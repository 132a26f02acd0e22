#include "launcher/sealed_start.h"

#include <algorithm>
#include <new>

#include "launcher/launch_content.h"
#include "launcher/out_of_memory.h"
#include "launcher/paths.h"

namespace discgate {

Result<CheckedStart> CheckStart(Platform& platform, const std::string& folder, const Seal& seal,
                                const std::atomic<bool>& stop) {
  try {
    Result<std::vector<std::string>> names = platform.ListFiles(folder);
    if (!names.ok()) return WithAction(names.error(), Action::ReadFolder, folder);
    std::vector<std::string>& listed = names.value();
    std::erase_if(listed, [&seal](const std::string& name) { return !seal.Find(name); });

    const std::optional<ContentChoice> choice = ChooseContent(listed);
    if (!choice) {
      // The seal lists its files sorted; any start file among them should have been there.
      std::vector<std::string> sealed = seal.Paths();
      if (const auto expected = ChooseContent(sealed)) {
        return SealedFileMissing(Error{kErrorFileNotFound, {}, {}, {}},
                                 JoinPath(folder, expected->name));
      }
      return CheckedStart{};
    }
    const std::string path = JoinPath(folder, choice->name);
    Result<std::unique_ptr<HeldFile>> held = platform.HoldFile(path);
    if (!held.ok()) return SealedFileNotRead(held.error(), path);
    const Result<Sha256Digest> digest = DigestOf(*held.value(), stop);
    if (!digest.ok()) {
      if (digest.error().code == kErrorCancelled) return digest.error();
      return SealedFileUnreadable(digest.error(), path);
    }
    if (digest.value() != *seal.Find(choice->name)) return SealedFileChanged(path);
    return CheckedStart{choice, std::move(held.value())};
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

Status StartChecked(Platform& platform, const std::string& folder, CheckedStart checked) {
  if (!checked.choice) return {};
  try {
    // The file stays held until what starts it has been created, then is let go: the browser
    // or the splash program reads it after this program has ended.
    return Launch(platform, folder, *checked.choice);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

}  // namespace discgate
