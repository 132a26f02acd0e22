"""A notice disc: the licence asks for no consent, and one button, Continue, goes on."""
from disccase import BrowserCase
from observer_client import CMD_ACCEPT, CMD_CANCEL, LABEL1, WINDOW, parse_dump
from wineprefix import wait_exit, windows_path

GERMAN = {"window": "Orvel Software Hinweis",
          LABEL1: "Bitte lesen Sie den folgenden Hinweis. Mit der Bildlaufleiste sehen Sie den "
                  "ganzen Text.",
          CMD_ACCEPT: "Weiter"}


class TestNotice(BrowserCase):
    def notice_disc(self, **notices):
        disc = self.make_disc(licence=None, files=["index.htm"])
        for name, text in notices.items():
            (disc / name.replace("_", ".")).write_text(text, encoding="utf-8")
        return disc

    def test_a_notice_shows_one_continue_button_that_starts_the_page(self):
        disc = self.notice_disc(Notice_txt="GNU General Public License")
        process = self.start_and_wait(disc)
        controls = parse_dump(self.observer.inspect("dump", WINDOW)[1])
        assert controls["window"]["text"] == "Orvel Software Notice"
        assert controls[LABEL1]["text"] == ("Please read the following notice.  Use the scroll bar "
                                            "to view the full text.")
        assert controls[CMD_ACCEPT]["text"] == "Continue"
        assert CMD_CANCEL not in controls
        self.observer.inspect("click", WINDOW, CMD_ACCEPT)
        assert wait_exit(process) == 0
        assert self.only_start()["cmdline"] == f" -nohome {windows_path(disc)}\\index.htm"

    def test_a_disc_with_a_licence_and_a_notice_keeps_the_licence_window(self):
        disc = self.notice_disc(Notice_txt="Notice")
        (disc / "License.txt").write_text("Licence", encoding="utf-8")
        process = self.start_and_wait(disc)
        controls = parse_dump(self.observer.inspect("dump", WINDOW)[1])
        assert controls["window"]["text"] == "Orvel Software License Agreement"
        assert controls[CMD_CANCEL]["text"] == "I decline.  Please exit."
        assert self.decline(process) == 1

    def test_a_german_reader_gets_the_german_notice_in_a_german_window(self):
        disc = self.notice_disc(Notice_txt="Notice", Notice_de_txt="Hinweis")
        process = self.start_and_wait(disc, env={"LC_ALL": "de_DE.UTF-8", "LANG": "de_DE.UTF-8"})
        controls = parse_dump(self.observer.inspect("dump", WINDOW)[1])
        assert {key: controls[key]["text"] for key in GERMAN} == GERMAN
        self.observer.inspect("close", WINDOW)
        assert wait_exit(process) == 1
        assert self.started_in_the_end() == []
