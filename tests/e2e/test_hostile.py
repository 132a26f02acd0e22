"""Bad input, broken systems and hostile names: the program never crashes, hangs, shows a cut or
wrong text, starts the wrong thing or touches a user's files; when it cannot do its job it says so."""
import shutil
import subprocess
import time

from disccase import BROWSER_FOLDER, HTML_EXTENSIONS, BrowserCase
from observer_client import CMD_ACCEPT, TEXT1, TITLE
from wineprefix import TOOLS, loader_for, wait_exit, windows_path, wine_loader

ENVIRONMENT_KEY = r"HKCU\Environment"


class TestHostile(BrowserCase):
    def text_of_licence(self, licence):
        disc = self.make_disc(name=f"disc{len(self.processes)}", licence=licence)
        process = self.start_and_wait(disc)
        text = self.observer.control_text(TEXT1, self.root / "text.out")
        assert self.decline(process) == 1
        return text

    def test_licences_that_cannot_be_read_are_reported(self):
        folder = self.make_disc(name="folder", licence=None)
        (folder / "License.txt").mkdir()
        self.expect_report(self.start(folder),
                           'Could not read the licence agreement "License.txt".')

        large = self.make_disc(name="large", licence=b"x" * (50 << 20))
        started = time.monotonic()
        self.expect_report(self.start(large), 'The licence agreement "License.txt" is too large')
        assert time.monotonic() - started < 20

        locked = self.make_disc(name="locked")
        locker = subprocess.Popen(
            [loader_for("win64"), str(TOOLS / "observer.exe"), "lock",
             windows_path(locked / "License.txt"), "15000"], env=self.wine.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        try:
            assert locker.stdout.readline().strip() == b"locked"
            self.expect_report(self.start(locked),
                               'Could not read the licence agreement "License.txt".')
        finally:
            locker.kill()
            locker.wait()

    def test_odd_licences_show_what_they_hold_and_never_cut_it_short(self):
        cases = {
            b"": "",
            b"\xef\xbb\xbf": "",
            b"\xff\xfe": "",
            b"\xff\xfea\x00b": "a\ufffd",                       # odd-length UTF-16
            b"caf\xc3": "caf\u00c3",                            # truncated UTF-8: ANSI
            b"bin\x00ary\x00\x01\x02 end\n": "bin ary \x01\x02 end\r\n",
        }
        for licence, expected in cases.items():
            with self.subTest(licence=licence):
                assert self.text_of_licence(licence) == expected

    def test_hidden_system_and_punctuated_names_reach_the_browser_intact(self):
        name = "index & ^%!',;=()[]{}~ é.htm"
        disc = self.make_disc(name="Disc & ^ % ! ' , ; = ( ) [ ] { } ~ Ü", files=[name])
        # The attributes are set through Windows, as a disc author's tools would.
        subprocess.run([wine_loader(), "cmd", "/c", "attrib", "+h", "+s", windows_path(disc / name)],
                       env=self.wine.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        assert self.accept(disc) == 0
        page = f"{windows_path(disc)}\\{name}"
        assert self.only_start()["argv"] == ["", "-nohome", page]

    def test_a_path_longer_than_260_characters_is_handed_on_whole(self):
        deep = self.root
        while len(windows_path(deep)) < 280:
            deep = deep / ("very long folder name " + str(len(windows_path(deep))))
        disc = self.make_disc(name=str(deep.relative_to(self.root)), files=["index.htm"])
        page = f"{windows_path(disc)}\\index.htm"
        assert len(page) > 260
        assert self.accept(disc) == 0
        assert self.only_start()["argv"] == ["", "-nohome", page]

    def test_a_folder_gone_before_the_click_is_reported(self):
        disc = self.make_disc(files=["index.htm"])
        process = self.start_and_wait(disc)
        disc.rename(self.root / "moved")
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        self.expect_report(process, f'Could not read the folder "{windows_path(disc)}".')
        assert self.started_in_the_end() == []

    def test_without_a_usable_temporary_folder_the_shell_opens_the_page_and_never_runs_it(self):
        # The browser cannot be looked up, so the shell is asked to open the page. The page is a
        # program named like one: it goes to the browser as a web page, and never runs.
        disc = self.make_disc()
        shutil.copy(TOOLS / "fakebrowser.exe", disc / "index.exe")
        for value in ("TEMP", "TMP"):
            self.wine.reg_add(ENVIRONMENT_KEY, value, r"C:\no such folder")
        try:
            assert self.accept(disc) == 0
        finally:
            for value in ("TEMP", "TMP"):
                self.wine.reg_add(ENVIRONMENT_KEY, value, r"%USERPROFILE%\Temp", "REG_EXPAND_SZ")
        # Handed to the shell, the page reaches the browser through the association's command.
        started = self.only_start()
        assert started["module"].lower() == f"{BROWSER_FOLDER}\\IEXPLORE.EXE".lower()
        assert not started["cmdline"].startswith(" -nohome"), started["cmdline"]
        assert f"{windows_path(disc)}\\index.exe" in started["cmdline"]

    def test_no_browser_at_all_is_reported(self):
        for extension in HTML_EXTENSIONS:
            self.wine.reg_delete(rf"HKLM\Software\Classes\{extension}")
        disc = self.make_disc(files=["index.htm"])
        process = self.start_and_wait(disc)
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        # 1155: no program is associated; the shell's own code 31 would read as a broken device.
        self.expect_report(process, f'Could not open "{windows_path(disc)}\\index.htm".\r\n\r\n'
                           "Error 1155: ")

    def test_two_launchers_accepting_at_once_both_start_and_leave_nothing_behind(self):
        before = self.temp_names()
        first, second = (self.make_disc(name=n, files=["index.htm"]) for n in ("one", "two"))
        processes = [self.start_and_wait(first), self.start(second)]
        deadline = time.monotonic() + 15
        while self.observer.inspect("count", TITLE)[1].strip() != "2" and time.monotonic() < deadline:
            time.sleep(0.1)
        self.observer.inspect("clickall", TITLE, CMD_ACCEPT)
        assert [wait_exit(p) for p in processes] == [0, 0]
        pages = sorted(record["cmdline"] for record in self.started_in_the_end())
        assert pages == sorted(f" -nohome {windows_path(d)}\\index.htm" for d in (first, second))
        assert self.temp_names() == before
