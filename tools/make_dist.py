#!/usr/bin/env python3
"""Makes the release: the zip with the 32-bit discgate.exe, a sample disc and the guide for disc
authors, and a ready-to-burn ISO image of a disc.

The zip and the image are reproducible: entries are sorted and carry fixed times and permissions,
so the same inputs always give the same bytes. A SHA-256 checksum file goes beside each.

    make_dist.py EXE OUTPUT_FOLDER [options]

    --sign-pfx FILE --sign-password-file FILE [--timestamp-url URL]
        signs the exe with Authenticode (SHA-256) before it is packed; the password is read
        from the file, never taken from the command line
    --disc-content FOLDER [--disc-label LABEL] [--disc-exe-name NAME]
        makes the image of the author's own disc instead of the sample: the folder's files with
        the exe copied to its root under NAME (discgate.exe by default)
"""
import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
FIXED_TIME = (1980, 1, 1, 0, 0, 0)
FIXED_EPOCH = "315532800"  # the same moment, 1980-01-01, for the image
TEXT_ENDINGS = (".txt", ".inf", ".htm")
SAMPLE_LABEL = "DISCGATE_SAMPLE"


class Refused(Exception):
    """The release cannot be made as asked; the message says why."""


def crlf(data):
    """Windows line breaks, so Notepad on any Windows shows the lines."""
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def sample_files(exe_bytes):
    files = {"discgate.exe": exe_bytes}
    for name in ("autorun.inf", "License.txt", "License.de.txt", "License.ar.txt", "index.htm"):
        files[name] = crlf((ROOT / "sample" / name).read_bytes())
    return files


def write_zip(zip_path, folder, exe_bytes):
    files = {"discgate.exe": exe_bytes,
             "guide.txt": crlf((ROOT / "docs" / "disc-authors.txt").read_bytes())}
    files.update({f"sample-disc/{name}": data for name, data in sample_files(exe_bytes).items()})
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name, data in sorted(files.items()):
            info = zipfile.ZipInfo(f"{folder}/{name}", date_time=FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0
            info.external_attr = 0
            archive.writestr(info, data, compresslevel=9)


def sign(exe, pfx, password_file, timestamp_url, work):
    signed = work / "signed.exe"
    command = ["osslsigncode", "sign", "-pkcs12", str(pfx), "-readpass", str(password_file),
               "-h", "sha256", "-n", "discgate", "-in", str(exe), "-out", str(signed)]
    if timestamp_url:
        command += ["-t", timestamp_url]
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        raise Refused("signing failed: " + (result.stderr or result.stdout).strip())
    return signed.read_bytes()


# The rules the program applies on acceptance, to tell an author about a near miss.
def is_index_page(name):
    return name[:5] in ("index", "Index")


def startable(names):
    return next((n for n in names if is_index_page(n) or n == "splash.exe"), None)


def near_misses(names):
    misses = []
    for name in names:
        if name.lower().startswith("index") and not is_index_page(name):
            misses.append(f'{name}: a start page\'s name must begin with exactly "index" or '
                          f'"Index"')
        elif name.lower() == "splash.exe" and name != "splash.exe":
            misses.append(f'{name}: the splash program must be named exactly "splash.exe"')
    return misses


def author_files(content, exe_bytes, exe_name, label):
    """The author's disc as name -> bytes (or a folder path for subfolders), after the checks."""
    content = Path(content)
    if not content.is_dir():
        raise Refused(f"{content} is not a folder")
    top = sorted(p.name for p in content.iterdir())
    if "license.txt" not in (name.lower() for name in top):
        raise Refused(f"{content} has no License.txt: the program would have no licence to show "
                      "and could not start")
    files = {name: content / name for name in top}
    files[exe_name] = exe_bytes
    if not any(name.lower() == "autorun.inf" for name in top):
        files["autorun.inf"] = crlf(
            f"[autorun]\nopen={exe_name}\nicon={exe_name},0\nlabel={label}\n".encode())
    plain = [name for name in sorted(files) if not (content / name).is_dir()]
    if startable(plain) is None:
        print(f"warning: accepting the agreement on this disc would start nothing", file=sys.stderr)
        for miss in near_misses(plain):
            print(f"warning: {miss}", file=sys.stderr)
    return files


def write_image(iso_path, files, label, work):
    """An ISO 9660 image with Joliet and Rock Ridge names, whose bytes depend only on its files."""
    tree = work / "disc"
    shutil.rmtree(tree, ignore_errors=True)
    tree.mkdir(parents=True)
    for name, data in files.items():
        if isinstance(data, Path):
            (shutil.copytree if data.is_dir() else shutil.copy)(data, tree / name)
        else:
            (tree / name).write_bytes(data)
    for path in [tree, *tree.rglob("*")]:
        os.utime(path, (int(FIXED_EPOCH), int(FIXED_EPOCH)), follow_symlinks=False)
    iso_path.unlink(missing_ok=True)
    # SOURCE_DATE_EPOCH fixes the volume's dates and serial; the file dates were fixed above.
    env = dict(os.environ, SOURCE_DATE_EPOCH=FIXED_EPOCH)
    result = subprocess.run(
        ["xorriso", "-as", "mkisofs", "-quiet", "-o", str(iso_path), "-V", label, "-J",
         "-joliet-long", "-R", "-uid", "0", "-gid", "0", "-file-mode", "0444", "-dir-mode",
         "0555", str(tree)], env=env, capture_output=True, text=True)
    if result.returncode != 0:
        raise Refused("xorriso failed: " + result.stderr.strip())


def checksum(path):
    digest = hashlib.sha256(path.read_bytes()).hexdigest()
    path.with_name(path.name + ".sha256").write_text(f"{digest}  {path.name}\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("exe", type=Path)
    parser.add_argument("output", type=Path)
    parser.add_argument("--sign-pfx", type=Path)
    parser.add_argument("--sign-password-file", type=Path)
    parser.add_argument("--timestamp-url")
    parser.add_argument("--disc-content", type=Path)
    parser.add_argument("--disc-label")
    parser.add_argument("--disc-exe-name", default="discgate.exe")
    args = parser.parse_args()

    version = (ROOT / "VERSION").read_text().strip()
    args.output.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as temporary:
        work = Path(temporary)
        try:
            exe_bytes = args.exe.read_bytes()
            if args.sign_pfx:
                if not args.sign_password_file:
                    raise Refused("--sign-pfx needs --sign-password-file")
                exe_bytes = sign(args.exe, args.sign_pfx, args.sign_password_file,
                                 args.timestamp_url, work)
            if args.disc_content:
                label = args.disc_label or args.disc_content.resolve().name
                files = author_files(args.disc_content, exe_bytes, args.disc_exe_name, label)
                iso_path = args.output / f"discgate-{version}-disc.iso"
            else:
                label = args.disc_label or SAMPLE_LABEL
                files = sample_files(exe_bytes)
                iso_path = args.output / f"discgate-{version}-sample.iso"
            folder = f"discgate-{version}-win32"
            zip_path = args.output / f"{folder}.zip"
            write_zip(zip_path, folder, exe_bytes)
            checksum(zip_path)
            print(zip_path)

            write_image(iso_path, files, label, work)
            checksum(iso_path)
            print(iso_path)
        except Refused as refusal:
            print(f"make dist: {refusal}; nothing was made", file=sys.stderr)
            return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
