#pragma once

#include <memory>
#include <string>
#include <vector>

#include "launcher/sha256.h"
#include "launcher/ui_texts.h"
#include "platform/platform.h"

namespace discgate {

class Seal;

// Far beyond any real licence; a text box given more takes minutes to lay it out.
inline constexpr std::uint64_t kMaxLicenceBytes = std::uint64_t{16} << 20;

// The licence agreement. Prose here says "licence"; the file keeps the spelling disc authors know,
// License.txt.
struct Licence {
  std::string text;  // decoded and ready for the text box; as RTF when `rtf`
  bool rtf = false;  // License.rtf and the like: shown formatted
  bool rightToLeft = false;
  // The window's texts: the licence's language where the program speaks it, else English, which
  // is also what the plain "License.txt" gets.
  const UiLanguage* language = &English();
  std::string path;       // the file it was read from, as the reports name it
  Sha256Digest digest{};  // of the file's bytes, to know them again for a copy
  // A notice (Notice.txt and the like, on a disc with no licence file): read, not agreed to.
  bool notice = false;
  // The seal of the disc the licence was checked against, which what accepting starts is checked
  // against too; none for a program that carries no seal.
  std::shared_ptr<const Seal> seal;
};

// The licence in the first of the user's languages that the disc has (License.de-AT.txt, ...),
// else "License.txt". Each file is looked for in the current directory first and, when it is not
// there, beside the program file; in each place as plain text, then as RTF (License.de-AT.rtf).
// When there is no licence file at all, the same names with "Notice" for "License" are looked
// for in the same order: a notice. With neither, the failure names License.txt.
// The licence as the window shows it, made from a file's bytes: RTF written anew by the filter,
// or plain text decoded.
Result<std::string> ShownText(Platform& platform, const std::string& path, bool rtf,
                              const std::string& bytes);

// With a seal, only the program's folder is looked in, only names the seal lists are read, and a
// licence whose bytes are not the ones the seal gives is refused. `besideProgramOnly` leaves the
// current directory out without a seal, for a report of what a disc holds.
Result<Licence> LoadLicence(Platform& platform, const std::string& programFolder,
                            const std::vector<std::string>& languages, const Seal* seal = nullptr,
                            bool besideProgramOnly = false);

}  // namespace discgate
