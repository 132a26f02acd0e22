"""Every reader can read the licence: zoomed, through a screen reader, in a high-contrast theme."""
import subprocess
import time

import pytest

from disccase import DiscCase
from observer_client import (CMD_ACCEPT, CMD_CANCEL, LABEL1, TEXT1, WINDOW, parse_dump)

# Lines so short that they never wrap, so a line's number is the reader's place at every zoom.
LICENCE = "".join(f"{n:03d}\r\n" for n in range(200)).encode()
ROLE_TEXT = 42
UISF_HIDEFOCUS = 0x1
# A high-contrast scheme with a colour of its own for each part: ButtonFace, Window, WindowText,
# ButtonText.
SCHEME = {"ButtonFace": (0, 0, 128), "Window": (0, 64, 0), "WindowText": (255, 255, 0),
          "ButtonText": (0, 255, 255)}
COLORS_KEY = r"HKCU\Control Panel\Colors"
THEME_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager"


def pixels(png):
    """The screenshot as a function of (x, y) to (r, g, b)."""
    data = subprocess.run(["convert", str(png), "ppm:-"], capture_output=True, check=True).stdout
    header = data.split(b"\n", 3)
    width = int(header[1].split()[0])
    body = header[3]
    return lambda x, y: tuple(body[3 * (y * width + x):3 * (y * width + x) + 3])


def rect(field):
    x, y, width, height = map(int, field.split(","))
    return x, y, width, height


class TestReaders(DiscCase):
    def dump(self):
        return parse_dump(self.observer.inspect("dump", WINDOW)[1])

    def view(self):
        """The distance between two lines of the licence, and the first line in view."""
        code, out = self.observer.inspect("lines", WINDOW, TEXT1)
        assert code == 0
        spacing, first = map(int, out.split())
        return spacing, first

    def zoom(self, *gesture):
        self.observer.inspect(*gesture)
        time.sleep(0.3)
        return self.view()

    def test_the_reader_zooms_the_licence_text_alone_and_keeps_their_place(self):
        process = self.start_and_wait(self.make_disc(licence=LICENCE))
        before = self.dump()
        self.observer.inspect("scroll", WINDOW, TEXT1, 40)
        designed, first = self.view()
        assert first == 40

        # Keys of the main keyboard and the keypad: 100 % to 110, 125, 150 %.
        spacing, first = self.zoom("ctrlkeys", WINDOW, "plus", "add", "plus")
        assert spacing >= designed * 1.4
        assert first == 40, "the reader lost their place"
        zoomed = self.dump()
        for control in (LABEL1, TEXT1, CMD_CANCEL, CMD_ACCEPT):
            assert zoomed[control]["rect"] == before[control]["rect"], control
        # The wheel, to its limit of four times the size, and keys to the other limit of half.
        for _ in range(12):
            spacing, first = self.zoom("wheel", WINDOW, TEXT1, 120)
        assert spacing >= designed * 3.5
        assert first == 40
        spacing, _ = self.zoom("ctrlkeys", WINDOW, *["minus", "subtract"] * 8)
        assert spacing <= designed * 0.65
        # Ctrl+0: exactly the designed font again.
        assert self.zoom("ctrlkeys", WINDOW, "0") == (designed, 40)

        # Moved to a monitor with another DPI, the zoom stays.
        self.zoom("ctrlkeys", WINDOW, "plus", "plus", "plus")
        assert self.observer.inspect("dpi", WINDOW, 144)[0] == 0
        assert self.view()[0] >= designed * 1.5 * 1.4

        # No key reached the text as a character, and no other text changed.
        after = self.dump()
        for control in (LABEL1, CMD_CANCEL, CMD_ACCEPT):
            assert after[control]["text"] == before[control]["text"]
        assert self.observer.control_text(TEXT1, self.root / "text.out") == LICENCE.decode()
        assert self.decline(process) == 1

    def test_a_screen_reader_is_told_the_licence_and_each_button_by_name(self):
        runs, why = self.wine.runs_32_bit_programs()
        if not runs:
            pytest.skip(f"a screen reader's answers come only to a 32-bit asker here ({why})")
        disc = self.make_disc(licence=None)
        (disc / "License.txt").write_text("English licence")
        (disc / "License.de.txt").write_text("Deutsche Lizenz", encoding="utf-8")
        (disc / "License.ar.txt").write_text("اتفاقية الترخيص", encoding="utf-8")
        for locale in ("en_US.UTF-8", "de_DE.UTF-8", "ar_EG.UTF-8"):
            with self.subTest(locale=locale):
                process = self.start_and_wait(disc, env={"LC_ALL": locale, "LANG": locale})
                controls = self.dump()
                # The text box is named by the label just before it and read as text; each button
                # by its caption (Wine's oleacc gives buttons the role of a plain client area).
                code, told = self.observer.inspect("accessible", WINDOW, TEXT1, bits=32)
                assert (code, told.strip()) == (0, f"role={ROLE_TEXT} name={controls[LABEL1]['text']}")
                for button in (CMD_CANCEL, CMD_ACCEPT):
                    code, told = self.observer.inspect("accessible", WINDOW, button, bits=32)
                    assert code == 0
                    assert told.strip().endswith(f" name={controls[button]['text']}")
                assert self.decline(process) == 1

    def colours_shown(self):
        """The colours the window shows: its background, the text box's, and whether the label
        and a button hold text in the scheme's text colours."""
        controls = self.dump()
        shot = self.root / "screen.png"
        self.wine.screenshot(shot)
        pixel = pixels(shot)
        x, y, _, _ = rect(controls["window"]["screen"])
        tx, ty, tw, th = rect(controls[TEXT1]["screen"])
        bx, by, bw, bh = rect(controls[CMD_CANCEL]["screen"])
        lx, ly, lw, lh = rect(controls[LABEL1]["screen"])
        return {
            "ButtonFace": pixel(x + 4, y + 4), "Window": pixel(tx + tw - 30, ty + th - 6),
            "button": pixel(bx + 6, by + bh // 2),
            "WindowText": any(pixel(px, py) == SCHEME["WindowText"]
                              for px in range(lx, lx + lw) for py in range(ly, ly + lh)),
            "ButtonText": any(pixel(px, py) == SCHEME["ButtonText"]
                              for px in range(bx, bx + bw) for py in range(by, by + bh)),
        }

    def assert_scheme(self, shown):
        assert shown["ButtonFace"] == SCHEME["ButtonFace"]
        assert shown["button"] == SCHEME["ButtonFace"]
        assert shown["Window"] == SCHEME["Window"]
        assert shown["WindowText"], "the label is not in the scheme's text colour"
        assert shown["ButtonText"], "the button is not in the scheme's text colour"

    def test_a_high_contrast_scheme_colours_the_background_label_text_and_buttons(self):
        # Set before the start, as Wine reads a user's colours, with visual styles off as Windows
        # turns them off in a high-contrast theme. (Wine 8 keeps no high-contrast setting, and
        # passes colours set with SetSysColors to no other process, so a change while the window
        # shows cannot be made from outside here.)
        self.wine.reg_add(THEME_KEY, "ThemeActive", "0")
        try:
            for name, (r, g, b) in SCHEME.items():
                self.wine.reg_add(COLORS_KEY, name, f"{r} {g} {b}")
            # Wine reads the colours when its server starts.
            self.wine.restart_server()
            process = self.start_and_wait(self.make_disc())
            time.sleep(0.5)
            self.assert_scheme(self.colours_shown())
            assert self.decline(process) == 1
        finally:
            for name in SCHEME:
                self.wine.reg_delete_value(COLORS_KEY, name)
            # As a new prefix has it.
            self.wine.reg_add(THEME_KEY, "ThemeActive", "1")
            self.wine.restart_server()

    def test_after_the_first_tab_the_focused_button_shows_its_focus(self):
        process = self.start_and_wait(self.make_disc())
        self.observer.inspect("key", WINDOW, "tab")
        time.sleep(0.2)
        code, state = self.observer.inspect("uistate", WINDOW, CMD_CANCEL)
        assert code == 0
        assert not int(state) & UISF_HIDEFOCUS, "the focus rectangle is hidden"
        assert self.decline(process) == 1
