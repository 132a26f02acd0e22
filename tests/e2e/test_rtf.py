"""A licence kept as RTF is shown formatted, with nothing in it but text."""
from disccase import DiscCase
from observer_client import TEXT1, WINDOW, parse_dump

HEADING = "Licence heading"
FORMATTED = (b"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs28\\b " + HEADING.encode() +
             b"\\b0\\fs20\\par Body of the licence.\\par}")
# A picture, and an object whose data and result picture are there too, between two words.
EMBEDDED = (b"{\\rtf1\\ansi Before {\\pict\\wmetafile8\\picw100\\pich100 010009000003}"
            b"{\\object\\objemb{\\*\\objclass Package}{\\*\\objdata 01050000020000000800}"
            b"{\\result{\\pict\\emfblip 0100000064000000}}}After\\par}")


class TestRtfLicence(DiscCase):
    def shown(self, disc, env=None):
        process = self.start_and_wait(disc, env)
        text = self.observer.control_text(TEXT1, self.root / "text.out")
        return process, text

    def test_a_heading_in_bold_shows_in_bold_and_the_text_reads_as_it_is(self):
        disc = self.make_disc(licence=None)
        (disc / "License.rtf").write_bytes(FORMATTED)
        process, text = self.shown(disc)
        assert text.splitlines()[:2] == [HEADING, "Body of the licence."]
        code, bold = self.observer.inspect("bold", WINDOW, TEXT1, 0, len(HEADING))
        assert (code, bold.strip()) == (0, "1")
        code, bold = self.observer.inspect("bold", WINDOW, TEXT1, len(HEADING) + 2,
                                           len(HEADING) + 6)
        assert (code, bold.strip()) == (0, "0")
        assert self.decline(process) == 1

    def test_pictures_and_objects_are_taken_out_and_the_text_around_them_stays(self):
        disc = self.make_disc(licence=None)
        (disc / "License.rtf").write_bytes(EMBEDDED)
        process, text = self.shown(disc)
        assert text.strip() == "Before After"
        assert self.decline(process) == 1

    def test_a_german_reader_gets_the_german_rtf_licence_over_the_plain_one(self):
        disc = self.make_disc(licence=b"English licence")
        (disc / "License.de.rtf").write_bytes(b"{\\rtf1\\ansi Deutsche \\b Lizenz\\b0\\par}")
        process = self.start_and_wait(disc, env={"LC_ALL": "de_DE.UTF-8", "LANG": "de_DE.UTF-8"})
        window = parse_dump(self.observer.inspect("dump", WINDOW)[1])["window"]
        assert window["text"] == "Orvel Software Lizenzvereinbarung"
        assert self.observer.control_text(TEXT1, self.root / "text.out").strip() == "Deutsche Lizenz"
        assert self.decline(process) == 1
