"""The licence in the reader's own language, chosen from the user's locale with no configuration."""
from disccase import DiscCase
from winetest import TEXT1, TITLE, parse_dump

ES_RIGHT, WS_EX_RTLREADING = 0x0002, 0x2000
LICENCES = {
    "License.txt": "English licence",
    "License.de.txt": "Deutsche Lizenz für Größen",
    "License.fr.txt": "Licence française",
    "License.ar.txt": "اتفاقية الترخيص",
    "License.zh-Hant.txt": "軟體授權合約",
}


class LicenceLanguage(DiscCase):
    def shown_under(self, locale):
        """The text box's text, style and extended style under a Unix locale, which Wine maps to
        the user's UI language."""
        disc = self.make_disc(name=locale.split(".")[0], licence=None)
        for name, text in LICENCES.items():
            (disc / name).write_text(text, encoding="utf-8")
        process = self.start_and_wait(disc, env={"LC_ALL": locale, "LANG": locale})
        text1 = parse_dump(self.wine.inspect("dump", TITLE)[1])[TEXT1]
        self.assertEqual(self.decline(process), 1)
        return text1["text"], int(text1["style"], 16), int(text1["exstyle"], 16)

    def test_the_users_language_picks_the_licence_and_others_get_the_default(self):
        for locale, expected in (("de_DE.UTF-8", "License.de.txt"), ("fr_CA.UTF-8", "License.fr.txt"),
                                 ("ja_JP.UTF-8", "License.txt"),
                                 # Windows says zh-TW; the disc names the script.
                                 ("zh_TW.UTF-8", "License.zh-Hant.txt")):
            with self.subTest(locale=locale):
                text, style, exstyle = self.shown_under(locale)
                self.assertEqual(text, LICENCES[expected])
                self.assertFalse(style & ES_RIGHT or exstyle & WS_EX_RTLREADING)

    def test_an_arabic_licence_reads_right_to_left(self):
        text, style, exstyle = self.shown_under("ar_EG.UTF-8")
        self.assertEqual(text, LICENCES["License.ar.txt"])
        self.assertTrue(style & ES_RIGHT)
        self.assertTrue(exstyle & WS_EX_RTLREADING)
