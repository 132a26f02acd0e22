"""A test with a disc folder of its own and the program on it, run for each build."""
import re
import contextlib
import shutil
import subprocess
import time

import pytest

from observer_client import CMD_ACCEPT, CMD_CANCEL, WINDOW, parse_report
from wineprefix import TOOLS, WORK, program, wait_exit

HTML_EXTENSIONS = (".html", ".htm")
SAMPLE_LICENCE = b"SOFTWARE LICENSE AGREEMENT\r\n\r\nYou may install this software.\n"


class DiscCase:
    @pytest.fixture(autouse=True)
    def _disc_case(self, request, wine, observer, arch):
        self.wine, self.observer, self.arch = wine, observer, arch
        self.name = request.node.originalname
        self.setUp()
        yield
        self.tearDown()

    @contextlib.contextmanager
    def subTest(self, **case):
        """Says which case of a loop failed."""
        try:
            yield
        except AssertionError as failure:
            raise AssertionError(f"with {case}: {failure}") from failure

    def setUp(self):
        self.root = WORK / "cases" / self.arch / self.name
        shutil.rmtree(self.root, ignore_errors=True)
        self.root.mkdir(parents=True)
        self.started_log = self.root / "started.log"
        self.processes = []

    def windows(self):
        return int(self.observer.inspect("count", WINDOW)[1].strip() or 0)

    def tearDown(self):
        running = [process for process in self.processes if process.poll() is None]
        # One window at a time, whichever the close box reaches: each closes before the next.
        for _ in running:
            before = self.windows()
            self.observer.inspect("close", WINDOW)
            deadline = time.monotonic() + 10
            while before and self.windows() >= before and time.monotonic() < deadline:
                time.sleep(0.1)
        left_running = []
        for process in running:
            try:
                wait_exit(process, timeout=10)
            except subprocess.TimeoutExpired:
                left_running.append(process.args[1])
        # The next test must not find this test's window.
        gone = self.observer.inspect("gone", WINDOW, 30000)[0] == 0
        if left_running:
            pytest.fail(f"the program did not end when its window was closed: {left_running}")
        assert gone, f"the agreement window was still there 30 s after the test: {self.observer.last_errors}"

    def make_disc(self, name="disc", licence=SAMPLE_LICENCE, files=()):
        disc = self.root / name
        disc.mkdir(parents=True)
        shutil.copy(program(self.arch), disc / "discgate.exe")
        if licence is not None:
            (disc / "License.txt").write_bytes(licence)
        for file in files:
            (disc / file).write_bytes(b"<html></html>")
        return disc

    def start(self, disc, cwd=None, env=None):
        process = self.wine.start_program(disc / "discgate.exe", cwd or disc, self.arch,
                                          dict(env or {}, DISCGATE_STARTED_LOG=str(self.started_log)))
        self.processes.append(process)
        return process

    def start_and_wait(self, disc, cwd=None, env=None):
        process = self.start(disc, cwd, env)
        assert self.observer.wait_window(), "the agreement window did not appear"
        return process

    def decline(self, process):
        self.observer.inspect("click", WINDOW, CMD_CANCEL)
        return wait_exit(process)

    def started_in_the_end(self):
        """What was started, once the program under test has ended and so has everything that it
        started: a start that comes late is counted, not missed."""
        for process in self.processes:
            assert process.poll() is not None, "the program under test is still running"
        self.observer.settle()
        return self.started()

    def only_start(self):
        """The one start there was, once everything has ended; two starts or none fail."""
        started = self.started_in_the_end()
        assert len(started) == 1, started
        return started[0]

    def started(self):
        """What the stand-in browser or splash program recorded, one dict per start."""
        if not self.started_log.exists():
            return []
        records = []
        for line in self.started_log.read_text(encoding="utf-8").splitlines():
            key, _, value = line.partition("=")
            if key == "cmdline":
                records.append({})
            # The arguments as Windows splits the command line, one by one.
            records[-1][key] = value.split("\x1f") if key == "argv" else value
        return records


BROWSER_FOLDER = r"C:\Program Files\Test Browser"


class BrowserCase(DiscCase):
    """A disc case on a machine whose default browser is the stand-in browser."""

    def setUp(self):
        super().setUp()
        self.use_browser("IEXPLORE.EXE")

    def use_browser(self, name):
        """Installs the stand-in browser under `name` and makes it the default for .html files."""
        folder = self.wine.drive_c() / "Program Files" / "Test Browser"
        folder.mkdir(parents=True, exist_ok=True)
        shutil.copy(TOOLS / "fakebrowser.exe", folder / name)
        for extension in HTML_EXTENSIONS:
            self.wine.reg_add(rf"HKLM\Software\Classes\{extension}", data="TestHTML")
        self.wine.reg_add(r"HKLM\Software\Classes\TestHTML\shell\open\command",
                          data=f'"{BROWSER_FOLDER}\\{name}" "%1"')
        return f"{BROWSER_FOLDER}\\{name}"

    def use_a_browser_that_is_not_there(self):
        """The association names a program that is not there: starting it fails, and so does
        the shell's "open", which uses the same association."""
        self.wine.reg_add(r"HKLM\Software\Classes\TestHTML\shell\open\command",
                          data=r'"C:\No Such Browser\IEXPLORE.EXE" "%1"')

    def expect_report(self, process, starts_with):
        """The report box that must come: its text begins as given and ends with a Windows error
        number and description; it is answered, and the program ends with 2. Returns the text."""
        code, report = self.observer.inspect("msgbox", 20000)
        assert code == 0, "no error box appeared"
        text = parse_report(report).get("text", "")
        assert text.startswith(starts_with), text
        assert re.search(r"\r\n\r\nError \d+: .+", text), text
        assert wait_exit(process) == 2
        return text

    def accept(self, disc, cwd=None):
        process = self.start_and_wait(disc, cwd)
        self.observer.inspect("click", WINDOW, CMD_ACCEPT)
        return wait_exit(process)

    def temp_names(self):
        return sorted(p.name for p in self.wine.temp_folder().iterdir())
