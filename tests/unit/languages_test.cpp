#include <gtest/gtest.h>

#include <algorithm>

#include "launcher/licence_languages.h"
#include "launcher/licence_loader.h"
#include "tests/unit/fake_platform.h"

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
                                      "License.zh.txt", "License.txt"}));
  // A singleton left at the end ("-u") is dropped with the subtag after it.
  EXPECT_EQ(FileNames({"de-DE-u-co-phonebk"}),
            (std::vector<std::string>{"License.de-DE-u-co-phonebk.txt", "License.de-DE-u-co.txt",
                                      "License.de-DE.txt", "License.de.txt", "License.txt"}));
  EXPECT_EQ(FileNames({}), std::vector<std::string>{"License.txt"});
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

TEST(LicenceLanguages, TheFirstLanguageTheDiscHasIsShownFromEitherPlace) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = "English";
  platform.files["E:\\License.fr.txt"] = "Français";
  platform.files["License.ar.txt"] = "عربي";
  Result<Licence> licence = LoadLicence(platform, "E:\\", {"de-AT", "fr-CA", "ar"});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "Français");
  EXPECT_EQ(licence.value().language, "fr");
  EXPECT_FALSE(licence.value().rightToLeft);

  licence = LoadLicence(platform, "E:\\", {"ar-EG"});
  ASSERT_TRUE(licence.ok());
  EXPECT_TRUE(licence.value().rightToLeft);

  licence = LoadLicence(platform, "E:\\", {"ja-JP"});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "English");
  EXPECT_EQ(licence.value().language, "");
}

TEST(LicenceLanguages, ALanguageFileThatCannotBeReadIsReported) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = "English";
  platform.unreadable["License.de.txt"] = testing::FakeError(32);
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {"de-DE"});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().action, "Could not read the licence agreement \"License.de.txt\".");
}

}  // namespace
}  // namespace discgate
