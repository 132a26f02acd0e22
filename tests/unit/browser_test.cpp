#include <gtest/gtest.h>

#include "launcher/browser.h"
#include "launcher/browser_args.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

TEST(BrowserArgs, ThePrefixFollowsTheBrowsersNameWhateverItsCase) {
  EXPECT_EQ(GetBrowserArgs("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"), " -nohome ");
  EXPECT_EQ(GetBrowserArgs("c:\\ie\\iexplore.exe"), " -nohome ");
  EXPECT_EQ(GetBrowserArgs("C:\\Netscape\\Program\\NETSCAPE.EXE"), " ");
  EXPECT_EQ(GetBrowserArgs("C:\\Netscape\\Netscp.exe"), " -url ");
  EXPECT_EQ(GetBrowserArgs("C:\\Firefox\\firefox.exe"), " ");
  EXPECT_EQ(GetBrowserArgs(""), " ");
  // The first name in the table that is found wins, wherever it stands in the path.
  EXPECT_EQ(GetBrowserArgs("C:\\netscp.exe\\iexplore.exe"), " -nohome ");
}

TEST(BrowserArgs, TheCommandLineIsThePrefixThenThePageQuotedOnlyWhenItHoldsBlanks) {
  const std::string ie = "C:\\IE\\IEXPLORE.EXE";
  EXPECT_EQ(BrowserCommandLine(ie, "E:\\index.htm"), " -nohome E:\\index.htm");
  EXPECT_EQ(BrowserCommandLine("C:\\NETSCAPE.EXE", "E:\\index.htm"), " E:\\index.htm");
  EXPECT_EQ(BrowserCommandLine("C:\\netscp.exe", "E:\\index.htm"), " -url E:\\index.htm");
  EXPECT_EQ(BrowserCommandLine(ie, "E:\\My Disc\\index.htm"), " -nohome \"E:\\My Disc\\index.htm\"");
  EXPECT_EQ(BrowserCommandLine(ie, "E:\\tab\there.htm"), " -nohome \"E:\\tab\there.htm\"");
  EXPECT_EQ(BrowserCommandLine(ie, "E:\\a&b(1)\\index.htm"), " -nohome E:\\a&b(1)\\index.htm");
}

TEST(FindBrowser, AsksAboutAProbeThatExistsAndLeavesNoneBehind) {
  testing::FakePlatform platform;
  const ExecutableLookup browser = FindBrowser(platform);
  EXPECT_EQ(browser.code, 42);
  EXPECT_EQ(browser.program, platform.association.program);
  ASSERT_EQ(platform.lookedUpWhileExisting.size(), 1u);
  EXPECT_EQ(platform.lookedUpWhileExisting[0], "C:\\Temp\\discgate-1f4-0.html");
  EXPECT_EQ(platform.removed, platform.lookedUpWhileExisting);
  EXPECT_TRUE(platform.files.empty());
}

TEST(FindBrowser, NeverTouchesAFileThatIsAlreadyThere) {
  testing::FakePlatform platform;
  platform.files["C:\\Temp\\discgate-1f4-0.html"] = "someone else's";
  platform.files["C:\\Temp\\dummy.html"] = "the user's";
  EXPECT_EQ(FindBrowser(platform).code, 42);
  EXPECT_EQ(platform.removed, std::vector<std::string>{"C:\\Temp\\discgate-1f4-1.html"});
  EXPECT_EQ(platform.files["C:\\Temp\\discgate-1f4-0.html"], "someone else's");
  EXPECT_EQ(platform.files["C:\\Temp\\dummy.html"], "the user's");
  EXPECT_EQ(platform.files.size(), 2u);
}

TEST(FindBrowser, NoAssociationStillDeletesTheProbe) {
  testing::FakePlatform platform;
  platform.association = {31, ""};
  EXPECT_EQ(FindBrowser(platform).code, 31);
  EXPECT_EQ(platform.removed.size(), 1u);
  EXPECT_TRUE(platform.files.empty());
}

TEST(FindBrowser, NoTemporaryFolderOrNoProbeMeansNoBrowser) {
  testing::FakePlatform noTemp;
  noTemp.tempDir = testing::FakeError(3);
  EXPECT_LE(FindBrowser(noTemp).code, 32);

  testing::FakePlatform readOnlyTemp;
  readOnlyTemp.createFails = testing::FakeError(5);
  EXPECT_LE(FindBrowser(readOnlyTemp).code, 32);
  EXPECT_TRUE(readOnlyTemp.lookedUpWhileExisting.empty());
}

TEST(OpenInBrowser, StartsTheDefaultBrowserWithItsPrefixAndThePage) {
  testing::FakePlatform platform;
  ASSERT_TRUE(OpenInBrowser(platform, "E:\\index.htm", "E:\\").ok());
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0].program, platform.association.program);
  EXPECT_EQ(platform.started[0].commandLine, " -nohome E:\\index.htm");
  EXPECT_TRUE(platform.opened.empty());
}

TEST(OpenInBrowser, WithoutABrowserThePageGoesToTheShell) {
  for (const std::int32_t code : {0, 2, 31, 32}) {
    testing::FakePlatform platform;
    platform.association = {code, "C:\\stale\\iexplore.exe"};
    ASSERT_TRUE(OpenInBrowser(platform, "E:\\setup\\index.htm", "E:\\setup").ok()) << code;
    EXPECT_TRUE(platform.started.empty()) << code;
    ASSERT_EQ(platform.opened.size(), 1u) << code;
    EXPECT_EQ(platform.opened[0].file, "E:\\setup\\index.htm");
    EXPECT_EQ(platform.opened[0].folder, "E:\\setup");
  }
}

TEST(OpenInBrowser, ABrowserThatCannotStartFallsBackToTheShell) {
  testing::FakePlatform platform;
  platform.startFails = testing::FakeError(2);
  ASSERT_TRUE(OpenInBrowser(platform, "E:\\index.htm", "E:\\").ok());
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened[0].file, "E:\\index.htm");
}

TEST(OpenInBrowser, WhenTheShellFailsTooThePageAndTheReasonAreReported) {
  testing::FakePlatform platform;
  platform.association = {31, ""};
  platform.openFails = testing::FakeError(1155);
  const Status status = OpenInBrowser(platform, "E:\\index.htm", "E:\\");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, 1155u);
  EXPECT_EQ(status.error().action, "Could not open \"E:\\index.htm\".");
  EXPECT_TRUE(platform.files.empty());
}

}  // namespace
}  // namespace discgate
