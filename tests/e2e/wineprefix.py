"""The Wine side of the end-to-end rig: a Wine prefix in the build tree that runs the 32-bit and the
64-bit program, on a private Xvfb display (or a given one), its registry, and the programs started
in it. The tests' fixtures (conftest.py) start one for the whole run and end it by its pids and
`wineserver -k`.
"""
import contextlib
import functools
import os
import shutil
import subprocess
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = ROOT / "build"
# Each run of the tests under Wine has a folder of its own for its prefix and its cases: two runs,
# one for each build, go side by side (DISCGATE_E2E_WORK, DISCGATE_E2E_ARCHES).
WORK = Path(os.environ.get("DISCGATE_E2E_WORK", BUILD / "e2e"))
PREFIX = WORK / "prefix"
# The stand-in browser and the observer work from outside the program, so one build of them serves
# both runs.
TOOLS = BUILD / "win64"
ARCHES = ("win32", "win64")
# The builds this run tests; the others' tests are deselected, not skipped.
SELECTED_ARCHES = tuple(os.environ.get("DISCGATE_E2E_ARCHES", ",".join(ARCHES)).split(","))
# Fonts of the machine that stand in for Windows' own where Wine's interface font lacks a script's
# letters: Debian's fonts-droid-fallback for Chinese, Japanese and Korean, fonts-dejavu-core for
# Arabic and Hebrew; and the faces of Wine's they stand in for.
STAND_IN_FONTS = {"cjk": "Droid Sans Fallback", "rtl": "DejaVu Sans"}
REPLACED_FACES = {"cjk": ("MS UI Gothic", "SimSun", "PMingLiU", "Gulim"), "rtl": ("Tahoma",)}


def program(arch):
    """The program under test for `arch`. With DISCGATE_BUILDS=folder, the suite tests
    folder/win32/discgate.exe and folder/win64/discgate.exe instead: a build from another commit,
    or one broken on purpose to see a test fail."""
    return Path(os.environ.get("DISCGATE_BUILDS", BUILD)) / arch / "discgate.exe"


@functools.cache
def wine64_loader():
    """Debian's 64-bit loader, called directly. The `wine` front end, once wine32 is installed,
    cannot start a 64-bit program whose folder path is longer than 260 characters; this one can."""
    listing = subprocess.run(["dpkg", "-L", "wine64"], capture_output=True, text=True).stdout
    loaders = [line for line in listing.splitlines() if line.endswith("/wine64")
               and os.access(line, os.X_OK) and not os.path.isdir(line)]
    return loaders[0] if loaders else "wine"


@functools.cache
def wine_loader():
    """The front end that starts programs of either kind; on a machine whose kernel refuses 32-bit
    code, where it cannot start at all, the 64-bit loader, which starts the 64-bit ones."""
    try:
        runs = subprocess.run(["wine", "--version"], capture_output=True, timeout=60).returncode == 0
    except OSError:
        runs = False
    return "wine" if runs else wine64_loader()


def loader_for(arch):
    """The loader that starts a program of the build: 64-bit programs, the program under test and
    the rig's own tools alike, through the 64-bit loader itself, on every machine. The front end
    would start a 32-bit loader first, only for it to hand over to the 64-bit one."""
    return wine64_loader() if arch == "win64" else wine_loader()


def wine32_installed():
    status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "wine32:i386"],
                            capture_output=True, text=True).stdout
    return "ok installed" in status


def windows_path(path):
    """How a Linux path looks to a program under Wine (drive Z: is the Linux root)."""
    return "Z:" + str(path).replace("/", "\\")


class Session:
    def __init__(self, display=None):
        """With `display`, windows go to that X display; without, to a private Xvfb."""
        self.display = display
        self.last_errors = ""
        self.env = dict(os.environ)
        self.env.update(WINEPREFIX=str(PREFIX), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.env.pop("WINELOADERNOEXEC", None)
        self._xvfb = None
        self._server = None

    def start(self):
        WORK.mkdir(parents=True, exist_ok=True)
        if self.display:
            self.env["DISPLAY"] = self.display
        else:
            self._start_xvfb()
        # A prefix made before wine32 was installed has no syswow64 and starts no program at all
        # once it is: such a prefix is of the wrong kind and is made anew.
        wrong_kind = (wine32_installed() and wine_loader() == "wine"
                      and not (PREFIX / "drive_c" / "windows" / "syswow64").is_dir())
        if not (PREFIX / "system.reg").exists() or wrong_kind:
            shutil.rmtree(PREFIX, ignore_errors=True)
            self._quiet([wine_loader(), "wineboot", "-i"], timeout=300)
        self._start_server()
        # A program that crashes ends at once, with a backtrace, instead of waiting behind Wine's
        # crash dialog for someone to answer it: the test fails then, and the next one starts clean.
        self.reg_add(r"HKCU\Software\Wine\WineDbg", "ShowCrashDialog", 0, "REG_DWORD")

    def _start_server(self):
        # A server of our own, started alone: one started by a piped wine call would hold the pipe.
        self._server = subprocess.Popen(["wineserver", "-p"], env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._quiet([wine_loader(), "cmd", "/c", "exit"], timeout=120)  # warm up the server

    def _stop_server(self):
        if self._server:
            subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=60)
            self._server.wait(timeout=30)
            self._server = None

    def restart_server(self):
        """Starts the prefix's server anew, for what Wine reads only when it starts."""
        self._stop_server()
        self._start_server()

    @contextlib.contextmanager
    def virtual_desktop(self, size):
        """Programs started meanwhile run in a Wine virtual desktop of `size` ("1024x768"), which
        draws their frames and captions where no window manager runs. The desktop is made when
        the server starts, so the server starts anew on the way in and out."""
        explorer = r"HKCU\Software\Wine\Explorer"
        # The frame's caption buttons are drawn in Wine's Marlett, which a new prefix lacks.
        marlett = Path("/usr/share/wine/fonts/marlett.ttf")
        fonts = self.drive_c() / "windows" / "Fonts"
        if marlett.exists() and not (fonts / marlett.name).exists():
            shutil.copy(marlett, fonts / marlett.name)
        self.reg_add(explorer, "Desktop", "Default")
        self.reg_add(explorer + r"\Desktops", "Default", size)
        self._stop_server()
        self._start_server()
        try:
            yield
        finally:
            self.reg_delete(explorer + r"\Desktops")
            self.reg_delete_value(explorer, "Desktop")
            self._stop_server()
            self._start_server()

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display

    def runs_32_bit_programs(self):
        """Whether this machine runs 32-bit Windows programs, found by running one; with the
        reason when it does not."""
        if not wine32_installed():
            return False, "wine32:i386 is not installed"
        if wine_loader() != "wine":
            return False, "the kernel refuses 32-bit code: Wine's 32-bit loader does not start"
        try:
            result = subprocess.run([wine_loader(), str(BUILD / "win32" / "observer.exe"), "bits"],
                                    env=self.env, capture_output=True, text=True, timeout=120)
        except subprocess.TimeoutExpired:
            return False, "a 32-bit test program did not end within 2 minutes"
        if result.returncode == 0 and result.stdout.strip() == "32":
            return True, ""
        said = (result.stderr.strip().splitlines() or [f"exit code {result.returncode}"])[-1]
        return False, f"a 32-bit test program did not run ({said})"

    def stop(self):
        self._stop_server()
        if self._xvfb:
            self._xvfb.terminate()
            self._xvfb.wait(timeout=30)
            self._xvfb = None

    def _quiet(self, args, timeout=60, **kwargs):
        return subprocess.run(args, env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout, **kwargs)

    # The registry of the test prefix.
    def reg_add(self, key, value=None, data="", kind="REG_SZ"):
        args = [wine_loader(), "reg", "add", key, "/f", "/t", kind, "/d", str(data)]
        args += ["/v", value] if value else ["/ve"]
        if self._quiet(args).returncode != 0:
            raise RuntimeError("reg add failed: " + key)

    def reg_delete(self, key):
        self._quiet([wine_loader(), "reg", "delete", key, "/f"])

    def reg_delete_value(self, key, value):
        self._quiet([wine_loader(), "reg", "delete", key, "/v", value, "/f"])

    @contextlib.contextmanager
    def screen_dpi(self, dpi):
        """The screen's DPI for programs started meanwhile, as the display settings set it."""
        self.reg_add(r"HKCU\Control Panel\Desktop", "LogPixels", dpi, "REG_DWORD")
        try:
            yield
        finally:
            self.reg_add(r"HKCU\Control Panel\Desktop", "LogPixels", 96, "REG_DWORD")

    @contextlib.contextmanager
    def interface_fonts(self, script):
        """Letters of a script in the user interface font, as Windows in those languages has
        them, for programs started meanwhile; only meanwhile, as Wine then draws other scripts
        with the stand-in too. Wine links its interface font to Windows' own fonts for Chinese,
        Japanese and Korean, which are not here, and its Tahoma has no Arabic or Hebrew letters:
        a font of the machine stands in. Wine 8 does not always take the stand-in for Arabic and
        Hebrew up; the label and buttons then show empty boxes."""
        key = r"HKCU\Software\Wine\Fonts\Replacements"
        for face in REPLACED_FACES[script]:
            self.reg_add(key, face, STAND_IN_FONTS[script])
        try:
            yield
        finally:
            for face in REPLACED_FACES[script]:
                self.reg_delete_value(key, face)

    def temp_folder(self):
        """The Linux path of the temporary folder programs in the prefix are given."""
        return next((PREFIX / "drive_c" / "users").glob("*/Temp"))

    def drive_c(self):
        return PREFIX / "drive_c"

    # The program under test and the observer.
    def start_program(self, exe, cwd, arch, extra_env=None, args=()):
        env = dict(self.env, **(extra_env or {}))
        return subprocess.Popen([loader_for(arch), str(exe), *args], cwd=str(cwd), env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)



def wait_exit(process, timeout=30):
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
        raise


def wait_for_file(path, timeout=15):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if Path(path).exists() and Path(path).stat().st_size > 0:
            return True
        time.sleep(0.05)
    return False
