"""Accepting the agreement: what starts, with which command line, and what is left behind."""
import shutil
import time

from disccase import BROWSER_FOLDER, BrowserCase
from observer_client import CMD_ACCEPT, CMD_CANCEL, TITLE, WINDOW, parse_report
from wineprefix import BUILD, PREFIX, TOOLS, wait_exit, windows_path

class TestAcceptance(BrowserCase):
    def test_an_index_page_opens_in_the_default_browser_with_its_prefix(self):
        disc = self.make_disc(files=["index.htm", "readme.txt"])
        assert self.accept(disc) == 0
        started = self.started_in_the_end()
        assert len(started) == 1
        assert started[0]["cmdline"] == f" -nohome {windows_path(disc)}\\index.htm"
        assert started[0]["module"].lower() == f"{BROWSER_FOLDER}\\IEXPLORE.EXE".lower()

    def test_another_browser_gets_a_single_space_before_the_page(self):
        self.use_browser("mybrowser.exe")
        disc = self.make_disc(files=["Index.html"])
        assert self.accept(disc) == 0
        assert self.only_start()["cmdline"] == f" {windows_path(disc)}\\Index.html"

    def test_a_folder_with_blanks_and_foreign_letters_reaches_the_browser_intact(self):
        disc = self.make_disc(name="Disc Ünïcødé 許可 & (1)", files=["index ü.htm"])
        assert self.accept(disc) == 0
        page = f"{windows_path(disc)}\\index ü.htm"
        assert self.only_start()["argv"] == ["", "-nohome", page]

    def test_every_page_reaches_the_browser_as_one_argument_as_windows_splits_it(self):
        # The program's command lines for many browsers, folders and names, split by Windows'
        # own CommandLineToArgvW.
        tool = self.wine.start_program(BUILD / self.arch / "command_lines.exe", self.root, self.arch)
        assert wait_exit(tool, timeout=60) == 0

    def test_splash_starts_by_its_full_path_in_the_discs_folder(self):
        disc = self.make_disc()
        shutil.copy(TOOLS / "fakebrowser.exe", disc / "splash.exe")
        elsewhere = self.root / "elsewhere"
        elsewhere.mkdir()
        shutil.copy(disc / "License.txt", elsewhere / "License.txt")
        assert self.accept(disc, cwd=elsewhere) == 0
        started = self.started_in_the_end()
        assert len(started) == 1
        assert started[0]["module"] == f"{windows_path(disc)}\\splash.exe"
        assert started[0]["cwd"] == windows_path(disc)

    def test_only_the_first_match_starts(self):
        # Wine lists a folder sorted by name, so index.htm comes before splash.exe here.
        disc = self.make_disc(files=["index.htm", "index2.htm"])
        shutil.copy(TOOLS / "fakebrowser.exe", disc / "splash.exe")
        assert self.accept(disc) == 0
        started = self.started_in_the_end()
        assert len(started) == 1
        assert started[0]["cmdline"].endswith("\\index.htm")

    def test_a_disc_with_nothing_to_start_ends_quietly(self):
        disc = self.make_disc(files=["INDEX.HTM", "Splash.exe", "readme.txt"])
        (disc / "index").mkdir()  # a folder, not a page
        assert self.accept(disc) == 0
        assert self.started_in_the_end() == []

    def test_the_probe_leaves_the_users_files_alone_and_nothing_behind(self):
        temp = self.wine.temp_folder()
        (temp / "dummy.html").write_bytes(b"the user's own page")
        try:
            before = self.temp_names()
            disc = self.make_disc(files=["index.htm"])
            assert self.accept(disc) == 0
            assert self.temp_names() == before
            assert (temp / "dummy.html").read_bytes() == b"the user's own page"
        finally:
            (temp / "dummy.html").unlink()

    def test_a_browser_that_cannot_start_is_reported_with_the_page_and_the_reason(self):
        self.use_a_browser_that_is_not_there()
        disc = self.make_disc(files=["index.htm"])
        process = self.start_and_wait(disc)
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        self.expect_report(process, f'Could not open "{windows_path(disc)}\\index.htm".')
        assert self.started_in_the_end() == []

    def test_a_disc_swapped_into_the_drive_is_another_disc_whose_start_the_old_answer_never_gets(
            self):
        first_disc = self.make_disc(name="first", files=["index.htm"])
        second_disc = self.make_disc(name="second", files=["index.htm"])
        drive = PREFIX / "dosdevices" / "y:"
        drive.unlink(missing_ok=True)
        drive.symlink_to(first_disc)
        try:
            first = self.start_program_at("Y:\\discgate.exe", first_disc)
            assert self.observer.wait_window(), "the agreement window did not appear"
            # The user swaps the disc and starts the program of the new one.
            drive.unlink()
            drive.symlink_to(second_disc)
            second = self.start_program_at("Y:\\discgate.exe", second_disc)
            deadline = time.monotonic() + 30
            while self.windows() != 2 and second.poll() is None and time.monotonic() < deadline:
                time.sleep(0.1)
            assert second.poll() is None and self.windows() == 2, "the new disc showed no window"
            # The newest window is on top: declining it leaves the first disc's window.
            self.observer.inspect("click", WINDOW, CMD_CANCEL)
            assert wait_exit(second) == 1
            self.observer.inspect("click", WINDOW, CMD_ACCEPT)
            code, report = self.observer.inspect("msgbox", 20000)
            assert code == 0, "no report appeared"
            assert parse_report(report)["text"] == (
                "The disc in the drive has changed since the licence agreement was shown; "
                "nothing was started.")
            assert wait_exit(first) == 2
            assert self.started_in_the_end() == []
        finally:
            drive.unlink(missing_ok=True)

    def start_program_at(self, path, cwd):
        process = self.wine.start_program(path, cwd, self.arch,
                                          {"DISCGATE_STARTED_LOG": str(self.started_log)})
        self.processes.append(process)
        return process

    def test_a_second_start_from_the_disc_shows_the_first_window_and_starts_nothing(self):
        disc = self.make_disc(files=["index.htm"])
        first = self.start_and_wait(disc)
        assert wait_exit(self.start(disc)) == 3
        assert self.observer.inspect("count", TITLE)[1].strip() == "1"
        # From another folder, the program shows a window of its own.
        self.start(self.make_disc(name="other", files=["index.htm"]))
        deadline = time.monotonic() + 30
        while self.observer.inspect("count", TITLE)[1].strip() != "2" and time.monotonic() < deadline:
            time.sleep(0.1)
        assert self.observer.inspect("count", TITLE)[1].strip() == "2"
        assert first.poll() is None
