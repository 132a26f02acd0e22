"""The window follows Windows' dark mode for apps, and asks for a dark title bar only where
Windows has one."""
import shutil
import time

import pytest

from disccase import DiscCase
from observer_client import TEXT1, WINDOW, parse_dump
from test_readers import pixels, rect
from wineprefix import BUILD, PREFIX, wait_exit

PERSONALIZE = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize"
# What Wine tells the program under test alone, whichever the prefix's own version.
VERSION_KEY = r"HKCU\Software\Wine\AppDefaults\discgate.exe"
DARK_WINDOW, DARK_BOX = (0x20, 0x20, 0x20), (0x19, 0x19, 0x19)
# Where each kind of program finds its system DLLs in the prefix.
SYSTEM_FOLDER = {"win32": "syswow64", "win64": "system32"}


class TestDarkMode(DiscCase):
    @pytest.fixture(autouse=True)
    def _recording_dwm(self, _disc_case):
        """The tests' dwmapi.dll in the prefix's system folder for this kind of program, loaded
        only by the program under test; Wine's own file is put back afterwards."""
        system = PREFIX / "drive_c" / "windows" / SYSTEM_FOLDER[self.arch] / "dwmapi.dll"
        kept = self.root / "wine-dwmapi.dll"
        shutil.copy(system, kept)
        shutil.copy(BUILD / self.arch / "dwmapi.dll", system)
        self.dwm_log = self.root / "dwm.log"
        self.wine.reg_add(VERSION_KEY, "Version", "win10")
        try:
            yield
        finally:
            shutil.copy(kept, system)
            self.wine.reg_delete(VERSION_KEY)
            self.wine.reg_delete_value(PERSONALIZE, "AppsUseLightTheme")

    def apps(self, light):
        """The user's choice for apps: 1 light, 0 dark, None not made."""
        if light is None:
            self.wine.reg_delete_value(PERSONALIZE, "AppsUseLightTheme")
        else:
            self.wine.reg_add(PERSONALIZE, "AppsUseLightTheme", light, "REG_DWORD")

    def start_shown(self, disc):
        # A dwmapi.dll beside the program too, which must never be the one that loads.
        shutil.copy(BUILD / self.arch / "dwmapi.dll", disc / "dwmapi.dll")
        process = self.start(disc, env={"WINEDLLOVERRIDES": "dwmapi=n,b",
                                        "DISCGATE_DWM_LOG": str(self.dwm_log)})
        assert self.observer.inspect("shown", WINDOW, 30000)[0] == 0, "no window"
        return process

    def asked(self):
        """What the program asked of DWM since the last look, each of the system folder's DLL
        (which a 32-bit program sees as system32 too), none of the one beside it."""
        records = self.dwm_log.read_text().splitlines() if self.dwm_log.exists() else []
        self.dwm_log.unlink(missing_ok=True)
        for record in records:
            assert record.lower().startswith("dll=c:\\windows\\system32\\dwmapi.dll "), record
        return [record.split(" ", 1)[1] for record in records]

    def colours(self, expected, timeout=10):
        """The window's background and its text box's, once they are `expected` (the pair) or,
        with `expected` None, once the text box has been drawn white."""
        controls = parse_dump(self.observer.inspect("dump", WINDOW)[1])
        x, y, _, _ = rect(controls["window"]["screen"])
        tx, ty, tw, th = rect(controls[TEXT1]["screen"])
        deadline = time.monotonic() + timeout
        while True:
            shot = self.root / "screen.png"
            self.wine.screenshot(shot)
            pixel = pixels(shot)
            shown = pixel(x + 4, y + 4), pixel(tx + tw - 30, ty + th - 6)
            if shown == expected or (expected is None and shown[1] == (255, 255, 255)):
                return shown
            if time.monotonic() > deadline:
                return shown
            time.sleep(0.2)

    def test_dark_apps_make_the_window_dark_and_light_or_no_choice_ask_nothing(self):
        self.apps(0)
        process = self.start_shown(self.make_disc())
        assert self.asked() == ["attribute=19 value=1"]  # Wine 8 says Windows 10 build 18362
        assert self.colours((DARK_WINDOW, DARK_BOX)) == (DARK_WINDOW, DARK_BOX)
        assert self.decline(process) == 1
        # The notice window too.
        disc = self.make_disc(name="notice", licence=None)
        (disc / "Notice.txt").write_bytes(b"A notice.")
        process = self.start_shown(disc)
        assert self.asked() == ["attribute=19 value=1"]
        self.observer.inspect("close", WINDOW)
        assert wait_exit(process) == 1
        for light in (1, None):
            with self.subTest(light=light):
                self.apps(light)
                process = self.start_shown(self.make_disc(name=f"light{light}"))
                background, box = self.colours(None)
                assert box == (255, 255, 255) and background != DARK_WINDOW
                assert self.asked() == []
                assert self.decline(process) == 1

    def test_a_change_while_the_window_shows_turns_it_dark_and_back(self):
        self.apps(1)
        process = self.start_shown(self.make_disc())
        self.colours(None)
        focused = self.observer.inspect("focus", WINDOW)[1]
        self.apps(0)
        self.observer.inspect("settingchange", "ImmersiveColorSet")
        assert self.colours((DARK_WINDOW, DARK_BOX)) == (DARK_WINDOW, DARK_BOX)
        assert self.asked() == ["attribute=19 value=1"]
        self.apps(1)
        self.observer.inspect("settingchange", "ImmersiveColorSet")
        assert self.colours(None)[1] == (255, 255, 255)
        assert self.asked() == ["attribute=19 value=0"]
        assert self.observer.inspect("focus", WINDOW)[1] == focused
        assert self.decline(process) == 1

    def test_windows_8_1_and_7_ask_nothing_dark(self):
        self.apps(0)
        for version in ("win81", "win7"):
            with self.subTest(version=version):
                self.wine.reg_add(VERSION_KEY, "Version", version)
                process = self.start_shown(self.make_disc(name=version))
                assert self.colours(None)[1] == (255, 255, 255)
                assert self.asked() == []
                assert self.decline(process) == 1

    def test_an_rtf_licence_is_dark_with_light_text_and_keeps_its_authors_red(self):
        self.apps(0)
        disc = self.make_disc(licence=None)
        (disc / "License.rtf").write_bytes(
            b"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
            b"\\f0\\fs40 Automatic text. {\\cf1 Red text.}\\par}")
        process = self.start_shown(disc)
        controls = parse_dump(self.observer.inspect("dump", WINDOW)[1])
        tx, ty, tw, th = rect(controls[TEXT1]["screen"])
        assert self.colours((DARK_WINDOW, DARK_BOX))[1] == DARK_BOX
        pixel = pixels(self.root / "screen.png")
        inside = {pixel(px, py) for px in range(tx, tx + tw - 20) for py in range(ty, ty + th // 2)}
        assert (0xF2, 0xF2, 0xF2) in inside, "no light text"
        assert (255, 0, 0) in inside, "the author's red is gone"
        assert (0, 0, 0) not in inside
        assert self.decline(process) == 1
