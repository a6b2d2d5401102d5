#!/usr/bin/python3
"""Starts the installed window program as the desktop menu does and checks it as a user sees
it. Run on an X display without a window manager (xvfb-run), with the package installed:

    check_installed_program.py DESKTOP_ENTRY PICTURE_FOLDER

PICTURE_FOLDER holds the schematics as drawn in the sources. The checks:
- the entry's command is /usr/bin/zelmarino and runs the program in /usr/lib/zelmarino;
- the main window maps;
- a click on each network's option button shows that network's schematic in Image1, and no
  other window opens (a picture that cannot be loaded is reported in a message box);
- every library, plugin and font the program has loaded comes from a package that installing
  zelmarino brings along.
"""

import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageGrab

import package_closure

PACKAGE = "zelmarino"
TITLE = "Zelmarino 1.0 di Ostrelvo"
INSTALLED_PROGRAM = "/usr/lib/zelmarino/zelmarino"
TWIPS_PER_PIXEL = 15
# Image1's picture starts inside its 2-pixel frame.
PICTURE_LEFT, PICTURE_TOP = 1800 // TWIPS_PER_PIXEL + 2, 360 // TWIPS_PER_PIXEL + 2
OPTION_LEFT = 240 // TWIPS_PER_PIXEL
# Option button, top in twips, and the picture it shows; Option2's T is the same drawing as
# the initial picture, so it comes after another network has replaced that.
OPTIONS = [("Option1", 720, "pigreco.gif"), ("Option2", 1200, "ti.gif"),
           ("Option3", 1680, "elle2.gif"), ("Option4", 2160, "elle1.gif")]
INITIAL = "initial-t.gif"
# Qt's X11 platform opens libXcursor (and with it libXrender) for cursor themes only when it is
# there; the program runs the same without them.
OPTIONAL_PACKAGES = {"libxcursor1", "libxrender1"}
# A schematic counts as shown when no black-or-white pixel of the screen contradicts it (a few
# allowed) while every other schematic is contradicted by many.
SHOWN_AT_MOST, OTHER_AT_LEAST = 8, 100


class CheckFailed(Exception):
    pass


def fail(message):
    raise CheckFailed(message)


def xdotool(*args):
    done = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30)
    return done.stdout.split()


def visible_windows(pid):
    return xdotool("search", "--onlyvisible", "--pid", str(pid))


def contradicted(screen, corner, picture):
    """How many pixels of `picture`, placed at `corner` of `screen`, the screen shows
    otherwise. Only black and white screen pixels are judged: the red legends drawn over the
    schematic are neither."""
    left, top = corner
    region = screen.crop((left, top, left + picture.width, top + picture.height)).convert("L")
    judged = region.point(lambda value: 255 if value in (0, 255) else 0)
    different = ImageChops.difference(region, picture).point(lambda value: 255 if value else 0)
    return ImageChops.multiply(different, judged).histogram()[255]


def grab(window):
    geometry = dict(item.split("=") for item in xdotool("getwindowgeometry", "--shell", window))
    left, top = int(geometry["X"]), int(geometry["Y"])
    box = (left, top, left + int(geometry["WIDTH"]), top + int(geometry["HEIGHT"]))
    return (left, top), ImageGrab.grab(bbox=box)


def find_client_area(screen, initial):
    """The client area's corner in the window, found where the initial picture lies: the
    menu bar above it has the height the style gives it."""
    best = None
    for down in range(0, 80):
        for across in range(0, 8):
            corner = (across + PICTURE_LEFT, down + PICTURE_TOP)
            count = contradicted(screen, corner, initial)
            if best is None or count < best[0]:
                best = (count, (across, down))
    if best[0] > SHOWN_AT_MOST:
        fail(f"the initial picture is not in the window (best place contradicts {best[0]} pixels)")
    return best[1]


def start_from_entry(entry, log):
    with open(entry, encoding="utf-8") as desktop:
        exec_line = next(line[5:].strip() for line in desktop if line.startswith("Exec="))
    argv = shlex.split(exec_line)
    command = shutil.which(argv[0])
    if command != "/usr/bin/zelmarino":
        fail(f"the menu entry's command {argv[0]!r} is {command}, not /usr/bin/zelmarino")
    # Started from / so that only the program's own directory can provide the pictures.
    program = subprocess.Popen([command, *argv[1:]], cwd="/", stdout=log, stderr=log)
    print(f"started {exec_line!r} from the menu entry: {command}, pid {program.pid}")
    return program


def wait_for_main_window(program):
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        if program.poll() is not None:
            fail(f"the program ended at start with status {program.returncode}")
        for window in visible_windows(program.pid):
            if xdotool("getwindowname", window) == TITLE.split():
                return window
        time.sleep(0.2)
    fail(f"no window {TITLE!r} mapped within 30 s")


def check_only_window(program, main_window):
    if program.poll() is not None:
        fail(f"the program ended with status {program.returncode}")
    others = [w for w in visible_windows(program.pid) if w != main_window]
    if others:
        names = [" ".join(xdotool("getwindowname", w)) for w in others]
        fail(f"another window opened: {names}")


def choose_networks(program, window, pictures):
    origin, screen = grab(window)
    client = find_client_area(screen, pictures[INITIAL])
    print(f"main window mapped at {origin}, client area at +{client[0]}+{client[1]}, "
          "initial T picture shown")
    corner = (client[0] + PICTURE_LEFT, client[1] + PICTURE_TOP)
    for option, top, expected in OPTIONS:
        x = origin[0] + client[0] + OPTION_LEFT + 8
        y = origin[1] + client[1] + top // TWIPS_PER_PIXEL + 8
        xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
        deadline = time.monotonic() + 10
        while True:
            check_only_window(program, window)
            _, screen = grab(window)
            counts = {name: contradicted(screen, corner, picture)
                      for name, picture in pictures.items()}
            others = [counts[name] for name, picture in pictures.items()
                      if contradicted(pictures[expected], (0, 0), picture) > 0]
            if counts[expected] <= SHOWN_AT_MOST and min(others) >= OTHER_AT_LEAST:
                break
            if time.monotonic() > deadline:
                fail(f"{option}: {expected} not shown within 10 s; pixels each picture "
                     f"contradicts: {counts}")
            time.sleep(0.2)
        print(f"{option}: {expected} shown ({counts[expected]} pixels off; the nearest other "
              f"schematic {min(others)}), no other window")


def check_loaded_files(program):
    missing = [(path, owner) for path, owner in
               package_closure.unbrought_files(program.pid, PACKAGE)
               if owner not in OPTIONAL_PACKAGES]
    if missing:
        fail("loaded files that installing the package does not bring: " +
             ", ".join(f"{path} ({owner or 'no package'})" for path, owner in missing))
    count = len(package_closure.loaded_files(program.pid))
    print(f"all {count} libraries, plugins and fonts loaded come with the package's dependencies")


def main():
    entry, picture_folder = sys.argv[1:3]
    pictures = {name: Image.open(os.path.join(picture_folder, name)).convert("L")
                for name in [INITIAL] + [picture for _, _, picture in OPTIONS]}
    log = tempfile.TemporaryFile(mode="w+", encoding="utf-8")
    program = None
    try:
        program = start_from_entry(entry, log)
        executable = os.readlink(f"/proc/{program.pid}/exe")
        if executable != INSTALLED_PROGRAM:
            fail(f"the running program is {executable}, not {INSTALLED_PROGRAM}")
        window = wait_for_main_window(program)
        choose_networks(program, window, pictures)
        check_only_window(program, window)
        check_loaded_files(program)
    except CheckFailed as failure:
        log.seek(0)
        print(f"FAIL: {failure}\nthe program's output:\n{log.read()}")
        sys.exit(1)
    finally:
        if program is not None and program.poll() is None:
            program.terminate()
            program.wait(timeout=10)


if __name__ == "__main__":
    main()
