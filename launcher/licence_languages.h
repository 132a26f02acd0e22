#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace discgate {

// The licence file every disc has; the ones in other languages are named after it.
inline constexpr const char* kLicenceFileName = "License.txt";

struct LicenceCandidate {
  std::string fileName;
  std::string language;  // the BCP 47 tag in the name; empty for the plain "License.txt"
};

// The licence files to look for, best first: for each of the user's preferred UI languages the
// full tag, then the tag with its last subtag dropped, down to the bare language
// (License.zh-Hant-TW.txt, License.zh-Hant.txt, License.zh.txt), and "License.txt" last. After
// each, the names of the same language (zh-TW: zh-Hant; zh-Hant-TW: zh-TW; nb and nn: no).
// Malformed tags are skipped, so a tag can never make a path of its own.
std::vector<LicenceCandidate> LicenceCandidates(const std::vector<std::string>& languages);

// The language tags of that chain for one tag, in order, with no file names made and nothing
// allocated, until `each` returns false. Names may come twice.
void ForEachLicenceLanguage(std::string_view tag,
                            const std::function<bool(std::string_view)>& each);

// Whether text in this language is read right to left: by its script subtag where it has one
// (az-Arab is, ku-Latn is not), otherwise by its language.
bool IsRightToLeft(std::string_view languageTag);

}  // namespace discgate
