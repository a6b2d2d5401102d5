#!/usr/bin/env bash
# Checks the Windows setup program under Wine, in a prefix of its own thrown away afterwards, on
# the X display that DISPLAY names (without a window manager):
#
#     check_windows_installer.sh SETUP ZIP PICTURE_FOLDER MARKER SHOTS_FOLDER
#
# SETUP is zelmarino-<version>-win64-setup.exe, ZIP the zip made of the same build; the other
# three are what check_windows_program.py takes. A silent install into a folder whose name holds
# a blank; the installed files against the zip's; the installed program run as the zip's is; the
# Start-menu shortcuts and the Uninstall key with its values; a silent uninstall, after which no
# file, shortcut or key is left; then a second install, one more over it (which removes the
# first), and a last uninstall, checked the same way.
set -euo pipefail
setup="$(realpath "$1")"
zip="$(realpath "$2")"
pictures="$(realpath "$3")"
marker="$(realpath "$4")"
shots="$(realpath "$5")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
version="$(basename "$setup" | sed -n 's/^zelmarino-\(.*\)-win64-setup\.exe$/\1/p')"
vendor="$(sed -n 's/^set(CPACK_PACKAGE_VENDOR "\(.*\)")$/\1/p' \
    "$(dirname "$setup")/CPackConfig.cmake")"
if [ -z "$version" ] || [ -z "$vendor" ]; then
    echo "installer: no version or vendor for $setup"
    exit 1
fi

wine="$(command -v wine)"
wineserver="$(command -v wineserver)"
scratch="$(mktemp -d)"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
"$wine" wineboot -i >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# Every process of the prefix has ended, the server too: an NSIS uninstaller returns at once
# and goes on from a copy of itself.
settle() { "$wineserver" -w; }
settle

drive_c="$WINEPREFIX/drive_c"
folder='C:\Program Files\Zelmarino Test'
installed="$drive_c/Program Files/Zelmarino Test"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zelmarino"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelmarino'
vendor_keys=("HKLM\\Software\\$vendor" "HKCU\\Software\\$vendor")
fail() { echo "installer: $*"; exit 1; }

/usr/bin/python3 -m zipfile -e "$zip" "$scratch/unpacked"
unpacked="$(echo "$scratch"/unpacked/*)"
(cd "$unpacked" && find . -type f | sort) >"$scratch/zip.files"
# What the prefix holds before; the user's Temp folder is left out, where the uninstaller's
# copy of itself stays until Windows next starts.
snapshot() {
    (cd "$drive_c" && find . -path './users/*/Temp' -prune -o -print | sort) >"$1"
    for name in "${vendor_keys[@]}"; do
        if "$wine" reg query "$name" >/dev/null 2>&1; then echo "key $name" >>"$1"; fi
    done
    "$wine" reg query 'HKCU\Environment' /v PATH 2>/dev/null | tr -d '\r' >>"$1" || true
    "$wine" reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' \
        /v PATH 2>/dev/null | tr -d '\r' >>"$1"
}
snapshot "$scratch/before"

# /D must come last and unquoted, blanks and all, so cmd passes the line as it is.
install() {
    local started=$SECONDS
    "$wine" cmd /c "$("$wine" winepath -w "$setup" 2>/dev/null) /S /D=$folder" ||
        fail "the setup program failed with status $?"
    settle
    echo "installer: silent install into $folder in $((SECONDS - started)) s"
}

value() {
    "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 \+REG_[A-Z_]\+ \+//p"
}

check_installed() {
    (cd "$installed" && find . -type f ! -path ./Uninstall.exe | sort) >"$scratch/installed.files"
    diff "$scratch/zip.files" "$scratch/installed.files" >"$scratch/files.diff" ||
        { cat "$scratch/files.diff"; fail "the installed files differ from the zip's"; }
    while read -r file; do
        cmp -s "$unpacked/$file" "$installed/$file" || fail "$file differs from the zip's"
    done <"$scratch/zip.files"
    [ -f "$installed/Uninstall.exe" ] || fail "no Uninstall.exe"

    local links
    [ -d "$menu" ] || fail "no Start-menu folder $menu"
    links="$(find "$menu" -mindepth 1 -printf '%P\n' | LC_ALL=C sort | paste -sd ' ')"
    [ "$links" = "Uninstall.lnk Zelmarino Workbench.lnk Zelmarino.lnk" ] ||
        fail "the Start-menu folder holds $links, not Uninstall.lnk, Zelmarino Workbench.lnk" \
            "and Zelmarino.lnk"
    # A shortcut holds its target's path, in UTF-16 as well as in the local code page.
    grep -qaF 'Zelmarino Test\bin\Zelmarino.exe' "$menu/Zelmarino.lnk" ||
        fail "Zelmarino.lnk does not lead to the installed Zelmarino.exe"
    grep -qaF 'Zelmarino Test\bin\ZelmarinoWorkbench.exe' "$menu/Zelmarino Workbench.lnk" ||
        fail "Zelmarino Workbench.lnk does not lead to the installed ZelmarinoWorkbench.exe"
    grep -qaF 'Zelmarino Test\Uninstall.exe' "$menu/Uninstall.lnk" ||
        fail "Uninstall.lnk does not lead to the installed Uninstall.exe"

    local wanted name
    for wanted in "DisplayName=Zelmarino" "DisplayVersion=$version" "Publisher=$vendor" \
        "DisplayIcon=$folder\\bin\\Zelmarino.exe" "UninstallString=\"$folder\\Uninstall.exe\"" \
        "StartMenu=Zelmarino" "DoNotAddToPath=1"; do
        name="${wanted%%=*}"
        [ "$(value "$name")" = "${wanted#*=}" ] ||
            fail "the Uninstall key's $name is \"$(value "$name")\", not \"${wanted#*=}\""
    done
    # The size in KiB, as the folder's files add up.
    local size kib
    size="$(value EstimatedSize)"
    kib="$(find "$installed" -type f -printf '%s\n' |
        awk '{ bytes += $1 } END { print int(bytes / 1024) }')"
    if [ -z "$size" ] || [ $((size)) -lt $((kib * 95 / 100)) ] ||
        [ $((size)) -gt $((kib * 105 / 100)) ]; then
        fail "the Uninstall key's EstimatedSize is ${size:-missing}, the folder holds $kib KiB"
    fi
    echo "installer: the zip's $(wc -l <"$scratch/zip.files") files and Uninstall.exe installed;" \
        "Start menu: $links; Uninstall key: Zelmarino $version by $vendor, $((size)) KiB"
}

uninstall() {
    local started=$SECONDS
    "$wine" "$folder\\Uninstall.exe" /S || fail "Uninstall.exe failed with status $?"
    settle
    snapshot "$scratch/after"
    if "$wine" reg query "$key" >/dev/null 2>&1; then fail "the Uninstall key is left"; fi
    diff "$scratch/before" "$scratch/after" >"$scratch/left.diff" ||
        { cat "$scratch/left.diff"; fail "the uninstaller left the above behind"; }
    echo "installer: silent uninstall in $((SECONDS - started)) s; no file, shortcut or key left"
}

install
check_installed
# The installed program as a user starts it from the Start menu; the check leaves its marker
# programs behind in C:, which are its own and not the installer's.
(cd "$here" && /usr/bin/python3 check_windows_program.py "$installed/bin/Zelmarino.exe" \
    "$pictures" "$marker" "$shots")
settle
rm -rf "$drive_c/Zelmarino Prova" "$drive_c/Strumenti"
uninstall

install
check_installed
install
check_installed
uninstall
