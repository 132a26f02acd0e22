// Finding and reading the licence agreement ("License.txt", or the licence in the user's
// language), from the current directory or beside the program, as the program does at start.
#include <gtest/gtest.h>

#include "launcher/report_text.h"
#include "launcher/licence_loader.h"
#include "launcher/start_up.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

TEST(LicenceLoading, TheCurrentDirectoryComesFirst) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = "from the current directory";
  platform.files["E:\\setup\\License.txt"] = "beside the program";
  const Result<Licence> licence = LoadLicence(platform, "E:\\setup", {});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "from the current directory");
}

TEST(LicenceLoading, StartedFromElsewhereTheLicenceBesideTheProgramIsShown) {
  testing::FakePlatform platform;
  platform.files["E:\\License.txt"] = "beside the program\n";
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "beside the program\r\n");
}

TEST(LicenceLoading, MissingFromBothPlacesNamesTheFileAndTheSystemError) {
  testing::FakePlatform platform;
  const Result<Licence> licence = LoadLicence(platform, "E:\\setup", {});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, kErrorFileNotFound);
  EXPECT_EQ(licence.error().description, "fake error 2");
  EXPECT_NE(ActionText(licence.error(), English()).find("E:\\setup\\License.txt"),
            std::string::npos);
}

TEST(LicenceLoading, AnUnreadableLicenceIsReportedNotSkipped) {
  // A licence that is there but cannot be read must not be replaced by another one.
  testing::FakePlatform platform;
  platform.unreadable["License.txt"] = testing::FakeError(5);
  platform.files["E:\\License.txt"] = "another licence";
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, 5u);
  EXPECT_NE(ActionText(licence.error(), English()).find("\"License.txt\""), std::string::npos);
}

TEST(LicenceLoading, ACurrentDirectoryThatCannotBeReachedDoesNotHideTheLicenceBesideTheProgram) {
  // A drive with no disc in it, a network path or share that is gone, no network at all.
  for (const std::uint32_t code : {kErrorNotReady, kErrorBadNetPath, kErrorBadNetName,
                                   kErrorInvalidDrive, kErrorNetworkUnreachable}) {
    testing::FakePlatform platform;
    platform.unreadable["License.txt"] = testing::FakeError(code);
    platform.files["E:\\License.txt"] = "beside the program";
    const Result<Licence> licence = LoadLicence(platform, "E:\\", {});
    ASSERT_TRUE(licence.ok()) << code;
    EXPECT_EQ(licence.value().text, "beside the program");
  }
}

TEST(LicenceLoading, AnOversizedLicenceIsRefusedWithAClearMessage) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = std::string(kMaxLicenceBytes + 1, 'x');
  platform.files["E:\\License.txt"] = "small";
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, kErrorFileTooLarge);
  EXPECT_EQ(ActionText(licence.error(), English()),
            "The licence agreement \"License.txt\" is too large to show (more than 16 MB).");

  platform.files["License.txt"] = std::string(kMaxLicenceBytes, 'x');
  EXPECT_TRUE(LoadLicence(platform, "E:\\", {}).ok());
}

TEST(LicenceLoading, TheFirstLanguageTheDiscHasIsShownFromEitherPlace) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = "English";
  platform.files["E:\\License.fr.txt"] = "Français";
  platform.files["License.ar.txt"] = "عربي";
  Result<Licence> licence = LoadLicence(platform, "E:\\", {"de-AT", "fr-CA", "ar"});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "Français");
  EXPECT_FALSE(licence.value().rightToLeft);
  EXPECT_EQ(licence.value().language->tag, "fr");

  licence = LoadLicence(platform, "E:\\", {"ar-EG"});
  ASSERT_TRUE(licence.ok());
  EXPECT_TRUE(licence.value().rightToLeft);
  EXPECT_EQ(licence.value().language->tag, "ar");

  // The plain licence keeps the English window, whatever the user's language.
  licence = LoadLicence(platform, "E:\\", {"ja-JP"});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "English");
  EXPECT_EQ(licence.value().language->tag, "en");
}

TEST(LicenceLoading, ALicenceInALanguageTheProgramDoesNotSpeakGetsEnglishTexts) {
  testing::FakePlatform platform;
  platform.files["License.fa.txt"] = "فارسی";
  platform.files["License.no.txt"] = "Norsk";
  Result<Licence> licence = LoadLicence(platform, "E:\\", {"fa-IR"});
  ASSERT_TRUE(licence.ok());
  EXPECT_TRUE(licence.value().rightToLeft);
  EXPECT_EQ(licence.value().language->tag, "en");

  // Found by the name "no", shown with the Norwegian texts.
  licence = LoadLicence(platform, "E:\\", {"nn-NO"});
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "Norsk");
  EXPECT_EQ(licence.value().language->tag, "nb");
}

TEST(LicenceLoading, ALanguageFileThatCannotBeReadIsReported) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = "English";
  platform.unreadable["License.de.txt"] = testing::FakeError(32);
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {"de-DE"});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(ActionText(licence.error(), English()),
            "Could not read the licence agreement \"License.de.txt\".");
}

TEST(LicenceAtStart, TheProgramsFolderAndTheUsersLanguagesComeFromTheSystem) {
  testing::FakePlatform platform;
  platform.modulePath = std::string("E:\\setup\\discgate.exe");
  platform.languages = {"de-AT"};
  platform.files["E:\\setup\\License.txt"] = "English";
  platform.files["E:\\setup\\License.de.txt"] = "Deutsch";
  const Result<Licence> licence = LoadLicenceAtStart(platform);
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "Deutsch");
}

TEST(LicenceAtStart, AProgramFolderThatCannotBeFoundIsReportedNotTakenAsEmpty) {
  testing::FakePlatform platform;
  platform.modulePath = testing::FakeError(122);
  platform.files["License.txt"] = "from the current directory";
  const Result<Licence> licence = LoadLicenceAtStart(platform);
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, 122u);
  EXPECT_EQ(ActionText(licence.error(), English()), "Could not find the program's folder.");
  EXPECT_TRUE(platform.read.empty());
}

TEST(LicenceAtStart, RunningOutOfMemoryIsReportedAsSuch) {
  testing::FakePlatform platform;
  platform.outOfMemory = true;
  const Result<Licence> licence = LoadLicenceAtStart(platform);
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, kErrorNotEnoughMemory);
  EXPECT_EQ(ActionText(licence.error(), English()), "There is not enough memory to go on.");
}

}  // namespace
}  // namespace discgate

namespace discgate {
namespace {

TEST(RtfLicence, EachNameIsTriedAsTextThenAsRtfInEachPlace) {
  testing::FakePlatform platform;
  platform.languages = {"de-DE"};
  platform.files["License.de.rtf"] = "{\\rtf1 Lizenz{\\pict 00}}";
  platform.files["License.txt"] = "licence";
  Result<Licence> licence = LoadLicenceAtStart(platform);
  ASSERT_TRUE(licence.ok());
  EXPECT_TRUE(licence.value().rtf);
  EXPECT_EQ(licence.value().text, "{\\rtf1 Lizenz}");
  EXPECT_EQ(licence.value().language->tag, "de");

  // With both, the plain text is shown, as on every disc before.
  platform.files["License.de.txt"] = "Lizenz";
  licence = LoadLicenceAtStart(platform);
  ASSERT_TRUE(licence.ok());
  EXPECT_FALSE(licence.value().rtf);
  EXPECT_EQ(platform.read.back(), "License.de.txt");
}

TEST(RtfLicence, AnRtfLicenceThatDoesNotBalanceIsReportedAsOneThatCannotBeRead) {
  testing::FakePlatform platform;
  platform.files["E:\\License.rtf"] = "{\\rtf1 open";
  const Result<Licence> licence = LoadLicence(platform, "E:\\", {});
  ASSERT_FALSE(licence.ok());
  EXPECT_EQ(licence.error().code, kErrorInvalidData);
  EXPECT_EQ(ActionText(licence.error(), English()),
            "The licence agreement \"E:\\License.rtf\" is not a valid RTF document.");
}

TEST(NoticeLoading, ANoticeIsShownOnlyOnADiscWithNoLicenceInAnyPlace) {
  testing::FakePlatform platform;
  platform.files["E:\\Notice.txt"] = "Notice";
  platform.files["E:\\Notice.de.txt"] = "Hinweis";
  Result<Licence> shown = LoadLicence(platform, "E:\\", {"de-DE"});
  ASSERT_TRUE(shown.ok());
  EXPECT_EQ(shown.value().text, "Hinweis");
  EXPECT_TRUE(shown.value().notice);
  // Any licence file, even only the plain one, comes before every notice.
  platform.files["E:\\License.txt"] = "Licence";
  shown = LoadLicence(platform, "E:\\", {"de-DE"});
  ASSERT_TRUE(shown.ok());
  EXPECT_EQ(shown.value().text, "Licence");
  EXPECT_FALSE(shown.value().notice);
  // With neither, the failure names the licence.
  testing::FakePlatform empty;
  const Result<Licence> none = LoadLicence(empty, "E:\\", {"de-DE"});
  ASSERT_FALSE(none.ok());
  EXPECT_EQ(none.error().subject, "E:\\License.txt");
}

}  // namespace
}  // namespace discgate
