// What disc-check tells an author of a disc: the disc's own licence, and what the file accepting
// starts needs that the disc's users may not have.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "launcher/disc_report.h"
#include "launcher/start_file_checks.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

// The first bytes of a Windows program for a processor.
std::string ProgramHead(unsigned machine) {
  std::string head(0x200, '\0');
  head.replace(0, 2, "MZ");
  head[0x3C] = 0x40;
  head.replace(0x40, 4, std::string("PE\0\0", 4));
  head[0x44] = static_cast<char>(machine & 0xFF);
  head[0x45] = static_cast<char>(machine >> 8);
  return head;
}

bool Says(const std::vector<std::string>& lines, const std::string& start) {
  return std::any_of(lines.begin(), lines.end(),
                     [&start](const std::string& line) { return line.starts_with(start); });
}

TEST(DiscReport, TheLicenceIsTheDiscsOwnNeverOneInTheDirectoryItWasStartedFrom) {
  testing::FakePlatform platform;
  platform.files["License.txt"] = "a licence in the current directory";
  const std::vector<std::string> lines = DiscReport(platform, "E:\\", {"index.htm"});
  EXPECT_TRUE(Says(lines, "refused: License.txt: readers of other languages get no licence"));
  EXPECT_FALSE(Says(lines, "licence: other languages"));
}

TEST(DiscReport, ASplashProgramForAnotherProcessorOrNoneIsWarnedAbout) {
  testing::FakePlatform platform;
  platform.files["E:\\License.txt"] = "licence";
  platform.files["E:\\splash.exe"] = ProgramHead(0x8664);
  EXPECT_TRUE(Says(DiscReport(platform, "E:\\", {"splash.exe"}),
                   "warning: splash.exe: it is not a 32-bit x86 program (machine 0x8664)"));
  platform.files["E:\\splash.exe"] = "#!/bin/sh";
  EXPECT_TRUE(Says(DiscReport(platform, "E:\\", {"splash.exe"}),
                   "warning: splash.exe: it is not a Windows program"));
  platform.files["E:\\splash.exe"] = ProgramHead(0x014C);
  EXPECT_FALSE(Says(DiscReport(platform, "E:\\", {"splash.exe"}), "warning:"));
  EXPECT_EQ(ProgramMachine(ProgramHead(0xAA64)), 0xAA64u);
  EXPECT_EQ(ProgramMachine(ProgramHead(0x014C).substr(0, 0x44)), 0u);  // cut short
}

TEST(DiscReport, AnRtfLicenceWithItsOwnColoursIsWarnedAboutByFile) {
  testing::FakePlatform platform;
  platform.files["E:\\License.rtf"] = "{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}\\cf1 Text\\par}";
  platform.files["E:\\License.de.rtf"] = "{\\rtf1{\\colortbl;}Text\\par}";
  const std::vector<std::string> lines =
      DiscReport(platform, "E:\\", {"License.rtf", "License.de.rtf", "index.htm"});
  EXPECT_TRUE(Says(lines,
                   "warning: License.rtf: colours that do not read on both a light and a "
                   "dark background (under 4.5:1 on one): #000000;"));
  EXPECT_FALSE(Says(lines, "warning: License.de.rtf"));
}

TEST(DiscReport, AStartPageThatLoadsFromTheWebIsWarnedAboutByLine) {
  const std::string page =
      "<html>\n"
      "<SCRIPT type=module SRC=\"https://cdn.example/app.js\"></script>\n"
      "<link rel=stylesheet href='http://fonts.example/css'>\n"
      "<style>@font-face { src: url( \"https://fonts.example/a.woff2\") }</style>\n"
      "<script src=\"app.js\"></script><img src=\"https://example/x.png\">\n"
      "<a href=\"https://example/\">home</a><link rel=icon href=\"icon.ico\">\n";
  const std::vector<WebLoad> loads = WebLoads(page);
  ASSERT_EQ(loads.size(), 3u);
  EXPECT_EQ(loads[0].line, 2u);
  EXPECT_EQ(loads[0].what, "a script");
  EXPECT_EQ(loads[1].line, 3u);
  EXPECT_EQ(loads[2].line, 4u);

  testing::FakePlatform platform;
  platform.files["E:\\License.txt"] = "licence";
  platform.files["E:\\index.htm"] = page;
  EXPECT_TRUE(Says(DiscReport(platform, "E:\\", {"index.htm"}),
                   "warning: index.htm:2: it loads a script from the web"));
}

}  // namespace
}  // namespace discgate
