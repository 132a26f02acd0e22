#!/usr/bin/env python3
"""Makes the release: the zip with the 32-bit discgate.exe, a sample disc and the guide for disc
authors, and a ready-to-burn ISO image of a disc.

`make dist` runs it with what the author set in the environment, exactly as typed:

    DISC_CONTENT        the author's disc folder; without it, the image is the sample disc
    DISC_LABEL          the disc's label (the folder's name when not given)
    DISC_EXE_NAME       the program's name on the disc (discgate.exe)
    DISC_COMPANY        CompanyName in the version resource
    DISC_PRODUCT        the product in every caption and in the version resource
    SIGN_PFX, SIGN_PASSWORD_FILE
                        sign the exe with Authenticode (SHA-256) before it is packed; the password
                        is read from the file, never taken from the command line
    SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server; without one, the signature's time is
                        SOURCE_DATE_EPOCH (the last commit's time when that is not set)
    DIST_FOLDER         where the zip and the image go (dist)

    make_dist.py [--exe EXE] [--disc-check TOOL] [--output FOLDER]

--exe packs an exe built before instead of building one with the author's names, and
--disc-check names the native disc-check tool instead of building it (both for the tests).

Every tool is called with an argument list; no value reaches a shell. The zip and the image are
reproducible: entries are sorted and carry fixed times and permissions, and a signature made
without a time-stamp server carries a fixed time, so the same inputs always give the same bytes.
A SHA-256 checksum file goes beside each. Exit code 2, with nothing written, when the release
cannot be made as asked.
"""
import argparse
import hashlib
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

from disc_names import Refused, autorun_inf, check_exe_name, check_product, check_text, volume_id

ROOT = Path(__file__).resolve().parents[1]
BUILD = ROOT / "build"
FIXED_TIME = (1980, 1, 1, 0, 0, 0)
FIXED_EPOCH = 315532800  # the same moment, 1980-01-01, for the image
SAMPLE_LABEL = "DISCGATE_SAMPLE"
SAMPLE_FILES = ("autorun.inf", "License.txt", "License.de.txt", "License.ar.txt", "index.htm")
VERSION_CONTROL = {".git", ".svn", ".hg"}


def setting(name):
    return os.environ.get(name, "")


def warn(text):
    print(f"make dist: warning: {text}", file=sys.stderr)


def tool_environment(**extra):
    """The environment a tool is started with: without make's flags, which carry values from
    make's command line as make text for any make below, and without the author's settings,
    which reach a tool only as the arguments given to it."""
    env = {name: value for name, value in os.environ.items()
           if name not in ("MAKEFLAGS", "MFLAGS", "GNUMAKEFLAGS", "MAKEOVERRIDES", "DIST_FOLDER")
           and not name.startswith(("DISC_", "SIGN_"))}
    env.update(extra)
    return env


def run(command, what, env=None, **kwargs):
    result = subprocess.run([str(part) for part in command], capture_output=True, text=True,
                            env=env or tool_environment(), **kwargs)
    if result.returncode != 0:
        raise Refused(f"{what} failed: " + (result.stderr or result.stdout).strip()[-2000:])
    return result.stdout


def crlf(data):
    """Windows line breaks, so Notepad on any Windows shows the lines."""
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def build_exe(company, product):
    folder = BUILD / "release"
    run(["cmake", "--preset", "release", f"-DDISCGATE_COMPANY={company}",
         f"-DDISCGATE_PRODUCT={product}"], "configuring the program", cwd=ROOT)
    run(["cmake", "--build", folder, "-j2", "--target", "discgate"], "building the program")
    return folder / "discgate.exe"


def build_disc_check():
    folder = BUILD / "disc-check"
    run(["cmake", "--preset", "disc-check"], "configuring disc-check", cwd=ROOT)
    run(["cmake", "--build", folder, "-j2", "--target", "disc-check"], "building disc-check")
    return folder / "disc-check"


def signing_time():
    epoch = setting("SOURCE_DATE_EPOCH")
    if not epoch:
        last_commit = subprocess.run(["git", "-C", str(ROOT), "log", "-1", "--format=%ct"],
                                     env=tool_environment(),
                                     capture_output=True, text=True).stdout.strip()
        epoch = last_commit or str(FIXED_EPOCH)
    if not epoch.isdigit():
        raise Refused(f'SOURCE_DATE_EPOCH "{epoch}" is not a number of seconds')
    return epoch


def sign(exe, work, product):
    pfx, password_file = Path(setting("SIGN_PFX")), Path(setting("SIGN_PASSWORD_FILE"))
    if not setting("SIGN_PASSWORD_FILE"):
        raise Refused("SIGN_PFX needs SIGN_PASSWORD_FILE, the file that holds its password")
    if not shutil.which("osslsigncode"):
        raise Refused("signing needs osslsigncode, which is not installed (make deps installs it)")
    if password_file.exists() and password_file.stat().st_mode & (stat.S_IRGRP | stat.S_IROTH):
        warn(f"SIGN_PASSWORD_FILE {password_file} can be read by others (chmod 600 it)")
    signed = work / "signed.exe"
    command = ["osslsigncode", "sign", "-pkcs12", pfx, "-readpass", password_file, "-h", "sha256",
               "-n", product or "discgate", "-in", exe, "-out", signed]
    if setting("SIGN_TIMESTAMP_URL"):
        command += ["-ts", setting("SIGN_TIMESTAMP_URL")]
    else:
        command += ["-time", signing_time()]
    run(command, "signing")
    return signed.read_bytes()


def walk_content(folder):
    """The author's disc as relative paths of folders and files, walked without following links.
    Links, devices, sockets and pipes are refused, every one named; version-control folders are
    left out and named."""
    folders, files, refused = [], [], []

    def visit(path, relative):
        for entry in sorted(os.scandir(path), key=lambda each: each.name):
            name = relative / entry.name
            mode = entry.stat(follow_symlinks=False).st_mode
            if stat.S_ISLNK(mode):
                refused.append(f"{name} is a symbolic link (to {os.readlink(entry.path)})")
            elif stat.S_ISDIR(mode) and entry.name.lower() in VERSION_CONTROL:
                print(f"make dist: left out {name}, a version-control folder", file=sys.stderr)
            elif stat.S_ISDIR(mode):
                folders.append(name)
                visit(entry.path, name)
            elif stat.S_ISREG(mode):
                files.append(name)
            else:
                refused.append(f"{name} is not a plain file (a device, socket or pipe)")

    visit(folder, Path())
    if refused:
        raise Refused("DISC_CONTENT may hold only plain files and folders:\n  " +
                      "\n  ".join(refused))
    return folders, files


def read_plain_file(path):
    """A file's bytes, refusing one that became a link after the walk."""
    with open(path, "rb", opener=lambda name, flags: os.open(name, flags | os.O_NOFOLLOW)) as file:
        return file.read()


def author_disc(content, label, product):
    """The author's disc as {relative path: bytes, or None for a folder}, after the checks."""
    content = Path(content)
    if not content.is_dir():
        raise Refused(f"DISC_CONTENT {content} is not a folder")
    folders, files = walk_content(content)
    top = [str(path) for path in folders + files if len(path.parts) == 1]
    if not any(str(path).lower() == "license.txt" for path in files):
        raise Refused(f"DISC_CONTENT {content} has no License.txt: the program would have no "
                      "licence to show and could not start")
    exe_name = check_exe_name(setting("DISC_EXE_NAME") or "discgate.exe", top)
    disc = {str(path): None for path in folders}
    disc.update({str(path): read_plain_file(content / path) for path in files})
    if not any(name.lower() == "autorun.inf" for name in top):
        disc["autorun.inf"] = autorun_inf(exe_name, label, product)
    return disc, exe_name


def sample_disc(exe_bytes):
    disc = {name: crlf((ROOT / "sample" / name).read_bytes()) for name in SAMPLE_FILES}
    disc["discgate.exe"] = exe_bytes
    return disc


def stage(disc, work):
    """The disc as a folder, with fixed times, for the image and for disc-check."""
    tree = work / "disc"
    tree.mkdir()
    for name, data in sorted(disc.items()):
        if data is None:
            (tree / name).mkdir(parents=True, exist_ok=True)
        else:
            (tree / name).parent.mkdir(parents=True, exist_ok=True)
            (tree / name).write_bytes(data)
    for path in [tree, *tree.rglob("*")]:
        os.utime(path, (FIXED_EPOCH, FIXED_EPOCH), follow_symlinks=False)
    return tree


def check_start(tree, disc_check, exe_name):
    """What accepting would start, as the program decides it; near misses are warned about."""
    said = run([disc_check, tree], "disc-check").splitlines()
    starts = said[0].removeprefix("starts: ")
    if starts == exe_name:
        raise Refused(f'DISC_EXE_NAME "{exe_name}" is a name that accepting would start: the '
                      "program would start itself")
    if starts == "nothing":
        warn("accepting the agreement on this disc would start nothing")
    else:
        print(f"make dist: accepting the agreement starts {starts}")
    for line in said[1:]:
        warn(line)


def write_zip(zip_path, folder, exe_bytes):
    files = {"discgate.exe": exe_bytes,
             "guide.txt": crlf((ROOT / "docs" / "disc-authors.txt").read_bytes())}
    files.update({f"sample-disc/{name}": data for name, data in sample_disc(exe_bytes).items()})
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name, data in sorted(files.items()):
            info = zipfile.ZipInfo(f"{folder}/{name}", date_time=FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0
            info.external_attr = 0
            archive.writestr(info, data, compresslevel=9)


def write_image(iso_path, tree, label):
    """An ISO 9660 image with Joliet and Rock Ridge names, whose bytes depend only on its files."""
    # SOURCE_DATE_EPOCH fixes the volume's dates and serial; the file dates were fixed already.
    env = tool_environment(SOURCE_DATE_EPOCH=str(FIXED_EPOCH))
    run(["xorriso", "-as", "mkisofs", "-quiet", "-o", iso_path, "-V", volume_id(label), "-J",
         "-joliet-long", "-R", "-uid", "0", "-gid", "0", "-file-mode", "0444", "-dir-mode", "0555",
         tree], "xorriso", env=env)


def checksum(path):
    digest = hashlib.sha256(path.read_bytes()).hexdigest()
    path.with_name(path.name + ".sha256").write_text(f"{digest}  {path.name}\n")


def make(args, work):
    company = check_text("DISC_COMPANY", setting("DISC_COMPANY"), "the version resource")
    product = check_product(setting("DISC_PRODUCT"))
    content = setting("DISC_CONTENT")
    label = setting("DISC_LABEL") or (Path(content).resolve().name if content else SAMPLE_LABEL)
    check_text("DISC_LABEL", label, "a disc's label")
    if len(label) > 32:
        warn(f"DISC_LABEL has {len(label)} characters; Windows shows only the first 32")
    # Everything the author handed over is checked before anything is built.
    disc, exe_name = author_disc(content, label, product) if content else ({}, "discgate.exe")
    exe = args.exe or build_exe(company, product)
    exe_bytes = sign(exe, work, product) if setting("SIGN_PFX") else exe.read_bytes()
    disc.update(sample_disc(exe_bytes) if not content else {exe_name: exe_bytes})
    tree = stage(disc, work)
    check_start(tree, args.disc_check or build_disc_check(), exe_name)

    version = (ROOT / "VERSION").read_text().strip()
    folder = f"discgate-{version}-win32"
    outputs = {args.output / f"{folder}.zip": lambda path: write_zip(path, folder, exe_bytes),
               args.output / f"discgate-{version}-{'disc' if content else 'sample'}.iso":
               lambda path: write_image(path, tree, label)}
    # Written beside, then moved in: a refusal half-way leaves nothing in the output folder.
    for path, write in outputs.items():
        write(work / path.name)
    args.output.mkdir(parents=True, exist_ok=True)
    for path in outputs:
        shutil.move(work / path.name, path)
        checksum(path)
        print(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", type=Path)
    parser.add_argument("--disc-check", type=Path)
    parser.add_argument("--output", type=Path, default=ROOT / (setting("DIST_FOLDER") or "dist"))
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        try:
            make(args, Path(work))
        except Refused as refusal:
            print(f"make dist: {refusal}; nothing was made", file=sys.stderr)
            return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
