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
    DISC_ALLOW_SECRETS  paths in DISC_CONTENT, separated by "|", of files that look like private
                        keys or secrets (*.pfx, *.key, a .pem with a private key, ...) and are
                        meant to go onto the disc all the same

    make_dist.py [--exe EXE] [--disc-check TOOL] [--output FOLDER]

--exe packs an exe built before instead of building one with the author's names, and
--disc-check names the native disc-check tool instead of building it (both for the tests).

Every tool is called with an argument list; no value reaches a shell. The zip and the image are
reproducible: entries are sorted and carry fixed times and permissions, and a signature made
without a time-stamp server carries a fixed time, so the same inputs always give the same bytes.
A SHA-256 checksum file goes beside each. The image is sealed: disc.sha256 at its root lists
every file's SHA-256, and the program on it carries the seal's digest (tools/seal.py). Exit code 2, with nothing written, when the release
cannot be made as asked.
"""
import argparse
import hashlib
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

from disc_names import (Refused, autorun_inf, autorun_program, check_company, check_exe_name,
                        check_label, check_product, shown, volume_id)
from disc_tree import copy_file, open_named_folder, read_file, walk_content
from joliet import root_names
from page_checks import page_warnings
from seal import SEAL_NAME, sealed_program, write_seal

ROOT = Path(__file__).resolve().parents[1]
BUILD = ROOT / "build"
FIXED_TIME = (1980, 1, 1, 0, 0, 0)
FIXED_EPOCH = 315532800  # the same moment, 1980-01-01, for the image
SAMPLE_LABEL = "DISCGATE_SAMPLE"
SAMPLE_FILES = ("autorun.inf", "License.txt", "License.de.txt", "License.ar.txt", "index.htm")
SIGN_SETTINGS = ("SIGN_PFX", "SIGN_PASSWORD_FILE", "SIGN_TIMESTAMP_URL")
# The largest time a 32-bit time_t holds, which every tool reading the signature can take.
MAX_EPOCH = 2**31 - 1


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
    run(["cmake", "--build", folder, "-j2", "--target", "discgate", "disc-check"],
        "building the program")
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
    # str.isdigit takes any script's digits, and int() reads them.
    if not re.fullmatch("[0-9]{1,10}", epoch) or int(epoch) > MAX_EPOCH:
        raise Refused(f'SOURCE_DATE_EPOCH "{shown(epoch)}" is not a number of seconds from 0 to '
                      f"{MAX_EPOCH}")
    return epoch


def check_signing():
    """What signing will do, refused before anything is built when it cannot be what was asked:
    a SIGN_* setting without SIGN_PFX is a key that did not arrive, not a wish for no signature."""
    given = [name for name in SIGN_SETTINGS if setting(name)]
    if not setting("SIGN_PFX"):
        if given:
            raise Refused(f"{', '.join(given)} is set but SIGN_PFX is empty: the release would "
                          "come out unsigned")
        return "unsigned"
    if not setting("SIGN_PASSWORD_FILE"):
        raise Refused("SIGN_PFX needs SIGN_PASSWORD_FILE, the file that holds its password")
    if not shutil.which("osslsigncode"):
        raise Refused("signing needs osslsigncode, which is not installed (make deps installs it)")
    if setting("SIGN_TIMESTAMP_URL"):
        return "signed, time-stamped"
    signing_time()
    warn("the signature is not time-stamped: it stops being valid when the certificate expires, "
         "and code-signing certificates issued since March 2026 last at most 460 days, while a "
         "pressed disc lasts far longer (set SIGN_TIMESTAMP_URL)")
    return "signed, not time-stamped"


def sign(exe, work, product):
    """The exe's bytes, signed when the author asked for it."""
    if not setting("SIGN_PFX"):
        return exe.read_bytes()
    pfx, password_file = Path(setting("SIGN_PFX")), Path(setting("SIGN_PASSWORD_FILE"))
    if password_file.exists() and password_file.stat().st_mode & (stat.S_IRGRP | stat.S_IROTH):
        warn(f"SIGN_PASSWORD_FILE {shown(str(password_file))} can be read by others (chmod 600 it)")
    signed = work / f"signed-{len(list(work.glob('signed-*')))}-{exe.name}"
    command = ["osslsigncode", "sign", "-pkcs12", pfx, "-readpass", password_file, "-h", "sha256",
               "-n", product or "discgate", "-in", exe, "-out", signed]
    if setting("SIGN_TIMESTAMP_URL"):
        command += ["-ts", setting("SIGN_TIMESTAMP_URL")]
    else:
        command += ["-time", signing_time()]
    run(command, "signing")
    return signed.read_bytes()


def open_content(content):
    """The author's folder, held open for the walk and for every read after it."""
    try:
        return open_named_folder(content)
    except OSError as error:
        raise Refused(f"DISC_CONTENT {shown(content)} is not a folder ({error.strerror})") from None


def own_autorun(root_fd, entries, exe_name):
    """An author's own autorun.inf, as the bytes that were checked: it may start only the
    program, or AutoPlay would offer to run something without the agreement. None when the
    author has none."""
    own = next((entry for entry in entries if len(entry.path.parts) == 1 and not entry.folder
                and entry.path.name.lower() == "autorun.inf"), None)
    if own is None:
        return None
    data = read_file(root_fd, own)
    try:
        program = autorun_program(data)
    except Refused as refusal:
        raise Refused(f"DISC_CONTENT's own {shown(own.path.name)} is refused: {refusal}: remove "
                      "it, and one is written for you") from None
    if program is None or program.lower() != exe_name.lower():
        raise Refused(f"DISC_CONTENT's own {shown(own.path.name)} starts "
                      f'{shown(program) if program else "nothing"}, not the program '
                      f'"{shown(exe_name)}": remove it, and one is written for you')
    return own, data


def check_root_folders(entries, exe_name):
    """Refuses a folder at the root named as a file the disc needs there: autorun.inf, the seal,
    the program, a licence or notice, or a page (*.htm, *.html), which Windows and the release
    tool would look for as a file."""
    needed = {"autorun.inf", SEAL_NAME, exe_name.lower()}
    for entry in entries:
        name = entry.path.name.lower()
        if len(entry.path.parts) != 1 or not entry.folder:
            continue
        if (name in needed or name.endswith((".htm", ".html"))
                or (name.startswith(("license.", "notice.")) and name.endswith((".txt", ".rtf")))):
            raise Refused(f"DISC_CONTENT holds a folder named {shown(entry.path.name)}, the name "
                          "of a file the disc needs at its root: rename the folder")


def kept_apart(output):
    """The files and folders that never go onto the disc, wherever they lie: the signing
    certificate, its password and the output folder, as {(device, inode): what they are}."""
    apart = {}
    for name, what in (("SIGN_PFX", "the signing certificate (SIGN_PFX)"),
                       ("SIGN_PASSWORD_FILE", "the signing password (SIGN_PASSWORD_FILE)")):
        if setting(name):
            try:
                info = os.stat(setting(name))
            except OSError:
                continue  # signing says so, by name
            apart[info.st_dev, info.st_ino] = what
    # An output folder yet to be made is made in the nearest folder that exists.
    folder = output.absolute()
    while not folder.exists() and folder != folder.parent:
        folder = folder.parent
    info = folder.stat()
    apart[info.st_dev, info.st_ino] = "the output folder (DIST_FOLDER) or a folder holding it"
    return apart


def check_kept_apart(root_fd, apart):
    """Refuses content that is itself a file or folder kept apart: the walk finds those below."""
    info = os.fstat(root_fd)
    if (info.st_dev, info.st_ino) in apart:
        raise Refused(f"DISC_CONTENT is {apart[info.st_dev, info.st_ino]}, which must not go "
                      "onto the disc")


def author_disc(root_fd, label, product, output):
    """The author's disc as {relative path: Entry to copy, bytes, or None for a folder}, after
    the checks."""
    apart = kept_apart(output)
    check_kept_apart(root_fd, apart)
    allowed = {path for path in setting("DISC_ALLOW_SECRETS").split("|") if path}
    entries = walk_content(root_fd, allowed, apart)
    top = [entry.path.name for entry in entries if len(entry.path.parts) == 1]
    if not any(name.lower() in ("license.txt", "license.rtf", "notice.txt", "notice.rtf")
               for name in top):
        raise Refused("DISC_CONTENT has no License.txt or License.rtf (nor a Notice.txt): the "
                      "program would have no licence to show and could not start")
    exe_name = check_exe_name(setting("DISC_EXE_NAME") or "discgate.exe", top)
    check_root_folders(entries, exe_name)
    disc = {str(entry.path): None if entry.folder else entry for entry in entries}
    own = own_autorun(root_fd, entries, exe_name)
    if own:
        disc[str(own[0].path)] = own[1]
    else:
        disc["autorun.inf"] = autorun_inf(exe_name, label, product)
    return disc, exe_name


def sample_disc(exe_bytes=None):
    disc = {name: crlf((ROOT / "sample" / name).read_bytes()) for name in SAMPLE_FILES}
    if exe_bytes is not None:
        disc["discgate.exe"] = exe_bytes
    return disc


def stage(disc, work, root_fd=None):
    """The disc as a folder for the image and for disc-check, without its program. The author's
    files are streamed from the files the walk saw."""
    tree = work / "disc"
    tree.mkdir()
    for name, data in sorted(disc.items()):
        if data is None:
            (tree / name).mkdir(parents=True, exist_ok=True)
            continue
        (tree / name).parent.mkdir(parents=True, exist_ok=True)
        if isinstance(data, bytes):
            (tree / name).write_bytes(data)
        else:
            copy_file(root_fd, data, tree / name)
    return tree


def seal(tree, work, exe, exe_name, product):
    """Seals the staged disc: the seal from the bytes on it, its digest into the program, then
    the program signed and put beside it, all with fixed times."""
    digest = write_seal(tree, exe_name)
    unsigned = work / "sealed" / exe.name
    unsigned.parent.mkdir()
    unsigned.write_bytes(sealed_program(exe.read_bytes(), digest))
    (tree / exe_name).write_bytes(sign(unsigned, work, product))
    for path in [tree, *tree.rglob("*")]:
        os.utime(path, (FIXED_EPOCH, FIXED_EPOCH), follow_symlinks=False)


def check_disc(tree, iso, disc_check, exe_name):
    """What the program would do with the disc as Windows reads it from the image: its root in
    the image's own order. Near misses are warned about; a licence it would refuse is refused."""
    listed = "".join(name + "\0" for name in root_names(iso))
    said = run([disc_check, "--listed", tree], "disc-check", input=listed).splitlines()
    starts = said[0].removeprefix("starts: ")
    if starts == exe_name:
        raise Refused(f'DISC_EXE_NAME "{shown(exe_name)}" is a name that accepting would start: '
                      "the program would start itself")
    refused = [line.removeprefix("refused: ") for line in said if line.startswith("refused: ")]
    if refused:
        raise Refused("the program would refuse to show a licence on this disc:\n  " +
                      "\n  ".join(refused))
    if starts == "nothing":
        warn("accepting the agreement on this disc would start nothing")
    else:
        print(f"make dist: accepting the agreement starts {shown(starts)}")
    # The start page (unless it is the splash program) and the pages beside it, as today's
    # browsers will take them.
    pages = {path.name for path in tree.iterdir() if path.suffix.lower() in (".htm", ".html")}
    if starts != "nothing" and starts != "splash.exe":
        pages.add(starts)
    for name in sorted(pages):
        for warning in page_warnings(name, (tree / name).read_bytes()):
            warn(shown(warning))
    for line in said[1:]:
        if line.endswith(" files as released"):
            print(f"make dist: the disc is sealed: {line}")
        elif line.startswith("sealed: "):
            continue
        elif line.startswith("warning: "):
            warn(shown(line.removeprefix("warning: ")))
        elif line.startswith("licence: "):
            language, name = line.removeprefix("licence: ").rsplit(": ", 1)
            print(f"make dist: readers of {shown(language)} get {shown(name)}")
        else:
            warn(shown(line))


def write_zip(zip_path, folder, exe_bytes, disc_check_bytes):
    files = {"discgate.exe": exe_bytes, "disc-check.exe": disc_check_bytes,
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
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        while chunk := file.read(1 << 20):
            digest.update(chunk)
    return f"{digest.hexdigest()}  {path.name}\n".encode()


def check_output_folder(folder, info):
    """Refuses an output folder that others can write: they could swap what is written there
    between its writing and its upload, or plant a link in its place."""
    if info.st_mode & (stat.S_IWGRP | stat.S_IWOTH):
        raise Refused(f"the output folder {shown(str(folder))} can be written by others "
                      "(chmod go-w it, or set DIST_FOLDER)")


def publish(folder, outputs):
    """Each output made anew as a file of its own, never through a link planted in the output
    folder, and renamed into place once whole; a checksum file beside each."""
    folder.mkdir(parents=True, exist_ok=True)
    fd = open_named_folder(folder)
    try:
        check_output_folder(folder, os.fstat(fd))
        for made in outputs:
            place(fd, made.name, lambda out, made=made: copy_to(made, out))
            place(fd, made.name + ".sha256", lambda out, made=made: out.write(checksum(made)))
            print(folder / made.name)
    finally:
        os.close(fd)


def copy_to(path, out):
    with open(path, "rb") as file:
        shutil.copyfileobj(file, out)


def place(folder_fd, name, write):
    temporary = f".{name}.{os.getpid()}.part"
    flags = os.O_WRONLY | os.O_CREAT | os.O_EXCL | os.O_NOFOLLOW
    out = os.open(temporary, flags, 0o644, dir_fd=folder_fd)
    try:
        with os.fdopen(out, "wb") as file:
            write(file)
            file.flush()
            os.fsync(file.fileno())
        os.replace(temporary, name, src_dir_fd=folder_fd, dst_dir_fd=folder_fd)
    except BaseException:
        os.unlink(temporary, dir_fd=folder_fd)
        raise


def make(args, work):
    company = check_company(setting("DISC_COMPANY"))
    product = check_product(setting("DISC_PRODUCT"))
    content = setting("DISC_CONTENT")
    label = setting("DISC_LABEL") or (Path(content).resolve().name if content else SAMPLE_LABEL)
    check_label(label)
    if len(label) > 32:
        warn(f"DISC_LABEL has {len(label)} characters; Windows shows only the first 32")
    signature = check_signing()
    if args.output.exists():
        check_output_folder(args.output, os.stat(args.output))
    # Everything the author handed over is checked before anything is built.
    root_fd = open_content(content) if content else None
    try:
        disc, exe_name = (author_disc(root_fd, label, product, args.output) if content
                          else ({}, "discgate.exe"))
        exe = args.exe or build_exe(company, product)
        # disc-check for authors on Windows, built beside the program. The zip's programs carry
        # no seal: they go onto discs the author has yet to make.
        exe_bytes = sign(exe, work, product)
        disc_check_bytes = sign(exe.with_name("disc-check.exe"), work, "disc-check")
        disc.update(sample_disc() if not content else {})
        tree = stage(disc, work, root_fd)
        seal(tree, work, exe, exe_name, product)
    finally:
        if root_fd is not None:
            os.close(root_fd)

    version = (ROOT / "VERSION").read_text().strip()
    folder = f"discgate-{version}-win32"
    zip_path = work / f"{folder}.zip"
    iso = work / f"discgate-{version}-{'disc' if content else 'sample'}.iso"
    write_zip(zip_path, folder, exe_bytes, disc_check_bytes)
    write_image(iso, tree, label)
    check_disc(tree, iso, args.disc_check or build_disc_check(), exe_name)
    # Made in the work folder first: a refusal half-way leaves nothing in the output folder.
    publish(args.output, [zip_path, iso])
    print(f"make dist: the program is {signature}")


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
