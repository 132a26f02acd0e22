"""A sealed disc under Wine: the program shows the licence and starts the content the author
released, and refuses, naming the file, what was changed, added or lost since."""
import shutil
import subprocess
import sys

from disccase import BrowserCase
from observer_client import CMD_ACCEPT, TEXT1, WINDOW, parse_report
from wineprefix import BUILD, TOOLS, loader_for, program, wait_exit, windows_path

sys.path.insert(0, str(BUILD.parent / "tools"))
from seal import sealed_program, write_seal  # noqa: E402

LICENCE = b"SOFTWARE LICENSE AGREEMENT\r\n\r\nYou may install this software.\r\n"


class TestSealedDisc(BrowserCase):
    def make_sealed_disc(self, splash=False):
        """A released disc: a licence and a start page (or a splash program), sealed, with the
        program carrying the seal's digest."""
        disc = self.root / "disc"
        disc.mkdir()
        (disc / "License.txt").write_bytes(LICENCE)
        if splash:
            shutil.copy(TOOLS / "fakebrowser.exe", disc / "splash.exe")
        else:
            (disc / "index.htm").write_bytes(b"<html>released</html>")
        digest = write_seal(disc, "discgate.exe")
        (disc / "discgate.exe").write_bytes(sealed_program(program(self.arch).read_bytes(), digest))
        return disc

    def unsealed(self, disc):
        shutil.copy(program(self.arch), disc / "discgate.exe")

    def expect_sealed_report(self, process, says, before_any_window=False):
        code, report = self.observer.inspect("msgbox", 20000)
        assert code == 0, "no report appeared"
        if before_any_window:
            assert self.windows() == 0, "the agreement window showed"
        text = parse_report(report).get("text", "")
        assert text.startswith(says), text
        assert wait_exit(process) == 2
        assert self.started_in_the_end() == []

    def test_an_untouched_sealed_disc_shows_its_licence_and_starts_its_page(self):
        disc = self.make_sealed_disc()
        process = self.start_and_wait(disc)
        assert self.observer.control_text(TEXT1, self.root / "text.out") == LICENCE.decode()
        self.observer.inspect("click", WINDOW, CMD_ACCEPT)
        assert wait_exit(process) == 0
        assert self.only_start()["cmdline"] == f" -nohome {windows_path(disc)}\\index.htm"

    def test_a_changed_licence_is_reported_before_any_window(self):
        disc = self.make_sealed_disc()
        (disc / "License.txt").write_bytes(LICENCE + b"You waive every right.\r\n")
        process = self.start(disc)
        self.expect_sealed_report(
            process, f'"{windows_path(disc)}\\License.txt" has changed since the disc was released.',
            before_any_window=True)

    def test_a_missing_listed_licence_is_reported(self):
        disc = self.make_sealed_disc()
        (disc / "License.txt").unlink()
        (disc / "License.rtf").write_bytes(b"{\\rtf1 planted}")
        process = self.start(disc)
        self.expect_sealed_report(
            process, f'"{windows_path(disc)}\\License.txt" is missing: this copy of the disc is '
            "incomplete.", before_any_window=True)

    def test_a_changed_start_page_is_reported_and_nothing_starts(self):
        disc = self.make_sealed_disc()
        (disc / "index.htm").write_bytes(b"<html>released</html><script src=x.js></script>")
        process = self.start_and_wait(disc)
        self.observer.inspect("click", WINDOW, CMD_ACCEPT)
        self.expect_sealed_report(
            process, f'"{windows_path(disc)}\\index.htm" has changed since the disc was released.')

    def test_accepting_before_a_large_splash_program_is_checked_waits_and_starts_it(self):
        # 200 MB take the check a second or more under Wine: the click comes first. Data after a
        # program's image is never loaded, so the program still runs.
        disc = self.root / "disc"
        disc.mkdir()
        (disc / "License.txt").write_bytes(LICENCE)
        with open(disc / "splash.exe", "wb") as splash:
            splash.write((TOOLS / "fakebrowser.exe").read_bytes())
            splash.truncate(200 << 20)
        digest = write_seal(disc, "discgate.exe")
        (disc / "discgate.exe").write_bytes(sealed_program(program(self.arch).read_bytes(), digest))
        process = self.start_and_wait(disc)
        self.observer.inspect("click", WINDOW, CMD_ACCEPT)
        assert wait_exit(process, timeout=120) == 0
        assert self.only_start()["module"] == f"{windows_path(disc)}\\splash.exe"

    def test_a_splash_program_with_bytes_appended_is_reported_and_not_started(self):
        disc = self.make_sealed_disc(splash=True)
        with open(disc / "splash.exe", "ab") as splash:
            splash.write(b"\0" * 512)
        process = self.start_and_wait(disc)
        self.observer.inspect("click", WINDOW, CMD_ACCEPT)
        self.expect_sealed_report(
            process, f'"{windows_path(disc)}\\splash.exe" has changed since the disc was released.')

    def test_an_added_page_and_licence_are_passed_over_but_not_by_an_unsealed_program(self):
        disc = self.make_sealed_disc()
        # Wine lists names sorted, so both come before the released ones; the user's language
        # (en-US) would pick License.en.txt first.
        (disc / "index.a.htm").write_bytes(b"<html>planted</html>")
        (disc / "License.en.txt").write_bytes(b"Planted terms\r\n")
        process = self.start_and_wait(disc)
        assert self.observer.control_text(TEXT1, self.root / "text.out") == LICENCE.decode()
        self.observer.inspect("click", WINDOW, CMD_ACCEPT)
        assert wait_exit(process) == 0
        assert self.only_start()["cmdline"] == f" -nohome {windows_path(disc)}\\index.htm"

        self.started_log.unlink()
        self.unsealed(disc)
        process = self.start_and_wait(disc)
        assert self.observer.control_text(TEXT1, self.root / "text.out") == "Planted terms\r\n"
        self.observer.inspect("click", WINDOW, CMD_ACCEPT)
        assert wait_exit(process) == 0
        assert self.only_start()["cmdline"] == f" -nohome {windows_path(disc)}\\index.a.htm"

    def test_disc_check_on_windows_names_what_is_not_as_released(self):
        disc = self.make_sealed_disc()

        def disc_check():
            said = subprocess.run([loader_for(self.arch), str(BUILD / self.arch / "disc-check.exe"),
                                   windows_path(disc)], env=self.wine.env, capture_output=True,
                                  timeout=120)
            return said.returncode, said.stdout.decode("utf-8").splitlines()[-2:]

        assert disc_check() == (0, ["sealed: discgate.exe", "2 files as released"])
        (disc / "License.txt").write_bytes(b"Other terms\r\n")
        assert disc_check() == (1, ["sealed: discgate.exe", "changed: License.txt"])
