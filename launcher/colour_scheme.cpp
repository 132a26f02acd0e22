#include "launcher/colour_scheme.h"

namespace discgate {

bool ChooseDark(std::optional<std::uint32_t> appsUseLightTheme, bool highContrast,
                std::uint32_t build) {
  return appsUseLightTheme == 0U && !highContrast && build >= kFirstDarkBuild;
}

std::uint32_t DarkTitleBarAttribute(std::uint32_t build) {
  if (build >= kDocumentedDarkBuild) return 20;
  return build >= kFirstDarkBuild ? 19 : 0;
}

}  // namespace discgate
