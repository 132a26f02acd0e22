#!/usr/bin/env python3
"""Times the program under Wine: start to window present for licences of several sizes, and a
click on accept to the started browser's first act. Each figure is the median of several runs."""
import shutil
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from winetest import (BUILD, CMD_ACCEPT, ROOT, TITLE, TOOLS, Session,  # noqa: E402
                      windows_path)

RUNS = 5
SIZES = {"1 KB": 1 << 10, "1 MB": 1 << 20, "10 MB": 10 << 20}


def licence_of_size(size):
    text = (ROOT / "sample" / "License.txt").read_bytes()
    return (text * (size // len(text) + 1))[:size]


def disc(folder, licence, files=()):
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    shutil.copy(TOOLS / "discgate.exe", folder / "discgate.exe")
    (folder / "License.txt").write_bytes(licence)
    for name in files:
        (folder / name).write_bytes(b"<html></html>")
    return folder


def close(session):
    session.inspect("close", TITLE)
    session.inspect("gone", TITLE, 20000)


def main():
    session = Session()
    session.start()
    work = BUILD / "measure"
    exe = lambda folder: windows_path(folder / "discgate.exe")  # noqa: E731

    print(f"{'':<34}median ms (of {RUNS})")
    for label, size in SIZES.items():
        folder = disc(work / label.replace(" ", ""), licence_of_size(size))
        times = []
        for _ in range(RUNS):
            code, out = session.inspect("start", TITLE, exe(folder), 120000, cwd=folder, timeout=180)
            if code == 0:
                times.append(float(out))
            close(session)
        print(f"start to window, {label + ' licence':<18}{statistics.median(times):10.1f}")

    browsers = session.drive_c() / "Program Files" / "Test Browser"
    browsers.mkdir(parents=True, exist_ok=True)
    shutil.copy(TOOLS / "fakebrowser.exe", browsers / "IEXPLORE.EXE")
    session.reg_add(r"HKLM\Software\Classes\.html", data="TestHTML")
    session.reg_add(r"HKLM\Software\Classes\TestHTML\shell\open\command",
                    data=r'"C:\Program Files\Test Browser\IEXPLORE.EXE" "%1"')
    folder = disc(work / "accept", licence_of_size(1 << 10), ["index.htm"])
    log = work / "started.log"
    times = []
    for _ in range(RUNS):
        log.unlink(missing_ok=True)
        # The browser inherits the log's name through discgate from the inspector that starts it.
        session.inspect("start", TITLE, exe(folder), 60000, cwd=folder,
                        extra_env={"DISCGATE_STARTED_LOG": str(log)})
        code, out = session.inspect("clickwait", TITLE, CMD_ACCEPT, windows_path(log), 60000)
        if code == 0:
            times.append(float(out))
        session.inspect("gone", TITLE, 20000)
    print(f"{'click on accept to browser running':<34}{statistics.median(times):10.1f}")
    for arch in ("win32", "win64"):
        print(f"{arch + ' discgate.exe':<34}{(BUILD / arch / 'discgate.exe').stat().st_size:10d} bytes")
    session.stop()


if __name__ == "__main__":
    main()
