"""Keeping a copy of the licence: the window menu's Print and Save a copy, and Ctrl+P, Ctrl+S."""
import re
import shutil
import subprocess
import time
from pathlib import Path

from disccase import SAMPLE_LICENCE, DiscCase
from observer_client import TITLE, WINDOW, parse_report
from wineprefix import program, windows_path

PLAIN_COPY = b"\xef\xbb\xbf" + SAMPLE_LICENCE.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
PPD = Path(__file__).with_name("pages.ppd")


def printed_pages(pages, timeout=30):
    """The lines on each page that Wine's PostScript driver wrote, once the driver's last line is
    there. Ghostscript reads the text off the pages in one run; each page ends at its number."""
    deadline = time.monotonic() + timeout
    while not (pages.exists() and pages.read_bytes().endswith(b"%%EOF\n")):
        assert time.monotonic() < deadline, "no pages were printed"
        time.sleep(0.1)
    text = subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=txtwrite",
                           "-sOutputFile=-", str(pages)], capture_output=True, check=True,
                          timeout=60).stdout.decode("utf-8").replace("\xa0", " ")
    printed = [[]]
    for line in filter(None, (line.strip() for line in text.splitlines())):
        printed[-1].append(line)
        if re.fullmatch(r"\d+ / \d+", line):
            printed.append([])
    return printed[:-1]


def page_lines(printed):
    """The licence's lines on each printed page, after its heading and before its number."""
    return [lines[1:-1] for lines in printed]


class TestKeepACopy(DiscCase):
    def printed_through(self, answer):
        """What Ctrl+P prints, the Print dialog answered by the observer's `answer` (a verb and
        its arguments); None when the program printed nothing."""
        pages = self.root / "pages.ps"
        assert self.observer.inspect("printer", windows_path(PPD), pages)[0] == 0, "no printer"
        try:
            self.observer.inspect("ctrlkeys", WINDOW, "P")
            assert self.observer.inspect(*answer)[0] == 0, "no Print dialog"
            return printed_pages(pages)
        finally:
            assert self.observer.inspect("noprinter")[0] == 0, "the tests' printer stayed"

    def save_through(self, keys, copy, kind=1):
        """The Save dialog, opened by `keys` ("ctrlkeys", "S" or "menukey", LETTER), answered
        with `copy`, saved as the dialog's `kind`th type."""
        self.observer.inspect(keys[0], WINDOW, keys[1])
        answered = self.observer.inspect("saveas", 20000, windows_path(copy), kind)
        assert answered[0] == 0, "no Save dialog"
        assert self.observer.inspect("gone", "class:#32770", 20000)[0] == 0, "the dialog stayed"
        # The program writes the copy after its dialog has closed.
        assert self.observer.inspect("written", windows_path(copy), 20000)[0] == 0, "no copy"
        return copy.read_bytes()

    def test_the_window_menu_offers_save_in_the_windows_language(self):
        # Sa&ve a copy..., and in German &Kopie speichern...
        process = self.start_and_wait(self.make_disc())
        assert self.save_through(("menukey", "v"), self.root / "en.txt") == PLAIN_COPY
        assert self.decline(process) == 1
        disc = self.make_disc(name="de")
        (disc / "License.de.txt").write_bytes(SAMPLE_LICENCE)
        process = self.start_and_wait(disc, env={"LC_ALL": "de_DE.UTF-8", "LANG": "de_DE.UTF-8"})
        assert self.save_through(("menukey", "k"), self.root / "License.de.txt") == PLAIN_COPY
        assert self.decline(process) == 1

    def test_ctrl_s_saves_the_licence_as_shown_whatever_was_typed_into_the_box(self):
        process = self.start_and_wait(self.make_disc())
        assert self.save_through(("ctrlkeys", "S"), self.root / "copy.txt") == PLAIN_COPY
        self.observer.inspect("key", WINDOW, "a")
        assert self.save_through(("ctrlkeys", "S"), self.root / "typed.txt") == PLAIN_COPY
        assert self.decline(process) == 1

    def test_printing_puts_the_whole_licence_on_numbered_pages(self):
        pages = self.root / "pages.ps"
        clauses = [f"Clause {number} of the agreement." for number in range(1, 121)]
        process = self.start_and_wait(self.make_disc(licence="\r\n".join(clauses).encode()))
        assert self.observer.inspect("printer", windows_path(PPD), pages)[0] == 0, "no printer"
        try:
            self.observer.inspect("ctrlkeys", WINDOW, "P")
            assert self.observer.inspect("ok", 20000)[0] == 0, "no Print dialog"
            printed = printed_pages(pages)
        finally:
            assert self.observer.inspect("noprinter")[0] == 0, "the tests' printer stayed"
        assert len(printed) >= 2
        on_pages = []
        for number, lines in enumerate(printed, 1):
            assert re.fullmatch(re.escape(TITLE) + r" +License\.txt", lines[0]), lines[0]
            assert lines[-1] == f"{number} / {len(printed)}"
            on_pages += lines[1:-1]
        assert on_pages == clauses
        assert process.poll() is None
        assert self.decline(process) == 1

    def test_the_pages_chosen_in_the_print_dialog_alone_are_printed_numbered_of_all(self):
        clauses = [f"Clause {number} of the agreement." for number in range(1, 121)]
        process = self.start_and_wait(self.make_disc(licence="\r\n".join(clauses).encode()))
        printed = self.printed_through(("pages", 20000, 2, 2))
        assert len(printed) == 1
        number = re.fullmatch(r"2 / (\d+)", printed[0][-1])
        assert number and int(number.group(1)) >= 2, printed[0][-1]
        on_page = page_lines(printed)[0]
        first = clauses.index(on_page[0])
        assert first > 0 and on_page == clauses[first:first + len(on_page)]
        assert self.decline(process) == 1

    def test_a_long_print_is_cancelled_from_its_own_window_and_the_agreement_still_waits(self):
        # 3,279 pages, which take Wine a minute and a half to print whole.
        licence = b"\r\n".join(b"Clause %d." % number for number in range(200000))
        process = self.start(self.make_disc(licence=licence))
        # The keys go to the window once it shows, filled, which takes a few seconds here.
        assert self.observer.inspect("shown", WINDOW, 60000)[0] == 0, "no window"
        pages = self.root / "pages.ps"
        assert self.observer.inspect("printer", windows_path(PPD), pages)[0] == 0, "no printer"
        try:
            self.observer.inspect("ctrlkeys", WINDOW, "P")
            assert self.observer.inspect("ok", 20000)[0] == 0, "no Print dialog"
            # Its Cancel (IDCANCEL), pressed while pages are still being laid out or printed.
            assert self.observer.inspect("dialogbutton", TITLE, 2, 20000)[0] == 0, "no Cancel"
            assert self.observer.inspect("gone", "class:#32770", 20000)[0] == 0, "printing went on"
        finally:
            assert self.observer.inspect("noprinter")[0] == 0, "the tests' printer stayed"
        # Wine's driver writes the pages out at the job's end, which a cancelled job never has.
        assert not pages.exists()
        assert process.poll() is None
        assert self.decline(process) == 1

    def test_an_rtf_licence_prints_as_the_control_lays_it_out_on_numbered_pages(self):
        disc = self.make_disc(licence=None)
        clauses = [f"Clause {number} of the agreement." for number in range(1, 121)]
        # In 24-point type: the pages the control lays out hold a third of the lines that the
        # plain text's 9.75 points would, which is what a control that lays out nothing gets.
        (disc / "License.rtf").write_bytes(b"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs48 " +
                                           "\\par ".join(clauses).encode() + b"\\par}")
        process = self.start_and_wait(disc)
        printed = self.printed_through(("ok", 20000))
        # Wine 8's rich-edit control lays out no page for a printer: the text is printed plain.
        laid_out = len(printed) >= 4
        print("the RTF was printed", "as the control laid it out" if laid_out else
              "as plain text, the control having laid out no page")
        assert len(printed) >= 2
        for number, lines in enumerate(printed, 1):
            assert re.fullmatch(re.escape(TITLE) + r" +License\.rtf", lines[0]), lines[0]
            assert lines[-1] == f"{number} / {len(printed)}"
        assert sum(page_lines(printed), []) == clauses
        assert self.decline(process) == 1

    def test_an_rtf_licence_is_saved_as_the_rtf_shown_or_as_its_plain_text(self):
        disc = self.make_disc(licence=None)
        rtf = b"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\b Heading\\b0\\par Body.\\par}"
        (disc / "License.rtf").write_bytes(rtf)
        process = self.start_and_wait(disc)
        as_rtf = self.save_through(("ctrlkeys", "S"), self.root / "copy.rtf")
        assert as_rtf.startswith(b"{\\rtf1") and b"Heading" in as_rtf and b"\\b" in as_rtf
        as_text = self.save_through(("ctrlkeys", "S"), self.root / "copy.txt", 2)
        assert as_text == b"\xef\xbb\xbfHeading\r\nBody.", as_text
        assert self.decline(process) == 1

    def test_printing_that_runs_out_of_memory_is_reported_and_the_agreement_still_waits(self):
        disc = self.make_disc()
        shutil.copy(program(self.arch).with_name("discgate-faulty.exe"), disc / "discgate.exe")
        process = self.start_and_wait(disc, env={"DISCGATE_PLANTED_FAULT": "printmemory"})
        pages = self.root / "pages.ps"
        assert self.observer.inspect("printer", windows_path(PPD), pages)[0] == 0, "no printer"
        try:
            self.observer.inspect("ctrlkeys", WINDOW, "P")
            assert self.observer.inspect("ok", 20000)[0] == 0, "no Print dialog"
            code, report = self.observer.inspect("msgbox", 20000)
        finally:
            assert self.observer.inspect("noprinter")[0] == 0, "the tests' printer stayed"
        assert code == 0, "no report came"
        text = parse_report(report)["text"]
        assert text.startswith("Could not print the licence agreement.\r\n\r\nError 8: "), text
        assert process.poll() is None
        assert self.decline(process) == 1

    def test_printing_without_a_printer_is_reported_and_the_agreement_still_waits(self):
        process = self.start_and_wait(self.make_disc())
        self.observer.inspect("ctrlkeys", WINDOW, "P")
        code, report = self.observer.inspect("msgbox", 20000)
        assert code == 0, "no report came"
        text = parse_report(report)["text"]
        assert text.startswith("Could not print the licence agreement.\r\n\r\nError 3012: "), text
        assert process.poll() is None
        assert self.decline(process) == 1
