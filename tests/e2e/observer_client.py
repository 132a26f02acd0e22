"""The observer's side of the end-to-end rig: observer.exe, run in the Wine prefix beside the
program under test, finds its windows and drives them as a user would; this client runs it and
reads what it prints."""
import subprocess
import tempfile
from pathlib import Path

from wineprefix import BUILD, WORK, loader_for

TITLE = "Orvel Software License Agreement"
# The agreement window whatever language its title is in, as the observer finds it.
WINDOW = "class:discgate.Form1"
# Control ids of the agreement window.
LABEL1, TEXT1, CMD_CANCEL, CMD_ACCEPT, LBL_LANGUAGE_PATH = 100, 101, 102, 103, 104


class Observer:
    def __init__(self, session):
        self.session = session
        self.last_errors = ""

    def inspect(self, *args, timeout=60, cwd=None, extra_env=None, bits=64):
        """Runs the observer with a verb; returns its exit code and what it printed. A screen
        reader's answers come, under Wine, only to a 32-bit asker (bits=32)."""
        arch = "win64" if bits == 64 else "win32"
        # Output goes to a file, not a pipe: a program the observer starts would inherit the pipe
        # and hold it open long after the observer is done.
        with tempfile.TemporaryFile(dir=WORK) as output, tempfile.TemporaryFile(dir=WORK) as errors:
            command = [loader_for(arch), str(BUILD / arch / "observer.exe"), *map(str, args)]
            result = subprocess.run(command, env=dict(self.session.env, **(extra_env or {})),
                                    cwd=cwd, stdout=output, stderr=errors, timeout=timeout)
            output.seek(0)
            errors.seek(0)
            self.last_errors = errors.read().decode("utf-8", "replace")
            return result.returncode, output.read().decode("utf-8", "replace")

    def control_text(self, control, out):
        """A control's whole text. Reading changes nothing, so a read that Wine itself failed to
        start is tried once more; what it printed is shown."""
        for _ in range(2):
            code, _ = self.inspect("text", WINDOW, control, out)
            if code == 0:
                return Path(out).read_bytes().decode("utf-8")
            print(f"observer text exited {code}: {self.last_errors.strip()[-500:]}")
        raise AssertionError("the control's text could not be read")

    def wait_window(self, timeout_ms=30000):
        return self.inspect("wait", WINDOW, timeout_ms)[0] == 0

    def settle(self, timeout_ms=15000):
        """Waits until every program started in the prefix has ended; fails when one keeps
        running, since what it would record cannot be known."""
        code, others = self.inspect("settle", timeout_ms)
        if code != 0:
            raise AssertionError(f"programs still running in the prefix: {others.strip()}")


def unescape(text):
    """Undoes the observer's escaping of backslashes and line breaks."""
    out, chars = [], iter(text)
    for c in chars:
        if c == "\\":
            c = {"r": "\r", "n": "\n"}.get(next(chars, ""), "\\")
        out.append(c)
    return "".join(out)


def parse_report(text):
    """The observer's report of a message box as {"caption": ..., "text": ...}."""
    fields = dict(line.split("=", 1) for line in text.splitlines() if "=" in line)
    return {key: unescape(value) for key, value in fields.items()}


def parse_dump(text):
    """The observer's dump as {"window": {...}, id: {...}} of its key=value fields."""
    controls = {}
    for line in text.splitlines():
        kind, _, rest = line.partition(" ")
        head, _, control_text = rest.partition(" text=")
        fields = dict(part.split("=", 1) for part in head.split())
        fields["text"] = unescape(control_text)
        if kind == "window":
            controls["window"] = fields
        elif kind == "child":
            controls[int(fields["id"])] = fields
    return controls
