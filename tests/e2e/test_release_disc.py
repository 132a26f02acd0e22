"""The release as a disc author ships it, started under Wine: the signed program still shows its
window, a program built with the author's product names it in every caption, and the sample image,
extracted as Windows reads it and mapped as a drive of its own the way a CD is, opens its start
page from the drive's root. The release tests (tests/release) make what these start."""
import os
import shutil
import subprocess
import zipfile

from disccase import BrowserCase
from observer_client import CMD_ACCEPT, TEXT1, TITLE, WINDOW, parse_dump
from wineprefix import BUILD, PREFIX, wait_exit

VERSION = (BUILD.parent / "VERSION").read_text().strip()
DRIVE = "x:"


class TestRelease(BrowserCase):
    # The release packs the 32-bit program.
    ARCHES = ("win32",)

    def tearDown(self):
        super().tearDown()
        (PREFIX / "dosdevices" / DRIVE).unlink(missing_ok=True)

    def test_the_signed_program_still_shows_its_window(self):
        disc = self.make_disc()
        with zipfile.ZipFile(BUILD / "dist-signed" / f"discgate-{VERSION}-win32.zip") as archive:
            (disc / "discgate.exe").write_bytes(
                archive.read(f"discgate-{VERSION}-win32/discgate.exe"))
        process = self.start_and_wait(disc)
        assert self.decline(process) == 1

    def test_the_authors_product_names_the_caption_in_every_language(self):
        disc = self.make_disc()
        shutil.copy(BUILD / "win32-named" / "discgate.exe", disc / "discgate.exe")
        (disc / "License.de.txt").write_text("Lizenz", encoding="utf-8")
        for locale, caption in (("en_US.UTF-8", "Atlas Suite 7 License Agreement"),
                                ("de_DE.UTF-8", "Atlas Suite 7 Lizenzvereinbarung")):
            process = self.start_and_wait(disc, env={"LC_ALL": locale, "LANG": locale})
            window = parse_dump(self.observer.inspect("dump", WINDOW)[1])["window"]
            assert window["text"] == caption
            assert self.decline(process) == 1

    def test_the_sample_image_opens_its_page_from_the_root_of_its_drive(self):
        image = BUILD / "dist-sample" / f"discgate-{VERSION}-sample.iso"
        disc = self.root / "cd"
        # The Joliet names, which Windows reads, not the Rock Ridge ones Linux would.
        subprocess.run(["xorriso", "-osirrox", "on", "-read_fs", "norock", "-indev", str(image),
                        "-extract", "/", str(disc)], check=True, capture_output=True)
        subprocess.run(["chmod", "-R", "u+w", str(disc)], check=True)
        os.symlink(disc, PREFIX / "dosdevices" / DRIVE)
        process = self.wine.start_program("X:\\discgate.exe", disc, self.arch,
                                          {"DISCGATE_STARTED_LOG": str(self.started_log)})
        self.processes.append(process)
        assert self.observer.wait_window(), "the agreement window did not appear"
        licence = (disc / "License.txt").read_bytes().decode()
        assert self.observer.control_text(TEXT1, self.root / "text.out") == licence
        self.observer.inspect("click", TITLE, CMD_ACCEPT)
        assert wait_exit(process) == 0
        assert self.only_start()["cmdline"] == " -nohome X:\\index.htm"
