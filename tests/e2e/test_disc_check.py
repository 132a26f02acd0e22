"""disc-check.exe, for disc authors on Windows: the program's own report of a disc."""
import subprocess

from wineprefix import BUILD, ROOT, loader_for, windows_path


def test_disc_check_tells_an_author_on_windows_what_the_sample_disc_does(wine, arch):
    said = subprocess.run([loader_for(arch), str(BUILD / arch / "disc-check.exe"),
                           windows_path(ROOT / "sample")],
                          env=wine.env, capture_output=True, timeout=120)
    lines = said.stdout.decode("utf-8").splitlines()
    assert said.returncode == 0 and lines[0] == "starts: index.htm", said
    assert {"licence: ar: License.ar.txt", "licence: de: License.de.txt",
            "licence: other languages: License.txt"} <= set(lines), lines
