#!/usr/bin/env python3
"""Packs the release zip: the 32-bit discgate.exe, a sample disc and the guide for disc authors.

The zip is reproducible: entries are sorted and carry a fixed time and fixed permissions, so the
same inputs always give the same bytes. A SHA-256 checksum file goes beside it.

    make_dist.py EXE OUTPUT_FOLDER
"""
import hashlib
import sys
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
FIXED_TIME = (1980, 1, 1, 0, 0, 0)
TEXT_ENDINGS = (".txt", ".inf", ".htm")


def crlf(data):
    """Windows line breaks, so Notepad on any Windows shows the lines."""
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def entries(exe):
    exe_bytes = Path(exe).read_bytes()
    files = {
        "discgate.exe": exe_bytes,
        "guide.txt": (ROOT / "docs" / "disc-authors.txt").read_bytes(),
        "sample-disc/discgate.exe": exe_bytes,
    }
    for name in ("autorun.inf", "License.txt", "index.htm"):
        files[f"sample-disc/{name}"] = (ROOT / "sample" / name).read_bytes()
    return {name: crlf(data) if name.endswith(TEXT_ENDINGS) else data
            for name, data in files.items()}


def main(exe, output):
    version = (ROOT / "VERSION").read_text().strip()
    folder = f"discgate-{version}-win32"
    output = Path(output)
    output.mkdir(parents=True, exist_ok=True)
    zip_path = output / f"{folder}.zip"
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name, data in sorted(entries(exe).items()):
            info = zipfile.ZipInfo(f"{folder}/{name}", date_time=FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0
            info.external_attr = 0
            archive.writestr(info, data, compresslevel=9)
    digest = hashlib.sha256(zip_path.read_bytes()).hexdigest()
    (output / f"{folder}.zip.sha256").write_text(f"{digest}  {zip_path.name}\n")
    print(zip_path)


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
