"""The agreement window as a user meets it."""
import time

from disccase import DiscCase, SAMPLE_LICENCE
from observer_client import (CMD_ACCEPT, CMD_CANCEL, LABEL1, LBL_LANGUAGE_PATH, TEXT1, TITLE,
                             WINDOW, parse_dump, parse_report)
from wineprefix import wait_exit, windows_path

WS_VISIBLE, WS_VSCROLL, WS_HSCROLL, WS_TABSTOP = 0x10000000, 0x00200000, 0x00100000, 0x00010000
WS_OVERLAPPEDWINDOW = 0x00CF0000
ES_MULTILINE, ES_READONLY, ES_WANTRETURN = 0x0004, 0x0800, 0x1000
BS_TYPEMASK, BS_DEFPUSHBUTTON = 0x000F, 0x0001


# Where the controls are at 144 dpi, in the window's client coordinates.
AT_144_DPI = {LABEL1: "36,24,530,50", TEXT1: "24,84,554,182", CMD_CANCEL: "36,312,230,50",
              CMD_ACCEPT: "336,312,242,50", LBL_LANGUAGE_PATH: "132,276,326,26"}


class TestAgreementWindow(DiscCase):
    def dump(self):
        return parse_dump(self.observer.inspect("dump", TITLE)[1])

    def text_of(self, control):
        return self.observer.control_text(control, self.root / "text.out")

    def focus(self):
        return int(self.observer.inspect("focus", TITLE)[1])

    def key(self, name):
        self.observer.inspect("key", TITLE, name)
        time.sleep(0.2)

    def test_window_has_its_caption_controls_and_layout_at_96_dpi(self):
        process = self.start_and_wait(self.make_disc())
        controls = self.dump()
        window = controls["window"]
        assert window["text"] == TITLE
        assert window["client"] == "411,256"
        assert int(window["style"], 16) & WS_OVERLAPPEDWINDOW == WS_OVERLAPPEDWINDOW

        expected = {
            LABEL1: ("Static", "24,16,353,33",
                     "Please read the following license agreement.  Use the scroll bar to view "
                     "the full text of the agreement."),
            TEXT1: ("Edit", "16,56,369,121", None),
            CMD_CANCEL: ("Button", "24,208,153,33", "I decline.  Please exit."),
            CMD_ACCEPT: ("Button", "224,208,161,33", "I accept.  Please continue."),
            LBL_LANGUAGE_PATH: ("Static", "88,184,217,17", ""),
        }
        assert sorted(k for k in controls if k != "window") == sorted(expected)
        for control, (kind, rect, text) in expected.items():
            assert controls[control]["class"] == kind, control
            assert controls[control]["rect"] == rect, control
            if text is not None:
                assert controls[control]["text"] == text, control

        style = {k: int(v["style"], 16) for k, v in controls.items() if k != "window"}
        assert style[TEXT1] & ES_MULTILINE and style[TEXT1] & WS_VSCROLL
        assert not style[TEXT1] & (WS_HSCROLL | ES_READONLY)
        for button in (CMD_CANCEL, CMD_ACCEPT):
            assert style[button] & BS_TYPEMASK != BS_DEFPUSHBUTTON
        assert not style[LBL_LANGUAGE_PATH] & WS_VISIBLE
        assert self.decline(process) == 1

    def line_spacing(self):
        code, spacing = self.observer.inspect("lines", WINDOW, TEXT1)
        assert code == 0
        return int(spacing.split()[0])

    def test_layout_and_font_scale_with_the_screen_dpi(self):
        with self.wine.screen_dpi(144):
            process = self.start_and_wait(self.make_disc())
            controls = self.dump()
        assert controls["window"]["client"] == "617,384"
        for control, rect in AT_144_DPI.items():
            assert controls[control]["rect"] == rect, control
        assert self.decline(process) == 1

    def test_moved_to_a_monitor_with_another_dpi_the_window_lays_itself_out_again(self):
        licence = b"one\r\ntwo\r\nthree\r\n"
        with self.wine.screen_dpi(144):
            process = self.start_and_wait(self.make_disc(name="started-at-144", licence=licence))
            spacing_at_144 = self.line_spacing()
            assert self.decline(process) == 1
        process = self.start_and_wait(self.make_disc(licence=licence))
        spacing_at_96 = self.line_spacing()

        assert self.observer.inspect("dpi", WINDOW, 144)[0] == 0
        controls = self.dump()
        for control, rect in AT_144_DPI.items():
            assert controls[control]["rect"] == rect, control
        # The window took the larger rectangle it was offered, so every control is inside it.
        width, height = map(int, controls["window"]["client"].split(","))
        assert width >= 617
        assert height >= 384
        # The text box's font was made anew for the new DPI: its lines are as far apart as in a
        # window that started there.
        assert spacing_at_144 > spacing_at_96
        assert self.line_spacing() == spacing_at_144
        assert self.decline(process) == 1

    def test_a_long_licence_is_held_whole_with_every_line_break_as_crlf(self):
        paragraph = ("Lorem ipsum dolor sit amet, consectetur adipiscing elit. " * 6).strip()
        lines = [f"{n:06d} {paragraph}" for n in range(3000)]
        licence = "\n".join(lines) + "\n"  # about 1 MB, Unix line breaks
        process = self.start_and_wait(self.make_disc(licence=licence.encode()))
        assert self.text_of(TEXT1) == licence.replace("\n", "\r\n")
        assert self.decline(process) == 1

    def test_unicode_licences_show_their_own_letters(self):
        text = "Lizenzvertrag für Größe – 許可 – ÆØÅ\r\nZweite Zeile"
        for encoded in (text.encode("utf-8"), b"\xef\xbb\xbf" + text.encode("utf-8"),
                        text.encode("utf-16"), b"\xfe\xff" + text.encode("utf-16-be")):
            with self.subTest(encoded=encoded[:4]):
                disc = self.make_disc(name=f"disc{len(self.processes)}", licence=encoded)
                process = self.start_and_wait(disc)
                assert self.text_of(TEXT1) == text
                assert self.decline(process) == 1

    def test_focus_starts_in_the_text_and_tab_goes_to_decline_then_accept(self):
        process = self.start_and_wait(self.make_disc())
        assert self.focus() == TEXT1
        order = []
        for _ in range(3):
            self.key("tab")
            order.append(self.focus())
        assert order == [CMD_CANCEL, CMD_ACCEPT, TEXT1]
        assert self.decline(process) == 1

    def test_escape_and_enter_do_not_act_and_enter_in_the_text_makes_a_new_line(self):
        disc = self.make_disc()
        process = self.start_and_wait(disc)
        self.key("escape")
        self.key("return")
        assert self.observer.wait_window(100), "Esc or Enter closed the window"
        assert process.poll() is None
        assert self.text_of(TEXT1) == ("\r\n" + SAMPLE_LICENCE.decode().replace(
            "\r\n", "\n").replace("\n", "\r\n"))
        self.key("a")
        assert self.decline(process) == 1
        # What was typed changed only the display.
        assert (disc / "License.txt").read_bytes() == SAMPLE_LICENCE
        assert self.started_in_the_end() == []

    def test_enter_on_a_focused_button_presses_it(self):
        process = self.start_and_wait(self.make_disc())
        self.key("tab")
        assert self.focus() == CMD_CANCEL
        self.key("return")
        assert wait_exit(process) == 1

    def test_declining_or_closing_exits_1_and_starts_or_creates_nothing(self):
        disc = self.make_disc(files=["index.htm"])
        temp = self.wine.temp_folder()
        before = sorted(p.name for p in temp.iterdir())
        assert self.decline(self.start_and_wait(disc)) == 1
        process = self.start_and_wait(disc)
        self.observer.inspect("close", TITLE)
        assert wait_exit(process) == 1
        assert sorted(p.name for p in temp.iterdir()) == before
        assert sorted(p.name for p in disc.iterdir()) == ["License.txt", "discgate.exe", "index.htm"]
        assert self.started_in_the_end() == []

    def test_a_missing_licence_is_reported_with_its_error_and_exit_code_2(self):
        disc = self.make_disc(licence=None)
        process = self.start(disc)
        code, report = self.observer.inspect("msgbox", 15000)
        assert code == 0, "no error box appeared"
        report = parse_report(report)
        assert report["caption"] == TITLE
        assert report["text"].startswith(
            f'Could not read the licence agreement "{windows_path(disc)}\\License.txt".\r\n\r\n'
            "Error 2: "), report["text"]
        assert wait_exit(process) == 2

    def test_started_from_another_directory_the_licence_beside_the_program_is_shown(self):
        disc = self.make_disc(licence=b"beside the program")
        elsewhere = self.root / "elsewhere"
        elsewhere.mkdir()
        process = self.start_and_wait(disc, cwd=elsewhere)
        assert self.text_of(TEXT1) == "beside the program"
        assert self.decline(process) == 1

    def test_the_current_directorys_licence_comes_first(self):
        disc = self.make_disc(licence=b"beside the program")
        elsewhere = self.root / "elsewhere"
        elsewhere.mkdir()
        (elsewhere / "License.txt").write_bytes(b"in the current directory")
        process = self.start_and_wait(disc, cwd=elsewhere)
        assert self.text_of(TEXT1) == "in the current directory"
        assert self.decline(process) == 1
