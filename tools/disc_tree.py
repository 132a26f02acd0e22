"""The author's disc folder, walked and copied through directory descriptors: no link is ever
followed at any level, and what is copied is the very file the walk saw (same device, inode and
size), or nothing is made. Names are checked as Windows will read them from the image."""
import os
import stat
import sys
from dataclasses import dataclass
from pathlib import PurePosixPath

from disc_names import Refused, is_secret, is_unwanted, shown, why_not_as_is

VERSION_CONTROL = {".git", ".svn", ".hg"}
COPY_CHUNK = 1 << 20
# How much of a .pem file is read to see whether it holds a private key.
SECRET_HEAD = 1 << 16
# Never blocks on a FIFO or a device swapped in, never follows a link put in its place. (Python
# opens every descriptor not inherited by the tools it starts.)
OPEN_FLAGS = os.O_RDONLY | os.O_NOFOLLOW | os.O_NONBLOCK


@dataclass(frozen=True)
class Entry:
    path: PurePosixPath  # relative to the content folder
    folder: bool
    device: int
    inode: int
    size: int


def open_folder(name, parent=None):
    return os.open(name, OPEN_FLAGS | os.O_DIRECTORY, dir_fd=parent)


def open_named_folder(path):
    """A folder the author named (DISC_CONTENT, DIST_FOLDER): a link to it is followed, as the
    author chose it; nothing below it is."""
    return os.open(path, os.O_RDONLY | os.O_DIRECTORY)


def head_of(fd, name):
    """The start of a file, read through the folder's descriptor without following a link."""
    file = os.open(name, OPEN_FLAGS, dir_fd=fd)
    with os.fdopen(file, "rb") as reading:
        return reading.read(SECRET_HEAD)


def walk_content(root_fd, allowed_secrets=(), kept_apart=()):
    """The author's disc as entries, folders before what they hold, in name order. Links,
    devices, sockets and pipes are refused, as are names Windows would not read as they are;
    each is named. So are private keys and secrets (by name, and a .pem by what it holds) but
    those whose paths are in `allowed_secrets`, files only their owner can read, and the files
    and folders `kept_apart` names, as {(device, inode): what they are}, wherever they turn up.
    Version-control folders are left out, and named; files with more than one link, or that
    authors rarely mean to ship, are warned about."""
    entries, refused, warnings = [], [], []

    def visit(fd, relative):
        seen = {}
        for item in sorted(os.scandir(fd), key=lambda each: each.name):
            path = relative / item.name
            info = item.stat(follow_symlinks=False)
            why = why_not_as_is(item.name)
            other = seen.setdefault(item.name.upper(), item.name)
            if stat.S_ISLNK(info.st_mode):
                refused.append(f"{shown(str(path))} is a symbolic link")
            elif stat.S_ISDIR(info.st_mode) and item.name.lower() in VERSION_CONTROL:
                print(f"make dist: left out {shown(str(path))}, a version-control folder",
                      file=sys.stderr)
            elif not (stat.S_ISDIR(info.st_mode) or stat.S_ISREG(info.st_mode)):
                refused.append(f"{shown(str(path))} is not a plain file (a device, socket or pipe)")
            elif why:
                refused.append(f"{shown(str(path))}: {why}")
            elif other != item.name:
                refused.append(f"{shown(str(path))} and {shown(other)} differ only in case, and "
                               "Windows reads a disc's names without regard to case")
            elif (info.st_dev, info.st_ino) in kept_apart:
                refused.append(f"{shown(str(path))} is {kept_apart[info.st_dev, info.st_ino]}, "
                               "which must not go onto the disc")
            elif not stat.S_ISDIR(info.st_mode) and not info.st_mode & (stat.S_IRGRP | stat.S_IROTH):
                refused.append(f"{shown(str(path))} can be read only by its owner: a private "
                               "file does not go onto a disc (make it readable to all if it is "
                               "meant to)")
            elif (stat.S_ISREG(info.st_mode) and str(path) not in allowed_secrets
                  and is_secret(item.name, head_of(fd, item.name)
                                if item.name.lower().endswith(".pem") else b"")):
                refused.append(f"{shown(str(path))} looks like a private key or a secret (name "
                               "it in DISC_ALLOW_SECRETS if it is meant to go onto the disc)")
            else:
                folder = stat.S_ISDIR(info.st_mode)
                entries.append(Entry(path, folder, info.st_dev, info.st_ino, info.st_size))
                if is_unwanted(item.name):
                    warnings.append(f"{shown(str(path))} goes onto the disc: is it meant to?")
                if not folder and info.st_nlink > 1:
                    warnings.append(f"{shown(str(path))} has other links: what it holds is "
                                    "also a file elsewhere")
                if folder:
                    child = open_folder(item.name, fd)
                    try:
                        same(os.fstat(child), entries[-1])
                        visit(child, path)
                    finally:
                        os.close(child)

    visit(root_fd, PurePosixPath())
    if refused:
        raise Refused("DISC_CONTENT may hold only plain files and folders, with names Windows "
                      "reads as they are:\n  " + "\n  ".join(refused))
    for warning in warnings:
        print(f"make dist: warning: {warning}", file=sys.stderr)
    return entries


def same(info, entry):
    """Refuses a file or folder that is no longer the one the walk saw."""
    kind = stat.S_ISDIR(info.st_mode) if entry.folder else stat.S_ISREG(info.st_mode)
    if not kind or (info.st_dev, info.st_ino) != (entry.device, entry.inode) or (
            not entry.folder and info.st_size != entry.size):
        raise Refused(f"{shown(str(entry.path))} changed while the disc was being made")


def open_entry(root_fd, entry):
    """The entry's file, opened through each of its folders in turn, never through a link."""
    fd, opened = root_fd, []
    try:
        for part in entry.path.parent.parts:
            fd = open_folder(part, fd)
            opened.append(fd)
        try:
            file = os.open(entry.path.name, OPEN_FLAGS, dir_fd=fd)
        except OSError as error:
            raise Refused(f"{shown(str(entry.path))} changed while the disc was being made "
                          f"({error.strerror})") from None
    except OSError as error:
        raise Refused(f"{shown(str(entry.path))}: a folder on its way changed while the disc was "
                      f"being made ({error.strerror})") from None
    finally:
        for each in opened:
            os.close(each)
    try:
        same(os.fstat(file), entry)
    except Refused:
        os.close(file)
        raise
    return file


def copy_file(root_fd, entry, target):
    """Streams the file the walk saw to `target`, which is made anew."""
    source = open_entry(root_fd, entry)
    with os.fdopen(source, "rb") as reading, open(target, "xb") as writing:
        copied = 0
        while chunk := reading.read(COPY_CHUNK):
            copied += len(chunk)
            writing.write(chunk)
    if copied != entry.size:
        raise Refused(f"{shown(str(entry.path))} changed while the disc was being made")


def read_file(root_fd, entry):
    with os.fdopen(open_entry(root_fd, entry), "rb") as reading:
        return reading.read(entry.size + 1)
