#!/usr/bin/python3
"""Checks that a folder of Windows programs runs on a Windows machine with nothing else
installed: every DLL that a program or a DLL in it imports, and every DLL those import in
turn, is in the folder (where Windows looks first) or is one of Windows' own.

    check_windows_imports.py FOLDER

The imports are read with MinGW-w64's objdump.
"""

import os
import subprocess
import sys

# DLLs that every 64-bit Windows 10 or later has in its system folder. The API sets
# (api-ms-win-*) are names that Windows itself resolves.
SYSTEM = {name.lower() for name in """
    advapi32.dll authz.dll comdlg32.dll d2d1.dll d3d9.dll d3d11.dll dwmapi.dll dwrite.dll
    dxgi.dll gdi32.dll imm32.dll kernel32.dll mpr.dll msvcrt.dll netapi32.dll ole32.dll
    oleaut32.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll user32.dll userenv.dll
    uxtheme.dll version.dll winmm.dll ws2_32.dll wtsapi32.dll
""".split()}


def imports(path):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", path], check=True,
                          capture_output=True, text=True).stdout
    return [line.split(":", 1)[1].strip() for line in dump.splitlines()
            if line.strip().startswith("DLL Name:")]


def is_system(name):
    return name in SYSTEM or name.startswith(("api-ms-win-", "ext-ms-win-"))


def main():
    folder = sys.argv[1]
    beside = {name.lower(): name for name in os.listdir(folder)}
    binaries = []
    for directory, _, names in os.walk(folder):
        binaries += [os.path.join(directory, name) for name in sorted(names)
                     if name.lower().endswith((".exe", ".dll"))]
    missing, used = [], set()
    for binary in binaries:
        for name in imports(binary):
            lower = name.lower()
            if lower in beside:
                used.add(lower)
            elif not is_system(lower):
                missing.append(f"{os.path.relpath(binary, folder)} imports {name}")
    unused = sorted(name for name in beside if name.endswith(".dll") and name not in used)
    if missing:
        print("DLLs neither in the zip nor Windows' own:\n  " + "\n  ".join(missing))
        sys.exit(1)
    if unused:
        print(f"DLLs in the zip that nothing imports: {', '.join(unused)}")
        sys.exit(1)
    print(f"imports: all {len(binaries)} programs and DLLs find what they import beside "
          f"them ({len(used)} DLLs) or in Windows")


if __name__ == "__main__":
    main()
