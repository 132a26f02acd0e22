#!/usr/bin/env python3
"""Shows the agreement window for the sample disc under Wine.

On a desktop the window opens on the user's display and stays until it is answered. Without a
display (or with --screenshot) it opens on a private Xvfb, a screenshot is saved, and the window
is closed again.
"""
import argparse
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from winetest import BUILD, ROOT, TITLE, Session, parse_dump, program, wait_exit  # noqa: E402


def sample_disc(arch):
    disc = BUILD / "sample-disc"
    shutil.rmtree(disc, ignore_errors=True)
    shutil.copytree(ROOT / "sample", disc)
    shutil.copy(program(arch), disc / "discgate.exe")
    return disc


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--screenshot", type=Path, help="save the window's picture here")
    args = parser.parse_args()

    display = os.environ.get("DISPLAY") if not args.screenshot else None
    session = Session(display=display)
    session.start()
    # The 32-bit program is the one users get; the 64-bit twin stands in where 32-bit code cannot
    # run.
    arch = "win32"
    runs, why = session.runs_32_bit_programs()
    if not runs:
        print(f"This machine cannot run 32-bit programs ({why}); showing the 64-bit build.")
        arch = "win64"
    disc = sample_disc(arch)
    process = session.start_program(disc / "discgate.exe", disc, arch=arch)

    if display:
        print("The agreement window is open on your display; answer it or close it to end.")
        print(f"discgate exited with code {process.wait()}")
        return 0

    if not session.wait_window():
        print("The agreement window did not appear.", file=sys.stderr)
        return 1
    time.sleep(0.5)  # let the controls paint
    window = parse_dump(session.inspect("dump", TITLE)[1])["window"]
    x, y = window["origin"].split(",")
    width, height = window["client"].split(",")
    full = BUILD / "screen.png"
    session.screenshot(full)
    target = args.screenshot or BUILD / "screenshot.png"
    target = target if target.is_absolute() else ROOT / target
    target.parent.mkdir(parents=True, exist_ok=True)
    # Without a window manager Wine draws no frame, so the picture is the client area.
    subprocess.run(["convert", str(full), "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                    "-strip", str(target)], check=True)
    session.inspect("close", TITLE)
    wait_exit(process)
    print(f"No display here: the window ran on Xvfb and its screenshot is {target}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
