#include <gtest/gtest.h>

#include "launcher/acceptance.h"
#include "launcher/launch_content.h"
#include "launcher/paths.h"
#include "launcher/report_text.h"
#include "launcher/selection.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

TEST(Selection, OnlyIndexOrCapitalIndexAtTheStartMakesAStartPage) {
  for (const char* name :
       {"index.htm", "Index.html", "index.txt", "Index", "index", "indexes.doc", "index_old.pdf"}) {
    EXPECT_TRUE(IsIndexPage(name)) << name;
  }
  for (const char* name :
       {"INDEX.HTM", "iNdex.htm", "inde", "", "x", "my index.htm", "splash.exe"}) {
    EXPECT_FALSE(IsIndexPage(name)) << name;
  }
}

TEST(Selection, OnlyLowerCaseSplashExeIsTheSplashProgram) {
  EXPECT_TRUE(IsSplashProgram("splash.exe"));
  for (const char* name : {"Splash.exe", "SPLASH.EXE", "splash.exe.txt", "splash", "xsplash.exe"}) {
    EXPECT_FALSE(IsSplashProgram(name)) << name;
  }
}

TEST(Selection, TheFirstFileThatPassesEitherRuleWins) {
  const auto splashFirst = ChooseContent({"autorun.inf", "splash.exe", "index.htm"});
  ASSERT_TRUE(splashFirst);
  EXPECT_EQ(splashFirst->kind, ContentKind::SplashProgram);

  const auto indexFirst = ChooseContent({"Index.htm", "splash.exe", "index.htm"});
  ASSERT_TRUE(indexFirst);
  EXPECT_EQ(indexFirst->kind, ContentKind::IndexPage);
  EXPECT_EQ(indexFirst->name, "Index.htm");

  EXPECT_FALSE(ChooseContent({"INDEX.HTM", "Splash.exe", "readme.txt"}));
  EXPECT_FALSE(ChooseContent({}));
}

TEST(Selection, ANameWindowsCouldNotHaveMadeIsPassedOver) {
  // Names from a stick or image written on another system.
  for (const char* name :
       {"index\".htm", "index<1>.htm", "index|x.htm", "index*.htm", "index?.htm", "index:x.htm",
        "index\x01.htm", "index\t.htm", "index\n.htm", "splash.exe\r"}) {
    EXPECT_FALSE(IsWindowsFileName(name)) << name;
    EXPECT_FALSE(ChooseContent({name})) << name;
  }
  const auto next = ChooseContent({"index\".htm", "index.htm"});
  ASSERT_TRUE(next);
  EXPECT_EQ(next->name, "index.htm");
  for (const char* name : {"index.htm", "index ü 許可 & ^%!',;=()[]{}~.htm", "Index"}) {
    EXPECT_TRUE(IsWindowsFileName(name)) << name;
  }
}

TEST(Paths, FolderAndNameAreJoinedByExactlyOneSeparator) {
  EXPECT_EQ(JoinPath("E:\\", "index.htm"), "E:\\index.htm");
  EXPECT_EQ(JoinPath("E:\\setup", "index.htm"), "E:\\setup\\index.htm");
  EXPECT_EQ(JoinPath("\\\\server\\share\\disc", "index.htm"), "\\\\server\\share\\disc\\index.htm");
  EXPECT_EQ(JoinPath("", "License.txt"), "License.txt");
}

TEST(Paths, TheProgramFolderKeepsItsSeparatorOnlyAtADriveRoot) {
  EXPECT_EQ(FolderOf("E:\\discgate.exe"), "E:\\");
  EXPECT_EQ(FolderOf("E:\\setup\\discgate.exe"), "E:\\setup");
  EXPECT_EQ(FolderOf("\\\\server\\share\\discgate.exe"), "\\\\server\\share");
  EXPECT_EQ(FolderOf("discgate.exe"), "");
}

TEST(LaunchContent, AnIndexPageInASubfolderOpensByItsFullPath) {
  testing::FakePlatform platform;
  platform.folders["E:\\setup"] = {"License.txt", "discgate.exe", "index.htm"};
  ASSERT_TRUE(LaunchContent(platform, "E:\\setup").ok());
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0].commandLine, " -nohome E:\\setup\\index.htm");
  EXPECT_TRUE(platform.opened.empty());
}

TEST(LaunchContent, SplashStartsByItsFullPathInItsOwnFolderAndNothingElseStarts) {
  testing::FakePlatform platform;
  platform.folders["E:\\"] = {"splash.exe", "index.htm"};
  ASSERT_TRUE(LaunchContent(platform, "E:\\").ok());
  EXPECT_TRUE(platform.started.empty());
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened[0].file, "E:\\splash.exe");
  EXPECT_EQ(platform.opened[0].folder, "E:\\");
  EXPECT_FALSE(platform.opened[0].asWebPage);
}

TEST(LaunchContent, ANameWithAnUnpairedSurrogateIsPassedOverNotNarrowedToAnotherFile) {
  // How the platform hands over a name holding U+D800 alone: as the three bytes it would take.
  testing::FakePlatform platform;
  platform.folders["E:\\"] = {"index\xED\xA0\x80.htm", "index.htm"};
  ASSERT_TRUE(LaunchContent(platform, "E:\\").ok());
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0].commandLine, " -nohome E:\\index.htm");
}

TEST(LaunchContent, AFolderWithNothingToStartEndsQuietly) {
  testing::FakePlatform platform;
  platform.folders["E:\\"] = {"License.txt", "INDEX.HTM", "Splash.exe"};
  EXPECT_TRUE(LaunchContent(platform, "E:\\").ok());
  EXPECT_TRUE(platform.started.empty());
  EXPECT_TRUE(platform.opened.empty());
  EXPECT_TRUE(platform.removed.empty());
}

TEST(LaunchContent, AFolderThatCannotBeReadIsReported) {
  testing::FakePlatform platform;
  const Status status = LaunchContent(platform, "E:\\gone");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, kErrorPathNotFound);
  EXPECT_EQ(ActionText(status.error(), English()), "Could not read the folder \"E:\\gone\".");
}

TEST(LaunchContent, ASplashThatCannotStartIsReported) {
  testing::FakePlatform platform;
  platform.folders["E:\\"] = {"splash.exe"};
  platform.openFails = testing::FakeError(193);
  const Status status = LaunchContent(platform, "E:\\");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, 193u);
  EXPECT_EQ(ActionText(status.error(), English()), "Could not start \"E:\\splash.exe\".");
}

TEST(Acceptance, StartsTheContentOfTheProgramsOwnFolder) {
  testing::FakePlatform platform;
  platform.modulePath = std::string("E:\\setup\\discgate.exe");
  platform.folders["E:\\setup"] = {"index.htm"};
  ASSERT_TRUE(Accept(platform).ok());
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0].commandLine, " -nohome E:\\setup\\index.htm");
}

TEST(Acceptance, FailuresComeBackAsErrorsToReport) {
  testing::FakePlatform noModule;
  noModule.modulePath = testing::FakeError(122);
  Status status = Accept(noModule);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(ActionText(status.error(), English()), "Could not find the program's folder.");

  testing::FakePlatform noMemory;
  noMemory.folders["E:\\"] = {"index.htm"};
  noMemory.outOfMemory = true;
  status = Accept(noMemory);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, kErrorNotEnoughMemory);
  EXPECT_EQ(ActionText(status.error(), English()), "There is not enough memory to go on.");
  EXPECT_TRUE(noMemory.started.empty());
}

}  // namespace
}  // namespace discgate
