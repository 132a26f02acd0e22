#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/sha256.h"
#include "platform/platform.h"

namespace discgate {

// The seal's digest a program file carries, found in its bytes; nothing for a program that
// carries none (the build's own, with dashes) and for a file that is no sealed program.
std::optional<Sha256Digest> SealInProgram(std::string_view programBytes);

// What disc-check says of a sealed disc, for its author or a user to read: one line for each file
// that is not as released, or one line that all are.
//
//   sealed: PROGRAM                the program whose seal the disc is checked against
//   missing: PATH                  listed in the seal, not on the disc: the copy is incomplete
//   changed: PATH                  its bytes are not the ones released
//   unreadable: PATH: error N      reading it failed: the disc may be damaged
//   not in the seal: PATH          on the disc, but not released with it
//   N files as released
struct SealReport {
  std::vector<std::string> lines;
  bool asReleased = false;
};

// `files` are every file below `folder`, as paths from it with "/"; the root's .exe files are
// looked in for the program. Nothing when no program there carries a seal.
std::optional<SealReport> CheckSealedDisc(Platform& platform, const std::string& folder,
                                          const std::vector<std::string>& files);

}  // namespace discgate
