"""The licence and the window in the reader's own language, chosen from the user's locale with no
configuration."""
import re

from disccase import DiscCase
from observer_client import (CMD_ACCEPT, CMD_CANCEL, LABEL1, TEXT1, TITLE, WINDOW, parse_dump,
                             parse_report)
from wineprefix import STAND_IN_FONTS, wait_exit

ES_RIGHT, WS_EX_RTLREADING, WS_EX_LAYOUTRTL = 0x0002, 0x2000, 0x00400000
LICENCES = {
    "License.txt": "English licence",
    "License.de.txt": "Deutsche Lizenz für Größen",
    "License.fr.txt": "Licence française",
    "License.ar.txt": "اتفاقية الترخيص",
    "License.zh-Hant.txt": "軟體授權合約",
}
ENGLISH = {
    "window": TITLE,
    LABEL1: "Please read the following license agreement.  Use the scroll bar to view the full "
            "text of the agreement.",
    CMD_CANCEL: "I decline.  Please exit.",
    CMD_ACCEPT: "I accept.  Please continue.",
}
GERMAN = {
    "window": "Orvel Software Lizenzvereinbarung",
    LABEL1: "Bitte lesen Sie die folgende Lizenzvereinbarung. Mit der Bildlaufleiste sehen Sie den "
            "vollständigen Text.",
    CMD_CANCEL: "Ich lehne ab. Bitte beenden.",
    CMD_ACCEPT: "Ich stimme zu. Bitte weiter.",
}
ARABIC = {
    "window": "اتفاقية ترخيص Orvel Software",
    CMD_CANCEL: "لا أوافق. يُرجى الخروج.",
    CMD_ACCEPT: "أوافق. يُرجى المتابعة.",
}
TRADITIONAL_CHINESE = {"window": "Orvel Software 授權合約", CMD_ACCEPT: "我接受。請繼續。"}

# A locale for each language the window speaks, and the licence file it finds.
LOCALES = {
    "en": "en_US", "ar": "ar_EG", "cs": "cs_CZ", "da": "da_DK", "de": "de_DE", "el": "el_GR",
    "es": "es_ES", "fi": "fi_FI", "fr": "fr_FR", "he": "he_IL", "hu": "hu_HU", "it": "it_IT",
    "ja": "ja_JP", "ko": "ko_KR", "nb": "nb_NO", "nl": "nl_NL", "pl": "pl_PL", "pt": "pt_PT",
    "pt-BR": "pt_BR", "ru": "ru_RU", "sv": "sv_SE", "tr": "tr_TR", "uk": "uk_UA",
    "zh-Hans": "zh_CN", "zh-Hant": "zh_TW",
}
# Languages whose letters Wine's interface font lacks here, by script.
SCRIPTS = {"ja": "cjk", "ko": "cjk", "zh-Hans": "cjk", "zh-Hant": "cjk", "ar": "rtl", "he": "rtl"}


def under(locale):
    return {"LC_ALL": locale, "LANG": locale}


class TestLicenceLanguage(DiscCase):
    def disc_with_licences(self, name, licences=LICENCES):
        disc = self.make_disc(name=name, licence=None)
        for file_name, text in licences.items():
            (disc / file_name).write_text(text, encoding="utf-8")
        return disc

    def shown_under(self, locale, licences=LICENCES):
        """The window and its controls under a Unix locale, which Wine maps to the user's UI
        language; the window is declined afterwards."""
        disc = self.disc_with_licences(f"{locale.split('.')[0]}-{len(self.processes)}", licences)
        process = self.start_and_wait(disc, env=under(locale))
        controls = parse_dump(self.observer.inspect("dump", WINDOW)[1])
        assert self.decline(process) == 1
        return controls

    def assert_texts(self, controls, expected):
        for control, text in expected.items():
            assert controls[control]["text"] == text, control

    def test_the_users_language_picks_the_licence_and_others_get_the_default(self):
        for locale, expected in (("de_DE.UTF-8", "License.de.txt"), ("fr_CA.UTF-8", "License.fr.txt"),
                                 ("ja_JP.UTF-8", "License.txt"),
                                 # Windows says zh-TW; the disc names the script.
                                 ("zh_TW.UTF-8", "License.zh-Hant.txt")):
            with self.subTest(locale=locale):
                text1 = self.shown_under(locale)[TEXT1]
                assert text1["text"] == LICENCES[expected]
                assert not int(text1["style"], 16) & ES_RIGHT
                assert not int(text1["exstyle"], 16) & WS_EX_RTLREADING

    def test_a_german_licence_gets_a_german_window_and_the_plain_licence_an_english_one(self):
        self.assert_texts(self.shown_under("de_DE.UTF-8"), GERMAN)
        self.assert_texts(self.shown_under("zh_TW.UTF-8"), TRADITIONAL_CHINESE)
        # With only License.txt on the disc, every text is the English one, whatever the user reads.
        english_only = {"License.txt": LICENCES["License.txt"]}
        self.assert_texts(self.shown_under("de_DE.UTF-8", english_only), ENGLISH)

    def test_an_arabic_licence_mirrors_the_window_so_the_buttons_change_sides(self):
        controls = self.shown_under("ar_EG.UTF-8")
        assert controls[TEXT1]["text"] == LICENCES["License.ar.txt"]
        self.assert_texts(controls, ARABIC)
        assert int(controls["window"]["exstyle"], 16) & WS_EX_LAYOUTRTL
        left = {control: int(controls[control]["screen"].split(",")[0])
                for control in (CMD_CANCEL, CMD_ACCEPT)}
        assert left[CMD_CANCEL] > left[CMD_ACCEPT], "decline is not on the right"
        # The label starts at the window's right edge, as far in as it starts from the left in an
        # English window.
        window_x, _, window_width, _ = map(int, controls["window"]["screen"].split(","))
        label_x, _, label_width, _ = map(int, controls[LABEL1]["screen"].split(","))
        assert window_x + window_width - (label_x + label_width) == 24

        # A Persian licence, which the window has no texts for: mirrored all the same, with the
        # English texts kept in their own reading order so their full stops stay at their ends.
        controls = self.shown_under("fa_IR.UTF-8", {"License.fa.txt": "فارسی"})
        assert int(controls["window"]["exstyle"], 16) & WS_EX_LAYOUTRTL
        self.assert_texts(controls, ENGLISH)
        for control in (LABEL1, CMD_CANCEL, CMD_ACCEPT):
            assert int(controls[control]["exstyle"], 16) & WS_EX_RTLREADING, control
        assert not int(controls[TEXT1]["exstyle"], 16) & WS_EX_RTLREADING

        # The same disc under an English locale: nothing mirrored, decline on the left.
        controls = self.shown_under("en_US.UTF-8")
        assert not int(controls["window"]["exstyle"], 16) & WS_EX_LAYOUTRTL
        assert int(controls[CMD_CANCEL]["screen"].split(",")[0]) < int(controls[CMD_ACCEPT]["screen"].split(",")[0])

    def test_a_missing_licence_is_reported_in_the_users_language(self):
        disc = self.make_disc(licence=None)
        process = self.start(disc, env=under("de_DE.UTF-8"))
        code, report = self.observer.inspect("msgbox", 15000)
        assert code == 0, "no error box appeared"
        report = parse_report(report)
        assert report["caption"] == GERMAN["window"]
        assert re.search(r'^Die Lizenzvereinbarung „.*\\License\.txt“ konnte nicht '
                                         r"gelesen werden\.\r\n\r\nFehler 2: .+", report["text"]), report["text"]
        assert wait_exit(process) == 2

    def test_every_text_fits_its_control_at_96_and_144_dpi(self):
        """Measured in the window's own font, as Windows draws it: the label within its two lines,
        each button's text on one line inside its border. Both builds show the same texts in the
        same fonts, so the 64-bit run measures a few languages only. Where Wine's interface font
        has no letters for a script, a font of the machine with them stands in at the same size:
        DejaVu Sans for Arabic and Hebrew (wider than Windows' Tahoma and Segoe UI), Droid Sans
        Fallback for Chinese, Japanese and Korean."""
        languages = list(LOCALES) if self.arch == "win32" else ["en", "de", "ja", "ar"]
        # The licence window's texts, and a notice window's.
        discs = []
        for kind in ("License", "Notice"):
            files = {f"{kind}.{tag}.txt": tag for tag in LOCALES if tag != "en"}
            files[f"{kind}.txt"] = "en"
            discs.append(self.disc_with_licences(kind, files))
        for dpi in (96, 144):
            with self.wine.screen_dpi(dpi):
                for tag in languages:
                    for disc in discs:
                        self.assert_fits(disc, tag, dpi)

    def assert_fits(self, disc, tag, dpi):
        with self.subTest(language=tag, dpi=dpi):
            process = self.start_and_wait(disc, env=under(LOCALES[tag] + ".UTF-8"))
            stand_in = STAND_IN_FONTS.get(SCRIPTS.get(tag))
            code, measured = self.observer.inspect("fit", WINDOW, *([stand_in] if stand_in else []))
            # Ended rather than declined: an orderly close waits a second for the X server here,
            # and declining is tested elsewhere. Ended by Wine's server, which takes the window
            # away in the same step, so the next start cannot find this one's window.
            ended, _ = self.observer.inspect("end", WINDOW, 30000)
            assert ended == 0, f"the program did not end, or left its window ({ended}): " \
                               f"{self.observer.last_errors}"
            wait_exit(process)
            assert code == 0
            lines = measured.splitlines()
            # The window was in the language meant, at the DPI meant.
            assert lines[0] == f"dpi={dpi} licence={tag}"
            margin = 2 * round(4 * dpi / 96)  # a pixel of air inside each side's 3-pixel border
            for line in lines[1:]:
                fields = dict(part.split("=", 1) for part in line.split(" text=")[0].split())
                need_width, need_height = map(int, fields["need"].split(","))
                have_width, have_height = map(int, fields["have"].split(","))
                room = have_width - (0 if fields["id"] == str(LABEL1) else margin)
                assert need_width <= room, line
                assert need_height <= have_height, line
