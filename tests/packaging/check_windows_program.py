#!/usr/bin/python3
"""Runs the deployed Windows program under Wine and checks it as a user sees it. Run on an X
display without a window manager, with WINEPREFIX naming a prefix made for the run:

    check_windows_program.py PROGRAM PICTURE_FOLDER MARKER SHOTS_FOLDER

PROGRAM is Zelmarino.exe in the folder unpacked from the zip, PICTURE_FOLDER holds the
schematics as drawn in the sources, MARKER is a program that leaves "<its path>.started"
behind when run. The checks, through the mouse and keyboard (xdotool) and the screen:
- the main window maps and shows the initial picture;
- a Pi network of 75 to 50 ohm and 10 dB, typed in and computed, shows 207, 87 and 77 ohm
  (read off the screen with tesseract); the screenshot is kept in SHOTS_FOLDER;
- the About dialog's "System Info..." button starts the tool that the "MSINFO" location names
  (in a folder whose name holds a blank), then the one that "PATH" names, which comes first,
  and with neither key shows the Italian message.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageOps

from check_installed_program import (PICTURE_LEFT, PICTURE_TOP, TWIPS_PER_PIXEL, CheckFailed,
                                     fail, find_client_area, grab, xdotool)

TITLE = r"^Zelmarino [0-9.]+ di Ostrelvo$"
ABOUT_TITLE = r"^Informazioni su Zelmarino$"
MESSAGE_TITLE = r"^Zelmarino$"
UNAVAILABLE = "Le informazioni sul sistema non sono attualmente disponibili."
DESIGN = {"Option1": None, "Text1": "75", "Text2": "50", "Text3": "10"}
EXPECTED_OHMS = ["207", "87", "77"]
# The stored geometry in twips (left, top, width, height) of what is clicked.
CONTROLS = {"Option1": (240, 720, 1095, 255), "Text1": (1800, 3120, 855, 375),
            "Text2": (1800, 3840, 855, 375), "Text3": (1800, 4560, 855, 375),
            "Command1": (4080, 4440, 1095, 495)}
ABOUT_SIZE = (5730 // TWIPS_PER_PIXEL, 3690 // TWIPS_PER_PIXEL)
SYS_INFO_BUTTON = (4260, 3075, 1245, 345)
MSINFO_KEY = r"HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO"
LOCATION_KEY = r"HKLM\SOFTWARE\Microsoft\Shared Tools Location"


def wine(*args):
    subprocess.run([shutil.which("wine"), *args], check=True, capture_output=True, timeout=120)


def wait_for_window(pattern, what, program, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if program.poll() is not None:
            fail(f"the program ended with status {program.returncode} while {what} was awaited")
        windows = xdotool("search", "--onlyvisible", "--name", pattern)
        if windows:
            return windows[0]
        time.sleep(0.2)
    fail(f"no {what} mapped within {seconds} s")


def wait_until_gone(window, what, seconds=10):
    deadline = time.monotonic() + seconds
    while window in xdotool("search", "--onlyvisible", "--name", "."):
        if time.monotonic() > deadline:
            fail(f"{what} did not close")
        time.sleep(0.2)


def wait_for_client_area(window, initial, seconds=15):
    """The client area's corner in the window once the window shows its initial picture."""
    deadline = time.monotonic() + seconds
    while True:
        _, screen = grab(window)
        try:
            return find_client_area(screen, initial)
        except CheckFailed:
            if time.monotonic() > deadline:
                raise
            time.sleep(0.5)


def click(origin, offset, twips_rect):
    left, top, width, height = (value // TWIPS_PER_PIXEL for value in twips_rect)
    x, y = origin[0] + offset[0] + left + width // 2, origin[1] + offset[1] + top + height // 2
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")


def read_text(image):
    """The text tesseract reads in a screenshot, enlarged three times: 8-point text is too
    small for it as it is."""
    grey = ImageOps.grayscale(image)
    large = grey.resize((grey.width * 3, grey.height * 3), Image.LANCZOS)
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, "shot.png")
        large.save(path)
        done = subprocess.run(["tesseract", path, "-", "--psm", "11"], capture_output=True,
                              text=True, timeout=120, check=True)
    return " ".join(done.stdout.split())


def legends(screen, corner, picture):
    """What is drawn over the schematic at `corner`: the pixels that differ from the picture,
    on white. The schematic's lines would otherwise be read as letters."""
    left, top = corner
    region = ImageOps.grayscale(screen.crop((left, top, left + picture.width,
                                             top + picture.height)))
    differs = ImageChops.difference(region, picture).point(lambda value: 255 if value else 0)
    return Image.composite(region, Image.new("L", region.size, 255), differs)


def compute_design(window, client, schematic, shots):
    origin, _ = grab(window)
    for name, text in DESIGN.items():
        click(origin, client, CONTROLS[name])
        if text is not None:
            xdotool("type", "--delay", "50", text)
    click(origin, client, CONTROLS["Command1"])
    corner = (client[0] + PICTURE_LEFT, client[1] + PICTURE_TOP)
    deadline = time.monotonic() + 10
    while True:
        time.sleep(0.5)
        _, screen = grab(window)
        text = read_text(legends(screen, corner, schematic))
        if all(value in re.findall(r"[0-9]+", text) for value in EXPECTED_OHMS):
            break
        if time.monotonic() > deadline:
            screen.save(os.path.join(shots, "zelmarino-wrong-values.png"))
            fail(f"the schematic does not show {EXPECTED_OHMS} ohm; read: {text!r}")
    path = os.path.join(shots, "zelmarino-pi-75-50-10db.png")
    screen.save(path)
    print(f"Pi 75/50 ohm 10 dB typed and computed: the schematic shows "
          f"{', '.join(EXPECTED_OHMS)} ohm (read {text!r}); screenshot {path}")


def open_about(program, window, client):
    origin, _ = grab(window)
    # The menu bar's one item, "Informazioni", at the left of the bar right above the client
    # area (below the caption that Wine draws in the window).
    x, y = origin[0] + client[0] + 30, origin[1] + client[1] - 8
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
    about = wait_for_window(ABOUT_TITLE, "About dialog", program)
    time.sleep(0.5)
    origin, screen = grab(about)
    # Without a window manager Wine draws the frame inside the window: the client area is
    # the dialog's fixed size, centred across and at the bottom.
    border = (screen.width - ABOUT_SIZE[0]) // 2
    offset = (border, screen.height - ABOUT_SIZE[1] - border)
    print(f"About dialog mapped at {origin}, client area at +{offset[0]}+{offset[1]}")
    return about, origin, offset


def check_started(marker, description):
    started = marker + ".started"
    deadline = time.monotonic() + 15
    while not os.path.exists(started):
        if time.monotonic() > deadline:
            fail(f"System Info did not start {description}")
        time.sleep(0.2)
    os.remove(started)
    print(f"System Info started {description}")


def check_sys_info(program, about, origin, offset, marker_folder, shots):
    drive_c = os.path.join(os.environ["WINEPREFIX"], "drive_c")
    by_location = os.path.join(drive_c, "Zelmarino Prova", "MSINFO32.EXE")
    by_path = os.path.join(drive_c, "Strumenti", "msinfo.exe")

    wine("reg", "add", LOCATION_KEY, "/v", "MSINFO", "/t", "REG_SZ", "/d",
         r"C:\Zelmarino Prova", "/f")
    click(origin, offset, SYS_INFO_BUTTON)
    check_started(by_location, r'C:\Zelmarino Prova\MSINFO32.EXE, named by "MSINFO"')

    wine("reg", "add", MSINFO_KEY, "/v", "PATH", "/t", "REG_SZ", "/d",
         r"C:\Strumenti\msinfo.exe", "/f")
    click(origin, offset, SYS_INFO_BUTTON)
    check_started(by_path, r'C:\Strumenti\msinfo.exe, named by "PATH" before "MSINFO"')
    if os.path.exists(by_location + ".started"):
        fail('the tool named by "MSINFO" was started although "PATH" names another')

    wine("reg", "delete", MSINFO_KEY, "/f")
    wine("reg", "delete", LOCATION_KEY, "/f")
    click(origin, offset, SYS_INFO_BUTTON)
    message = wait_for_window(MESSAGE_TITLE, "message box", program, seconds=15)
    time.sleep(0.5)
    _, screen = grab(message)
    path = os.path.join(shots, "zelmarino-sys-info-unavailable.png")
    screen.save(path)
    text = read_text(screen)
    if UNAVAILABLE not in text:
        fail(f"the message box reads {text!r}, not {UNAVAILABLE!r}")
    print(f"with neither key: a message box reads {UNAVAILABLE!r}; screenshot {path}")
    if any(name.endswith(".started") for folder in marker_folder for name in os.listdir(folder)):
        fail("a tool was started although no key names one")
    xdotool("key", "Return")
    wait_until_gone(message, "the message box")


def place_markers(marker):
    drive_c = os.path.join(os.environ["WINEPREFIX"], "drive_c")
    folders = [os.path.join(drive_c, "Zelmarino Prova"), os.path.join(drive_c, "Strumenti")]
    for folder, name in zip(folders, ["MSINFO32.EXE", "msinfo.exe"]):
        os.makedirs(folder, exist_ok=True)
        shutil.copy(marker, os.path.join(folder, name))
    return folders


def main():
    program_path, picture_folder, marker, shots = sys.argv[1:5]
    initial, schematic = (Image.open(os.path.join(picture_folder, name)).convert("L")
                          for name in ("initial-t.gif", "pigreco.gif"))
    marker_folders = place_markers(marker)
    log = tempfile.TemporaryFile(mode="w+", encoding="utf-8")
    program = None
    try:
        # Started from the prefix's C: drive, so only the program's own folder can provide
        # its libraries, plugins and pictures.
        program = subprocess.Popen([shutil.which("wine"), program_path], stdout=log, stderr=log,
                                   cwd=os.path.join(os.environ["WINEPREFIX"], "drive_c"),
                                   env=dict(os.environ, WINEDEBUG="-all,err+all"))
        window = wait_for_window(TITLE, "main window", program, seconds=60)
        client = wait_for_client_area(window, initial)
        origin, _ = grab(window)
        print(f"main window mapped at {origin}, client area at +{client[0]}+{client[1]}, "
              "initial T picture shown")
        compute_design(window, client, schematic, shots)
        about, origin, offset = open_about(program, window, client)
        check_sys_info(program, about, origin, offset, marker_folders, shots)
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
