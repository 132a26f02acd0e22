// A sealed disc: the program shows and starts only files whose bytes are the ones the seal lists,
// and says which file is missing, changed or cannot be read.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "launcher/licence_loader.h"
#include "launcher/report_text.h"
#include "launcher/seal.h"
#include "launcher/seal_report.h"
#include "launcher/sealed_start.h"
#include "launcher/start_up.h"
#include "tests/unit/fake_platform.h"

namespace discgate {
namespace {

std::string SealLine(std::string_view bytes, std::string_view path) {
  return ToHex(Sha256(bytes)) + "  " + std::string(path) + "\n";
}

// A released disc at E:\ with a licence and a start page, and its program sealed against it.
struct SealedDisc {
  testing::FakePlatform platform;
  std::string seal;

  SealedDisc() {
    Add("License.txt", "Terms\r\n");
    Add("index.htm", "<html>");
    Add("docs/manual.htm", "<html>manual");
    platform.folders["E:\\"] = {"discgate.exe", "disc.sha256", "index.htm", "License.txt"};
  }
  void Add(const std::string& path, const std::string& bytes) {
    seal += SealLine(bytes, path);
    // Windows takes "/" in a path as it takes "\\".
    platform.files["E:\\" + path] = bytes;
  }
  BuiltInSeal Released() {
    platform.files["E:\\disc.sha256"] = seal;
    return {true, Sha256(seal)};
  }
  Result<CheckedStart> Check() {
    const std::atomic<bool> stop{false};
    const Result<Seal> read = ReadSeal(platform, "E:\\", Sha256(seal));
    return CheckStart(platform, "E:\\", read.value(), stop);
  }
};

TEST(Seal, TakesOnlyTheLinesTheReleaseToolWrites) {
  const std::string digest(64, 'a');
  const auto seal = ParseSeal(digest + "  License.txt\n" + digest + "  docs/ü manual.htm\n");
  ASSERT_TRUE(seal);
  EXPECT_EQ(seal->size(), 2u);
  EXPECT_NE(seal->Find("LICENSE.TXT"), nullptr);  // as Windows finds a name
  EXPECT_EQ(seal->Find("index.htm"), nullptr);
  EXPECT_TRUE(ParseSeal(""));

  for (const std::string& bad :
       {digest + "  License.txt", digest + " License.txt\n", digest + " *License.txt\n",
        digest.substr(1) + "   License.txt\n", std::string(64, 'g') + "  License.txt\n",
        digest + "  ../License.txt\n", digest + "  docs/../../x\n", digest + "  C:/x.htm\n",
        digest + "  /x.htm\n", digest + "  a//b\n", digest + "  a\\b\n", digest + "  a\rb\n",
        digest + "  \xff.htm\n", digest + "  \n",
        digest + "  License.txt\n" + digest + "  license.TXT\n"}) {
    EXPECT_FALSE(ParseSeal(bad)) << bad;
  }
  std::string many;
  for (std::size_t i = 0; i <= kMaxSealLines; ++i)
    many += digest + "  f" + std::to_string(i) + "\n";
  EXPECT_FALSE(ParseSeal(many));
}

TEST(Seal, TheProgramCarriesDashesUnsealedAndOnlyADigestSealed) {
  const std::string dashes = std::string(kSealMarker) + std::string(64, '-');
  EXPECT_FALSE(ReadBuiltInSeal(dashes).sealed);
  const BuiltInSeal sealed = ReadBuiltInSeal(std::string(kSealMarker) + ToHex(Sha256("x")));
  EXPECT_TRUE(sealed.sealed);
  EXPECT_EQ(sealed.digest, Sha256("x"));
  // Anything else seals against a digest nothing has: every disc is refused.
  const BuiltInSeal broken = ReadBuiltInSeal(std::string(kSealMarker) + std::string(64, 'x'));
  EXPECT_TRUE(broken.sealed);
  EXPECT_EQ(broken.digest, Sha256Digest{});
  EXPECT_EQ(SealInProgram("MZ..." + dashes + "..."), std::nullopt);
  EXPECT_EQ(SealInProgram("MZ" + std::string(kSealMarker) + "\0" + std::string(kSealMarker) +
                          ToHex(Sha256("x"))),
            Sha256("x"));
}

TEST(Seal, DigestsInPiecesAreTheDigestOfTheWhole) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 7);
  Sha256Hasher hasher;
  for (std::size_t at = 0; at < bytes.size(); at += 61) hasher.Update(bytes.substr(at, 61));
  EXPECT_EQ(hasher.Finish(), Sha256(bytes));
  EXPECT_EQ(FromHex(ToHex(Sha256(bytes))), Sha256(bytes));
}

TEST(SealedLicence, OnlyAListedLicenceBesideTheProgramWithItsReleasedBytesIsShown) {
  SealedDisc disc;
  const BuiltInSeal released = disc.Released();
  // Planted later: a licence in the user's language and one in the current directory.
  disc.platform.files["E:\\License.en.txt"] = "Planted terms";
  disc.platform.files["License.txt"] = "Planted terms";
  const Result<Licence> licence = LoadLicenceAtStart(disc.platform, released);
  ASSERT_TRUE(licence.ok());
  EXPECT_EQ(licence.value().text, "Terms\r\n");
  EXPECT_TRUE(licence.value().seal);
  for (const std::string& path : disc.platform.read) {
    EXPECT_TRUE(path == "E:\\disc.sha256" || path == "E:\\License.txt") << path;
  }
}

TEST(SealedLicence, AListedLicenceThatIsChangedMissingOrUnreadableIsReportedAsSuch) {
  struct Case {
    std::optional<std::string> bytes;  // none: the file is gone
    std::uint32_t readError;
    Action action;
    std::string report;
  };
  for (const Case& each : {
           Case{"Other terms", 0, Action::FileChanged,
                "\"E:\\License.txt\" has changed since the disc was released."},
           Case{std::nullopt, 0, Action::FileMissing,
                "\"E:\\License.txt\" is missing: this copy of the disc is incomplete.\r\n\r\n"
                "Error 2: fake error 2"},
           Case{"Terms\r\n", 23, Action::FileUnreadable,
                "\"E:\\License.txt\" could not be read: the disc may be dirty or damaged.\r\n\r\n"
                "Error 23: fake error 23"},
       }) {
    SealedDisc disc;
    const BuiltInSeal released = disc.Released();
    disc.platform.files.erase("E:\\License.txt");
    if (each.bytes) disc.platform.files["E:\\License.txt"] = *each.bytes;
    if (each.readError) disc.platform.unreadable["E:\\License.txt"] = testing::FakeError(23);
    disc.platform.files["E:\\License.rtf"] = "{\\rtf1 planted}";
    const Result<Licence> licence = LoadLicenceAtStart(disc.platform, released);
    ASSERT_FALSE(licence.ok()) << each.report;
    EXPECT_EQ(licence.error().action, each.action);
    EXPECT_EQ(ReportText(licence.error(), English()), each.report);
  }
}

TEST(SealedLicence, TheSealItselfMissingChangedOrNotValidShowsNothing) {
  SealedDisc disc;
  const BuiltInSeal released = disc.Released();
  disc.platform.files["E:\\disc.sha256"] += SealLine("x", "planted.htm");
  EXPECT_EQ(LoadLicenceAtStart(disc.platform, released).error().action, Action::FileChanged);
  disc.platform.files.erase("E:\\disc.sha256");
  const Result<Licence> missing = LoadLicenceAtStart(disc.platform, released);
  EXPECT_EQ(missing.error().action, Action::FileMissing);
  EXPECT_EQ(missing.error().subject, "E:\\disc.sha256");

  const std::string notValid = "not a seal\n";
  disc.platform.files["E:\\disc.sha256"] = notValid;
  EXPECT_EQ(LoadLicenceAtStart(disc.platform, {true, Sha256(notValid)}).error().action,
            Action::SealNotValid);
  // A program without a seal shows what it finds, as always.
  EXPECT_TRUE(LoadLicenceAtStart(disc.platform, {}).ok());
}

TEST(SealedStart, AStartPageAddedLaterIsPassedOverAndTheListedOneIsHeldWhileItStarts) {
  SealedDisc disc;
  disc.Released();
  disc.platform.files["E:\\index.a.htm"] = "<html>planted";
  disc.platform.folders["E:\\"] = {"index.a.htm", "index.htm", "License.txt"};
  Result<CheckedStart> checked = disc.Check();
  ASSERT_TRUE(checked.ok());
  ASSERT_TRUE(checked.value().choice);
  EXPECT_EQ(checked.value().choice->name, "index.htm");
  EXPECT_EQ(disc.platform.held, std::set<std::string>{"E:\\index.htm"});

  ASSERT_TRUE(StartChecked(disc.platform, "E:\\", std::move(checked.value())).ok());
  ASSERT_EQ(disc.platform.started.size(), 1u);
  EXPECT_TRUE(disc.platform.started[0].commandLine.ends_with("E:\\index.htm"));
  EXPECT_EQ(disc.platform.heldAtStart, std::set<std::string>{"E:\\index.htm"});
  EXPECT_TRUE(disc.platform.held.empty());
}

TEST(SealedStart, AChangedMissingOrUnreadableStartFileIsReportedAndNothingIsHeld) {
  SealedDisc disc;
  disc.Released();
  disc.platform.files["E:\\index.htm"] = "<html> with a script appended";
  EXPECT_EQ(disc.Check().error().action, Action::FileChanged);

  disc.platform.files["E:\\index.htm"] = "<html>";
  disc.platform.readFails = testing::FakeError(23);
  const Result<CheckedStart> unreadable = disc.Check();
  EXPECT_EQ(unreadable.error().action, Action::FileUnreadable);
  EXPECT_EQ(unreadable.error().code, 23u);

  // A copy that lacks the start page must not start something else, or nothing, in silence.
  disc.platform.folders["E:\\"] = {"License.txt", "splash.exe"};
  disc.platform.files["E:\\splash.exe"] = "MZ planted";
  const Result<CheckedStart> missing = disc.Check();
  EXPECT_EQ(missing.error().action, Action::FileMissing);
  EXPECT_EQ(missing.error().subject, "E:\\index.htm");
  EXPECT_TRUE(disc.platform.held.empty());
}

TEST(SealReport, NamesEachFileNotAsReleasedOrCountsThemAll) {
  SealedDisc disc;
  const BuiltInSeal released = disc.Released();
  const std::string program = std::string("MZ") + std::string(kSealMarker) + ToHex(released.digest);
  disc.platform.files["E:\\discgate.exe"] = program;
  const std::vector<std::string> files = {"discgate.exe", "disc.sha256", "docs/manual.htm",
                                          "index.htm", "License.txt"};
  auto report = CheckSealedDisc(disc.platform, "E:\\", files);
  ASSERT_TRUE(report);
  EXPECT_TRUE(report->asReleased);
  EXPECT_EQ(report->lines,
            (std::vector<std::string>{"sealed: discgate.exe", "3 files as released"}));

  disc.platform.files["E:\\index.htm"] = "<html>changed";
  disc.platform.files.erase("E:\\docs/manual.htm");
  report =
      CheckSealedDisc(disc.platform, "E:\\",
                      {"discgate.exe", "disc.sha256", "index.htm", "index.a.htm", "License.txt"});
  ASSERT_TRUE(report);
  EXPECT_FALSE(report->asReleased);
  EXPECT_EQ(report->lines,
            (std::vector<std::string>{"sealed: discgate.exe", "missing: docs/manual.htm",
                                      "changed: index.htm", "not in the seal: index.a.htm"}));

  disc.platform.files["E:\\discgate.exe"] = "MZ" + std::string(kSealMarker) + std::string(64, '-');
  EXPECT_FALSE(CheckSealedDisc(disc.platform, "E:\\", files));
}

}  // namespace
}  // namespace discgate
