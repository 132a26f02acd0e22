#include <gtest/gtest.h>

#include <algorithm>

#include "launcher/licence_languages.h"

namespace discgate {
namespace {

std::vector<std::string> FileNames(const std::vector<std::string>& languages) {
  const std::vector<LicenceCandidate> candidates = LicenceCandidates(languages);
  std::vector<std::string> names(candidates.size());
  std::transform(candidates.begin(), candidates.end(), names.begin(),
                 [](const LicenceCandidate& candidate) { return candidate.fileName; });
  return names;
}

TEST(LicenceLanguages, EachLanguageFallsBackToItsBareLanguageBeforeTheNext) {
  EXPECT_EQ(FileNames({"de-AT", "fr-CA", "DE"}),
            (std::vector<std::string>{"License.de-AT.txt", "License.de.txt", "License.fr-CA.txt",
                                      "License.fr.txt", "License.txt"}));
  EXPECT_EQ(FileNames({"zh-Hant-TW"}),
            (std::vector<std::string>{"License.zh-Hant-TW.txt", "License.zh-Hant.txt",
                                      "License.zh-TW.txt", "License.zh.txt", "License.txt"}));
  // A singleton left at the end ("-u") is dropped with the subtag after it.
  EXPECT_EQ(FileNames({"de-DE-u-co-phonebk"}),
            (std::vector<std::string>{"License.de-DE-u-co-phonebk.txt", "License.de-DE-u-co.txt",
                                      "License.de-DE.txt", "License.de.txt", "License.txt"}));
  EXPECT_EQ(FileNames({}), std::vector<std::string>{"License.txt"});
}

TEST(LicenceLanguages, ChineseAsWindowsReportsItAlsoFindsTheScriptAndNorwegianFindsNo) {
  const auto chinese = [](const char* tag, const char* other) {
    return std::vector<std::string>{std::string("License.") + tag + ".txt",
                                    std::string("License.") + other + ".txt", "License.zh.txt",
                                    "License.txt"};
  };
  EXPECT_EQ(FileNames({"zh-TW"}), chinese("zh-TW", "zh-Hant"));
  EXPECT_EQ(FileNames({"zh-HK"}), chinese("zh-HK", "zh-Hant"));
  EXPECT_EQ(FileNames({"zh-MO"}), chinese("zh-MO", "zh-Hant"));
  EXPECT_EQ(FileNames({"zh-CN"}), chinese("zh-CN", "zh-Hans"));
  EXPECT_EQ(FileNames({"zh-SG"}), chinese("zh-SG", "zh-Hans"));
  EXPECT_EQ(FileNames({"zh-Hans-CN"}),
            (std::vector<std::string>{"License.zh-Hans-CN.txt", "License.zh-Hans.txt",
                                      "License.zh-CN.txt", "License.zh.txt", "License.txt"}));
  EXPECT_EQ(FileNames({"zh"}), (std::vector<std::string>{"License.zh.txt", "License.txt"}));
  EXPECT_EQ(FileNames({"nb-NO"}), (std::vector<std::string>{"License.nb-NO.txt", "License.nb.txt",
                                                            "License.no.txt", "License.txt"}));
  EXPECT_EQ(FileNames({"nn"}),
            (std::vector<std::string>{"License.nn.txt", "License.no.txt", "License.txt"}));
  // Hebrew under its withdrawn name also finds the licence under its name of today.
  EXPECT_EQ(FileNames({"iw-IL"}), (std::vector<std::string>{"License.iw-IL.txt", "License.iw.txt",
                                                            "License.he.txt", "License.txt"}));
  // Another language's region says nothing about Chinese.
  EXPECT_EQ(FileNames({"en-TW"}),
            (std::vector<std::string>{"License.en-TW.txt", "License.en.txt", "License.txt"}));
}

TEST(LicenceLanguages, MalformedTagsNeverBecomeFileNames) {
  EXPECT_EQ(FileNames({"", "-", "de--AT", "de-", "..\\..\\x", "de_AT", "d", "deutsch", "pt-BR/x",
                       "en-verylongsubtag", std::string(90, 'a')}),
            std::vector<std::string>{"License.txt"});
}

TEST(LicenceLanguages, ScriptThenLanguageDecidesRightToLeft) {
  for (const char* tag : {"ar", "ar-EG", "he-IL", "fa", "ur-PK", "AR", "az-Arab", "pa-Arab-PK"}) {
    EXPECT_TRUE(IsRightToLeft(tag)) << tag;
  }
  for (const char* tag : {"", "en-US", "de", "ku-Latn", "ar-Latn", "zh-Hant-TW", "x-ar"}) {
    EXPECT_FALSE(IsRightToLeft(tag)) << tag;
  }
}

}  // namespace
}  // namespace discgate
