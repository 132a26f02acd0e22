#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "launcher/licence_languages.h"
#include "launcher/licence_text.h"
#include "launcher/report_text.h"
#include "launcher/ui_texts.h"

namespace discgate {
namespace {

std::string Placeholders(std::string_view text) {
  std::string found;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%') found += text[i + 1];
  }
  return found;
}

TEST(UiTexts, TheEnglishTextsAreTheProgramsOwnCharacterForCharacter) {
  const UiLanguage& english = English();
  EXPECT_EQ(english.tag, "en");
  EXPECT_EQ(CaptionText(english, ""), "Orvel Software License Agreement");
  EXPECT_EQ(english[&UiTextRow::label],
            "Please read the following license agreement.  Use the scroll bar to view the full "
            "text of the agreement.");
  EXPECT_EQ(english[&UiTextRow::decline], "I decline.  Please exit.");
  EXPECT_EQ(english[&UiTextRow::accept], "I accept.  Please continue.");
  EXPECT_EQ(english[&UiTextRow::cannotRecover],
            "The program met an error it cannot recover from, and ends now.");
}

TEST(UiTexts, EveryLanguageHasEveryTextWithTheSamePlaceholders) {
  std::set<std::string_view> tags;
  for (const UiLanguage& language : UiLanguages()) {
    EXPECT_TRUE(tags.insert(language.tag).second) << language.tag << " twice";
    for (std::size_t i = 0; i < std::size(kUiTexts); ++i) {
      const std::string_view text = language[kUiTexts[i]];
      EXPECT_FALSE(text.empty()) << language.tag << " text " << i;
      EXPECT_TRUE(IsValidUtf8(text)) << language.tag << " text " << i;
      EXPECT_EQ(Placeholders(text), Placeholders(English()[kUiTexts[i]]))
          << language.tag << " " << i;
    }
  }
}

TEST(UiTexts, EveryCaptionNamesTheAuthorsProductAsWritten) {
  EXPECT_EQ(CaptionText(English(), "Atlas %2 \"Studio\""), "Atlas %2 \"Studio\" License Agreement");
  EXPECT_EQ(CaptionText(LanguageOfLicence("de"), "Atlas Studio"),
            "Atlas Studio Lizenzvereinbarung");
  EXPECT_EQ(CaptionText(LanguageOfLicence("ja"), ""), "Orvel Software 使用許諾契約");
}

TEST(UiTexts, ALicencesTagFindsTheNearestLanguageElseEnglish) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "en"},           {"de", "de"},
      {"DE-at", "de"},      {"pt-BR", "pt-BR"},
      {"pt-PT", "pt"},      {"pt", "pt"},
      {"zh-TW", "zh-Hant"}, {"zh-HK", "zh-Hant"},
      {"zh-MO", "zh-Hant"}, {"zh-Hant-TW", "zh-Hant"},
      {"zh-CN", "zh-Hans"}, {"zh-SG", "zh-Hans"},
      {"zh", "zh-Hans"},    {"zh-Hans-CN", "zh-Hans"},
      {"no", "nb"},         {"nn", "nb"},
      {"nb-NO", "nb"},      {"iw", "he"},
      {"he-IL", "he"},      {"fa", "en"},
      {"en-GB", "en"},      {"x-../..", "en"},
      {"sr-Latn-RS", "en"},
  };
  for (const auto& [tag, expected] : cases) {
    EXPECT_EQ(LanguageOfLicence(tag).tag, expected) << tag;
  }
}

TEST(UiTexts, ReportsSpeakTheFirstOfTheUsersLanguagesThatTheProgramSpeaks) {
  EXPECT_EQ(LanguageOfUser({"fa-IR", "de-DE", "fr-FR"}).tag, "de");
  EXPECT_EQ(LanguageOfUser({"en-GB", "de-DE"}).tag, "en");
  EXPECT_EQ(LanguageOfUser({"zh-TW"}).tag, "zh-Hant");
  EXPECT_EQ(LanguageOfUser({"fa-IR"}).tag, "en");
  EXPECT_EQ(LanguageOfUser({}).tag, "en");
}

TEST(UiTexts, FormatReplacesEachPlaceholderOnceAndLeavesWhatItInsertsAlone) {
  EXPECT_EQ(Format("Could not open \"%1\".", "E:\\100%2 %1"), "Could not open \"E:\\100%2 %1\".");
  EXPECT_EQ(Format("%2 then %1", "a", "b"), "b then a");
  EXPECT_EQ(Format("100% sure %3 %", "x"), "100% sure %3 %");
}

TEST(Report, SaysWhatFailedThenTheErrorAndNeverCallsAFailureError0) {
  const UiLanguage& english = English();
  EXPECT_EQ(ReportText({1155, "No application is associated.", Action::Open, "E:\\x.htm"}, english),
            "Could not open \"E:\\x.htm\".\r\n\r\nError 1155: No application is associated.");
  EXPECT_EQ(ReportText({0, {}, Action::Start, "E:\\splash.exe"}, english),
            "Could not start \"E:\\splash.exe\".\r\n\r\nWindows gave no reason.");
  EXPECT_EQ(ReportText({2, "Not found.", Action::None, {}}, english), "Error 2: Not found.");
  EXPECT_EQ(ReportText({317, {}, Action::None, {}}, english), "Error 317: Unknown error.");
  EXPECT_EQ(ReportText({223, "Too large.", Action::ShowLicence, "License.txt"}, english),
            "The licence agreement \"License.txt\" is too large to show (more than 16 MB).\r\n\r\n"
            "Error 223: Too large.");
}

TEST(Report, FillsOnlyThePlainInsertsOfASystemDescriptionAndNeverReadsOthers) {
  EXPECT_EQ(FillInserts("%1 is not a valid Win32 application.", "E:\\100%1.exe"),
            "E:\\100%1.exe is not a valid Win32 application.");
  EXPECT_EQ(FillInserts("Copied %1!d! of %2 to %10, 100%%.", "E:\\x"),
            "Copied  of E:\\x to , 100%%.");
  EXPECT_EQ(FillInserts("Typed %1!s unclosed", "x"), "Typed ");
  EXPECT_EQ(ReportText({193, "%1 is not a valid Win32 application.", Action::Start, "E:\\s.exe"},
                       English()),
            "Could not start \"E:\\s.exe\".\r\n\r\nError 193: E:\\s.exe is not a valid Win32 "
            "application.");
}

TEST(Report, APathInAReportReadsAsItIsWhateverItHolds) {
  const UiLanguage& arabic = LanguageOfLicence("ar");
  const Error error{2, "%1", Action::ReadLicence, "E:\\\u202Etxt.exe"};
  const std::string isolated = "\u2068E:\\<U+202E>txt.exe\u2069";
  EXPECT_EQ(ReportText(error, arabic), Format(arabic[&UiTextRow::couldNotReadLicence], isolated) +
                                           "\r\n\r\n" +
                                           Format(arabic[&UiTextRow::errorNumber], "2") + isolated);
  EXPECT_NE(ReportText(error, arabic, Isolation::Embedding).find("\u202AE:\\<U+202E>txt.exe\u202C"),
            std::string::npos);
  // Left-to-right reports need no isolation; every kind of control is shown.
  EXPECT_EQ(
      ActionText({2, "", Action::ReadLicence, "E:\\\u200E\u200F\u061C\u202A\u2066\u2069é.txt"},
                 English()),
      "Could not read the licence agreement "
      "\"E:\\<U+200E><U+200F><U+061C><U+202A><U+2066><U+2069>é.txt\".");
}

TEST(Report, IsWordedInTheReadersLanguageAroundTheSystemsDescription) {
  EXPECT_EQ(ReportText({2, "Das System kann die Datei nicht finden.", Action::ReadLicence,
                        "E:\\License.txt"},
                       LanguageOfLicence("de")),
            "Die Lizenzvereinbarung „E:\\License.txt“ konnte nicht gelesen werden.\r\n\r\n"
            "Fehler 2: Das System kann die Datei nicht finden.");
  EXPECT_EQ(ReportText({8, {}, Action::GoOn, {}}, LanguageOfLicence("fr")),
            "La mémoire est insuffisante pour continuer.\r\n\r\nErreur 8\u00a0: Erreur inconnue.");
  EXPECT_EQ(ReportText({0, {}, Action::CreateWindow, {}}, LanguageOfLicence("ja")),
            "ウィンドウを作成できませんでした。\r\n\r\nWindows から理由が示されませんでした。");
}

}  // namespace
}  // namespace discgate
