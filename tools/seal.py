"""The seal of a released disc: disc.sha256 at the image's root, one line per file as sha256sum
writes it, and the seal's own digest written into the program on the image before it is signed.

The program on a sealed disc shows and starts only files whose bytes the seal lists; a program
whose seal resource holds dashes (every program the build makes) carries no seal."""
import hashlib
import os
from pathlib import Path

from disc_names import Refused, shown

SEAL_NAME = "disc.sha256"
MARKER = b"DISCGATE-SEAL:"
UNSEALED = MARKER + b"-" * 64
# The program reads no larger seal.
MAX_SEAL_BYTES = 16 << 20
MAX_SEAL_LINES = 100_000


def file_digest(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        while chunk := file.read(1 << 20):
            digest.update(chunk)
    return digest.hexdigest()


def seal_lines(tree, program_name):
    """The seal of the disc staged in `tree`: every file but the program and the seal, by its
    path from the root with "/", sorted, made from the bytes that go onto the image."""
    paths = []
    for folder, folders, files in os.walk(tree):
        folders.sort()
        for name in files:
            path = Path(folder, name)
            if path.is_symlink() or not path.is_file():
                raise Refused(f"{shown(str(path.relative_to(tree)))} is not a plain file")
            paths.append(path.relative_to(tree).as_posix())
    paths = sorted(path for path in paths if path not in (program_name, SEAL_NAME))
    if len(paths) > MAX_SEAL_LINES:
        raise Refused(f"the disc holds {len(paths)} files, more than the {MAX_SEAL_LINES:,} a "
                      "seal lists")
    seal = "".join(f"{file_digest(tree / path)}  {path}\n" for path in paths).encode("utf-8")
    if len(seal) > MAX_SEAL_BYTES:
        raise Refused("the list of the disc's files is larger than the 16 MB a seal may be")
    return seal


def write_seal(tree, program_name):
    """Writes disc.sha256 into `tree`; returns its digest as 64 hex digits."""
    own = [path.name for path in tree.iterdir() if path.name.lower() == SEAL_NAME]
    if own:
        raise Refused(f"DISC_CONTENT holds {shown(own[0])}: that name is the disc's seal, which is "
                      "written for you")
    seal = seal_lines(tree, program_name)
    (tree / SEAL_NAME).write_bytes(seal)
    return hashlib.sha256(seal).hexdigest()


def sealed_program(exe_bytes, digest):
    """The program with the seal's digest in the place the build left for it."""
    if exe_bytes.count(UNSEALED) != 1:
        raise Refused("the program has no place for a seal, or more than one: it was not built "
                      "from this source")
    return exe_bytes.replace(UNSEALED, MARKER + digest.encode("ascii"))
