#!/usr/bin/env python3
"""Shows the agreement window for the sample disc under Wine.

On a desktop the window opens on the user's display, in the user's language, and stays until it
is answered. Without a display it opens on a private Xvfb, a screenshot is saved, and the window
is closed again. With --screenshot the picture shows the window three times, side by side: for an
English, a German and an Arabic reader.
"""
import argparse
import atexit
import contextlib
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from observer_client import WINDOW, Observer, parse_dump  # noqa: E402
from wineprefix import BUILD, ROOT, Session, program, wait_exit  # noqa: E402


# The readers the README's picture shows: the plain licence, then the German and the Arabic one,
# with the script that Wine's interface font needs a stand-in for.
# As large as the private display, so the desktop's coordinates are the screen's.
DESKTOP = "1024x768"
SCREENSHOT_LOCALES = (("en_US.UTF-8", None), ("de_DE.UTF-8", None), ("ar_EG.UTF-8", "rtl"))


def sample_disc(arch):
    disc = BUILD / "sample-disc"
    shutil.rmtree(disc, ignore_errors=True)
    shutil.copytree(ROOT / "sample", disc)
    shutil.copy(program(arch), disc / "discgate.exe")
    return disc


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--screenshot", type=Path,
                        help="save the picture of the English, German and Arabic windows here")
    args = parser.parse_args()

    display = os.environ.get("DISPLAY") if not args.screenshot else None
    session = Session(display=display)
    session.start()
    atexit.register(session.stop)
    # The 32-bit program is the one users get; the 64-bit twin stands in where 32-bit code cannot
    # run.
    arch = "win32"
    runs, why = session.runs_32_bit_programs()
    if not runs:
        print(f"This machine cannot run 32-bit programs ({why}); showing the 64-bit build.")
        arch = "win64"
    disc = sample_disc(arch)

    if display:
        process = session.start_program(disc / "discgate.exe", disc, arch)
        print("The agreement window is open on your display; answer it or close it to end.")
        print(f"discgate exited with code {process.wait()}")
        return 0

    if args.screenshot:
        target = args.screenshot if args.screenshot.is_absolute() else ROOT / args.screenshot
        pictures = []
        for locale, script in SCREENSHOT_LOCALES:
            picture = BUILD / f"screenshot-{locale.split('.')[0]}.png"
            fonts = session.interface_fonts(script) if script else contextlib.nullcontext()
            with session.virtual_desktop(DESKTOP), fonts:
                if not shoot(session, disc, arch, picture, {"LC_ALL": locale, "LANG": locale}):
                    return 1
            pictures.append(str(picture))
        target.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["convert", *pictures, "-background", "black", "-splice", "16x0",
                        "+append", "-chop", "16x0", "-strip", str(target)], check=True)
        print(f"The windows for English, German and Arabic readers are in {target}")
        return 0

    target = BUILD / "screenshot.png"
    with session.virtual_desktop(DESKTOP):
        if not shoot(session, disc, arch, target, {}):
            return 1
    print(f"No display here: the window ran on Xvfb and its screenshot is {target}")
    return 0


def shoot(session, disc, arch, target, env):
    """A picture of the window with its frame and caption, which Wine's virtual desktop draws
    where no window manager runs."""
    process = session.start_program(disc / "discgate.exe", disc, arch, env)
    if not Observer(session).wait_window():
        print("The agreement window did not appear.", file=sys.stderr)
        process.kill()
        return False
    time.sleep(0.5)  # let the controls paint
    window = parse_dump(Observer(session).inspect("dump", WINDOW)[1])["window"]
    x, y, width, height = window["frame"].split(",")
    full = BUILD / "screen.png"
    session.screenshot(full)
    subprocess.run(["convert", str(full), "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                    "-strip", str(target)], check=True)
    Observer(session).inspect("close", WINDOW)
    wait_exit(process)
    return True


if __name__ == "__main__":
    sys.exit(main())
