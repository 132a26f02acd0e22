#include "launcher/launch_content.h"

#include "launcher/browser.h"
#include "launcher/paths.h"

namespace discgate {

Status LaunchContent(Platform& platform, const std::string& folder) {
  const Result<std::vector<std::string>> names = platform.ListFiles(folder);
  if (!names.ok()) return WithAction(names.error(), Action::ReadFolder, folder);

  const std::optional<ContentChoice> choice = ChooseContent(names.value());
  if (!choice) return {};
  return Launch(platform, folder, *choice);
}

Status Launch(Platform& platform, const std::string& folder, const ContentChoice& choice) {
  const std::string path = JoinPath(folder, choice.name);
  if (choice.kind == ContentKind::IndexPage) return OpenInBrowser(platform, path, folder);

  Status started = platform.ShellOpen(path, folder);
  if (!started.ok()) return WithAction(started.error(), Action::Start, path);
  return {};
}

}  // namespace discgate
