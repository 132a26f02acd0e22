#pragma once

#include <limits>
#include <string>
#include <string_view>

#include "launcher/licence_loader.h"
#include "platform/platform.h"

namespace discgate {

// A copy of the licence, printed or saved, is the licence as it was shown at start, never what
// the reader typed into the box. Its file is read again and must be the one that was shown: the
// licence is not kept twice in memory for this.
Result<std::string> LicenceAsShown(Platform& platform, const Licence& licence);

// The name a saved copy is offered: the licence's own file name (License.de.txt).
std::string CopyFileName(std::string_view licencePath);

// A plain licence as a file that any Windows editor reads: UTF-8 with a byte-order mark, CR LF.
std::string PlainCopy(std::string_view text);

// What the foot of each printed page says: "2 / 5".
std::string PageNumber(int page, int pages);

// The pages a reader chose in the Print dialog, counted from 1, both printed; all by default.
struct PageRange {
  int first = 1;
  int last = std::numeric_limits<int>::max();
};

// The chosen pages that a printout of `pages` pages has; first > last when it has none of them.
PageRange PagesThere(PageRange chosen, int pages);

}  // namespace discgate
