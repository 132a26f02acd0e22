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
  platform.volumeSerial = first.volumeSerial;
  EXPECT_TRUE(SameDiscAsAtStart(platform, first).ok());
  // A folder gone from the same disc is the acceptance's to report, as a folder it cannot read.
  platform.identities.clear();
  EXPECT_TRUE(SameDiscAsAtStart(platform, first).ok());
  // Another file at the program's path on the same volume; another volume, program or not.
  platform.identities["E:\\setup.exe"] = {first.volumeSerial, 43};
  const Status changed = SameDiscAsAtStart(platform, first);
  ASSERT_FALSE(changed.ok());
  EXPECT_EQ(ReportText(changed.error(), English()),
            "The disc in the drive has changed since the licence agreement was shown; nothing was "
            "started.");
  platform.identities.clear();
  platform.volumeSerial = swapped.volumeSerial;
  EXPECT_EQ(SameDiscAsAtStart(platform, first).error().action, Action::DiscChanged);
}

}  // namespace
}  // namespace discgate
