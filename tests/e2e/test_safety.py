"""Run from a folder others can write: no DLL of theirs loads into the program, no program of
theirs runs as a page, and every failure is reported once and truthfully."""
import re
import shutil
import subprocess
import time

from disccase import HTML_EXTENSIONS, BrowserCase
from observer_client import CMD_ACCEPT, CMD_CANCEL, TEXT1, TITLE, WINDOW, parse_dump, parse_report
from wineprefix import BUILD, TOOLS, loader_for, program, wait_exit, windows_path

# DLLs that Windows looks for beside the program, or that system DLLs load by bare name; none of
# them is a KnownDLL. version.dll is left out: Wine loads it for its own start-up before the
# program's first instruction, where no code of the program can protect it.
WS_DISABLED = 0x08000000
PLANTED = ("uxtheme", "dwmapi", "propsys", "cryptbase", "userenv", "apphelp", "oleacc",
           "msimg32", "comctl32")


class TestSafety(BrowserCase):
    def test_dlls_planted_beside_the_program_or_in_the_current_directory_never_load(self):
        disc = self.make_disc(files=["index.htm"])
        elsewhere = self.root / "elsewhere"
        elsewhere.mkdir()
        recorder = BUILD / self.arch / "recorder.dll"
        for folder in (disc, elsewhere):
            for name in PLANTED:
                shutil.copy(recorder, folder / f"{name}.dll")
        loaded = self.root / "loaded.log"
        # Wine prefers its own DLLs; told to prefer one found on the search path, it behaves as
        # Windows does for every DLL that is not a KnownDLL.
        overrides = "mscoree,mshtml=;" + ",".join(PLANTED) + "=n,b"
        process = self.start(disc, cwd=elsewhere,
                             env={"WINEDLLOVERRIDES": overrides, "DISCGATE_LOADED_LOG": str(loaded)})
        assert self.observer.wait_window(), "the agreement window did not appear"
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        assert wait_exit(process) == 0
        assert len(self.started_in_the_end()) == 1
        # The same planted DLLs, overrides and folders do load into a program that does not
        # restrict its search: else this test would pass also if they never loaded anywhere.
        loader = disc / "loader.exe"
        shutil.copy(BUILD / self.arch / "observer.exe", loader)
        control = self.wine.start_program(loader, elsewhere, self.arch, {
            "WINEDLLOVERRIDES": overrides, "DISCGATE_LOADED_LOG": str(loaded)},
            args=["loadlib", "dwmapi.dll"])
        assert wait_exit(control) == 0
        records = loaded.read_text().splitlines() if loaded.exists() else []
        assert [line for line in records if line.endswith("loader.exe")], records
        ours = [line for line in records if line.endswith("discgate.exe")]
        assert ours == []

    def faulty_disc(self):
        """A disc with the build that fails where the environment's DISCGATE_PLANTED_FAULT says."""
        disc = self.make_disc(files=["index.htm"])
        shutil.copy(program(self.arch).with_name("discgate-faulty.exe"), disc / "discgate.exe")
        return disc

    def test_a_window_that_fails_while_it_is_made_is_reported_until_answered(self):
        process = self.start(self.faulty_disc(), env={"DISCGATE_PLANTED_FAULT": "control"})
        assert self.observer.inspect("waitbox", 15000)[0] == 0, "no error box appeared"
        time.sleep(1)
        assert process.poll() is None, "the report closed before it was answered"
        self.expect_report(process, "Could not create the window.")

    def test_an_rtf_licence_the_control_stops_reading_half_way_cannot_be_agreed_to(self):
        disc = self.faulty_disc()
        (disc / "License.txt").unlink()
        # Long enough that the control asks for it more than once.
        (disc / "License.rtf").write_bytes(b"{\\rtf1 " + b"Clause of the licence.\\par " * 4000 + b"}")
        process = self.start(disc, env={"DISCGATE_PLANTED_FAULT": "stream"})
        text = self.expect_report(process, 'Could not read the licence agreement "')
        assert 'License.rtf".' in text

    def test_nothing_can_be_pressed_while_the_unrecoverable_error_shows(self):
        process = self.start_and_wait(self.faulty_disc(), env={"DISCGATE_PLANTED_FAULT": "terminate"})
        self.observer.inspect("click", WINDOW, CMD_CANCEL)
        assert self.observer.inspect("waitbox", 15000)[0] == 0, "no error box appeared"
        window = parse_dump(self.observer.inspect("dump", WINDOW)[1])["window"]
        assert int(window["style"], 16) & WS_DISABLED, "the window takes input"
        code, report = self.observer.inspect("msgbox", 5000)
        assert parse_report(report).get("text") == "The program met an error it cannot recover from, and ends now."
        assert wait_exit(process) == 2
        assert self.started_in_the_end() == []

    def test_a_program_named_like_a_page_never_runs_when_no_browser_is_found(self):
        for extension in HTML_EXTENSIONS:
            self.wine.reg_delete(rf"HKLM\Software\Classes\{extension}")
        disc = self.make_disc()
        # It would record being started, as the stand-in browser does.
        shutil.copy(TOOLS / "fakebrowser.exe", disc / "index.exe")
        process = self.start_and_wait(disc)
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        text = self.expect_report(process, f'Could not open "{windows_path(disc)}\\index.exe".')
        assert "Error 1155: " in text
        assert self.started_in_the_end() == []

    def test_a_splash_that_is_no_program_is_reported_with_its_path_not_a_placeholder(self):
        disc = self.make_disc()
        (disc / "splash.exe").write_bytes(b"not a program at all" * 10)
        process = self.start_and_wait(disc)
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        text = self.expect_report(process, f'Could not start "{windows_path(disc)}\\splash.exe".')
        assert re.search(r"\r\n\r\nError [1-9]\d*: ", text), text
        assert not re.search(r"%\d", text), text

    def test_once_accepted_nothing_else_is_pressed_until_the_acceptance_ends(self):
        # The browser cannot start and neither can the shell: the report of that is a point where
        # messages are pumped while the acceptance is still running.
        self.use_a_browser_that_is_not_there()
        disc = self.make_disc(files=["index.htm"])
        process = self.start_and_wait(disc)
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        code, _ = self.observer.inspect("waitbox", 15000)
        assert code == 0, "no error box appeared"
        # A second accept, a decline and a close from the task bar, all while the report shows.
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        self.observer.inspect("click", TITLE, CMD_CANCEL)
        self.observer.inspect("close", TITLE)
        assert process.poll() is None, "the program ended before its report was answered"
        code, report = self.observer.inspect("msgbox", 5000)
        assert code == 0
        assert parse_report(report).get("text", "").startswith("Could not open")
        assert wait_exit(process) == 2
        assert self.observer.inspect("msgbox", 1000)[0] != 0, "a second report appeared"
        assert self.started_in_the_end() == []

    def test_a_licence_held_open_by_an_editor_is_still_shown(self):
        disc = self.make_disc(licence=b"being edited")
        editor = subprocess.Popen(
            [loader_for("win64"), str(TOOLS / "observer.exe"), "edit",
             windows_path(disc / "License.txt"), "20000"], env=self.wine.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        try:
            assert editor.stdout.readline().strip() == b"locked"
            process = self.start_and_wait(disc)
            assert self.observer.control_text(TEXT1, self.root / "text.out") == "being edited"
            assert self.decline(process) == 1
        finally:
            editor.kill()
            editor.wait()
