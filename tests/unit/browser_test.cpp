#include <gtest/gtest.h>

#include "launcher/report_text.h"
#include "launcher/browser.h"
#include "launcher/browser_args.h"
#include "launcher/paths.h"
#include "platform/shell_codes.h"
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
  EXPECT_EQ(BrowserCommandLine(ie, "E:\\My Disc\\index.htm"),
            " -nohome \"E:\\My Disc\\index.htm\"");
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

TEST(FindBrowser, TheProbeIsHeldOpenUntilTheLookupIsOver) {
  // Held, not deleted afterwards: the system removes it as the handle closes, so nothing is left
  // even when the process is ended in the middle of the lookup.
  testing::FakePlatform platform;
  platform.association = {31, ""};
  FindBrowser(platform);
  EXPECT_EQ(platform.lookedUpWhileExisting.size(), 1u);
  EXPECT_EQ(platform.removed, platform.lookedUpWhileExisting);
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

TEST(OpenInBrowser, WithoutABrowserThePageGoesToTheShellAsAWebPage) {
  for (const std::int32_t code : {0, 2, 31, 32}) {
    testing::FakePlatform platform;
    platform.association = {code, "C:\\stale\\iexplore.exe"};
    platform.programs.insert("C:\\stale\\iexplore.exe");
    ASSERT_TRUE(OpenInBrowser(platform, "E:\\setup\\index.htm", "E:\\setup").ok()) << code;
    EXPECT_TRUE(platform.started.empty()) << code;
    ASSERT_EQ(platform.opened.size(), 1u) << code;
    EXPECT_EQ(platform.opened[0].file, "E:\\setup\\index.htm");
    EXPECT_EQ(platform.opened[0].folder, "E:\\setup");
    EXPECT_TRUE(platform.opened[0].asWebPage);
  }
}

TEST(OpenInBrowser, OnlyAFullPathToAnExistingExeIsStartedAsTheBrowser) {
  // What is refused is reported, never handed to the shell, which would open the page through
  // the same association.
  const struct {
    const char* program;
    bool exists;
    std::uint32_t refusal;  // 0: started
  } cases[] = {
      {"C:\\Browser\\browser.exe", true, 0},
      {"C:\\Browser\\BROWSER.EXE", true, 0},
      {"\\\\server\\apps\\browser.exe", true, 0},
      {"C:\\Browser\\browser.exe", false, 2},  // the association outlived the browser
      {"browser.exe", true, 1155},             // would be searched for in folders others write
      {"Browser\\browser.exe", true, 1155},
      {"C:browser.exe", true, 1155},          // relative to drive C's current directory
      {"C:\\Browser\\open.cmd", true, 1155},  // a command interpreter would read the page
      {"C:\\Browser\\open.bat", true, 1155},
      {"C:\\Browser\\page.htm", true, 1155},
      {"", true, 1155},
  };
  for (const auto& each : cases) {
    testing::FakePlatform platform;
    platform.association = {42, each.program};
    platform.programs = {};
    if (each.exists) platform.programs.insert(each.program);
    const Status status = OpenInBrowser(platform, "E:\\index.htm", "E:\\");
    EXPECT_EQ(status.ok() ? 0u : status.error().code, each.refusal) << each.program;
    EXPECT_EQ(platform.started.size(), each.refusal ? 0u : 1u) << each.program;
    EXPECT_TRUE(platform.opened.empty()) << each.program;
  }
}

TEST(OpenInBrowser, ABrowserThatCannotStartIsReportedWithThePage) {
  testing::FakePlatform platform;
  platform.startFails = testing::FakeError(5);
  const Status status = OpenInBrowser(platform, "E:\\index.htm", "E:\\");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, 5u);
  EXPECT_EQ(ActionText(status.error(), English()), "Could not open \"E:\\index.htm\".");
  EXPECT_TRUE(platform.opened.empty());
}

TEST(OpenInBrowser, WhenTheShellFailsTooThePageAndTheReasonAreReported) {
  testing::FakePlatform platform;
  platform.association = {31, ""};
  platform.openFails = testing::FakeError(1155);
  const Status status = OpenInBrowser(platform, "E:\\index.htm", "E:\\");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, 1155u);
  EXPECT_EQ(ActionText(status.error(), English()), "Could not open \"E:\\index.htm\".");
  EXPECT_TRUE(platform.files.empty());
}

TEST(ShellCodes, OldStyleShellCodesAreReportedAsTheWindowsErrorsTheyMean) {
  EXPECT_EQ(ShellCodeToError(31), 1155u);  // no association, not "a device is not functioning"
  EXPECT_EQ(ShellCodeToError(27), 1155u);
  EXPECT_EQ(ShellCodeToError(26), 32u);
  for (const std::uint32_t dde : {28u, 29u, 30u}) EXPECT_EQ(ShellCodeToError(dde), 1156u);
  EXPECT_EQ(ShellCodeToError(32), 1157u);
  EXPECT_EQ(ShellCodeToError(0), 8u);
  EXPECT_EQ(ShellCodeToError(8), 8u);
  EXPECT_EQ(ShellCodeToError(11), 193u);
  for (const std::uint32_t same : {2u, 3u, 5u}) EXPECT_EQ(ShellCodeToError(same), same);
}

}  // namespace
}  // namespace discgate
