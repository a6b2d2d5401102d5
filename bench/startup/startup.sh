#!/usr/bin/env bash
# Start-up benchmark: time from process start to the first painted frame of the main window,
# and peak resident memory, for the program and for a bare Qt window as the floor, with two
# reference points: a plain window holding only a menu bar and a label, and the program's
# window written plainly (the same controls, captions, fonts, picture and icon, with standard
# widgets put at their stored places, nothing fitted or looked up). They run in turn on a
# private Xvfb, RUNS times each after one warm-up run; the script prints the medians and the
# ratios to the floor, then the program's to the plain window with the same controls. Further
# programs named after the build directory (a variant of the program, say) are measured in the
# same turns, so a change is judged against the same noise.
# Usage: bench/startup/startup.sh [build directory, default build/release] [program...]
#        RUNS=20 by default.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
build="${1:-build/release}"
others=("${@:2}")
runs="${RUNS:-20}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    scripts/setup
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" --target zelmarino zelmarino-workbench bare_window menu_window plain_form \
    first_paint_probe first_paint_timer >/dev/null

program="$build/ui/zelmarino"
workbench="$build/workbench/zelmarino-workbench"
floor="$build/bench/startup/bare_window"
reference="$build/bench/startup/menu_window"
plain="$build/bench/startup/plain_form"
timer="$build/bench/startup/first_paint_timer"

scratch="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the file descriptor it is given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
display="$(cat "$scratch/display")"
if [ -z "$display" ]; then
    cat "$scratch/xvfb.log"
    exit 1
fi

export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch"
export QT_PLUGIN_PATH="$build/bench/startup/plugins" QT_QPA_GENERIC_PLUGINS=firstpaint

measure() { "$timer" "$1" >>"$2"; }
measure "$floor" /dev/null
measure "$reference" /dev/null
measure "$plain" /dev/null
measure "$program" /dev/null
measure "$workbench" /dev/null
for other in "${others[@]}"; do measure "$other" /dev/null; done
for ((run = 0; run < runs; ++run)); do
    measure "$floor" "$scratch/floor"
    measure "$reference" "$scratch/reference"
    measure "$plain" "$scratch/plain"
    measure "$program" "$scratch/program"
    measure "$workbench" "$scratch/workbench"
    for index in "${!others[@]}"; do measure "${others[$index]}" "$scratch/other$index"; done
done

median() { # column of a results file
    cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
row() { # label, results file, floor's results file
    awk -v label="$1" -v ms="$(median "$2" 1)" -v kib="$(median "$2" 2)" -v cpu="$(median "$2" 3)" \
        -v fms="$(median "$3" 1)" -v fkib="$(median "$3" 2)" 'BEGIN {
        printf "  %-31s %8.1f ms %5.2f   %8.0f KiB %5.2f   %8.1f ms\n", label, ms, ms / fms, kib,
            kib / fkib, cpu
    }'
}
printf "  %-31s %17s   %18s   %14s\n" "medians of $runs runs each" "first frame" "peak memory" \
    "processor time"
row "bare Qt window (floor)" "$scratch/floor" "$scratch/floor"
row "window, menu bar, label" "$scratch/reference" "$scratch/floor"
row "same controls, written plainly" "$scratch/plain" "$scratch/floor"
row "zelmarino" "$scratch/program" "$scratch/floor"
row "zelmarino-workbench" "$scratch/workbench" "$scratch/floor"
for index in "${!others[@]}"; do
    name="${others[$index]}"
    [ ${#name} -gt 31 ] && name="...${name: -28}"
    row "$name" "$scratch/other$index" "$scratch/floor"
done
printf "  %-31s %17.2f   %18.2f\n" "target for zelmarino" 1.15 1.2
awk -v ms="$(median "$scratch/program" 1)" -v kib="$(median "$scratch/program" 2)" \
    -v cpu="$(median "$scratch/program" 3)" -v pms="$(median "$scratch/plain" 1)" \
    -v pkib="$(median "$scratch/plain" 2)" -v pcpu="$(median "$scratch/plain" 3)" 'BEGIN {
    printf "  %-31s %17.2f   %18.2f   %11.2f\n", "zelmarino / written plainly", ms / pms,
        kib / pkib, cpu / pcpu
}'
# The workbench computes and draws a whole design at its first frame; it may take at most
# half as long again as the classic window.
awk -v ms="$(median "$scratch/workbench" 1)" -v cms="$(median "$scratch/program" 1)" \
    -v kib="$(median "$scratch/workbench" 2)" -v ckib="$(median "$scratch/program" 2)" \
    -v cpu="$(median "$scratch/workbench" 3)" -v ccpu="$(median "$scratch/program" 3)" 'BEGIN {
    printf "  %-31s %17.2f   %18.2f   %11.2f   (target: first frame at most 1.5)\n",
        "workbench / zelmarino", ms / cms, kib / ckib, cpu / ccpu
}'
