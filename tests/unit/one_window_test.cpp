#include <gtest/gtest.h>

#include "launcher/one_window.h"
#include "launcher/report_text.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

TEST(OneWindow, OneNamePerFolderWhateverTheCaseOfItsLetters) {
  EXPECT_EQ(OneWindowName("E:\\Setup.exe"), OneWindowName("e:\\SETUP.EXE"));
  EXPECT_NE(OneWindowName("E:\\setup.exe"), OneWindowName("F:\\setup.exe"));
  // In the session's own namespace, and short enough for any Windows.
  EXPECT_EQ(OneWindowName("E:\\setup.exe").rfind("Local\\discgate-", 0), 0u);
  EXPECT_EQ(OneWindowName(std::string(32767, 'a')).size(), OneWindowName("E:\\a.exe").size());
}

TEST(OneWindow, OnlyTheSameProgramFileCountsAsThisProgram) {
  EXPECT_TRUE(SameProgram("E:\\Setup.exe", "e:\\setup.EXE"));
  EXPECT_FALSE(SameProgram("E:\\setup.exe", "E:\\other\\setup.exe"));
  EXPECT_FALSE(SameProgram("", ""));  // a process whose file cannot be known
}

TEST(OneWindow, ADiscSwappedIntoTheDriveIsAnotherDiscForTheWindowAndForAccepting) {
  const FileIdentity first{0x1234ABCD, 42};
  const FileIdentity swapped{0x5678EF01, 42};
  EXPECT_NE(OneWindowName("E:\\setup.exe", first), OneWindowName("E:\\setup.exe", swapped));
  EXPECT_NE(OneWindowName("E:\\setup.exe", first),
            OneWindowName("E:\\setup.exe", {0x1234ABCD, 43}));
  EXPECT_NE(OneWindowAnswer(first), OneWindowAnswer(swapped));
  EXPECT_NE(OneWindowAnswer({}), 0u);

  testing::FakePlatform platform;
  platform.modulePath = std::string("E:\\setup.exe");
  platform.identities["E:\\setup.exe"] = first;
  EXPECT_TRUE(SameDiscAsAtStart(platform, first).ok());
  platform.identities["E:\\setup.exe"] = swapped;
  const Status changed = SameDiscAsAtStart(platform, first);
  ASSERT_FALSE(changed.ok());
  EXPECT_EQ(ReportText(changed.error(), English()),
            "The disc in the drive has changed since the licence agreement was shown; nothing was "
            "started.");
  platform.identities.clear();  // a disc without the program
  EXPECT_EQ(SameDiscAsAtStart(platform, first).error().action, Action::DiscChanged);
}

}  // namespace
}  // namespace discgate
