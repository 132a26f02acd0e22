#include <gtest/gtest.h>

#include "launcher/one_window.h"

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

}  // namespace
}  // namespace discgate
