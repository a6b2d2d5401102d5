#!/usr/bin/env bash
# Start-up benchmark: time from process start to the first painted frame of the main window,
# and peak resident memory, for the program and for a bare Qt window as the floor. The two
# run alternately on a private Xvfb, RUNS times each after one warm-up run; the script prints
# the medians and the program's ratios to the floor.
# Usage: bench/startup/startup.sh [build directory, default build/release]
#        RUNS=20 by default.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
build="${1:-build/release}"
runs="${RUNS:-20}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    scripts/setup
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" --target zelmarino bare_window first_paint_probe first_paint_timer >/dev/null

program="$build/ui/zelmarino"
floor="$build/bench/startup/bare_window"
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
measure "$program" /dev/null
for ((run = 0; run < runs; ++run)); do
    measure "$floor" "$scratch/floor"
    measure "$program" "$scratch/program"
done

median() { # column of a results file
    cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
floor_ms=$(median "$scratch/floor" 1)
floor_kib=$(median "$scratch/floor" 2)
floor_cpu=$(median "$scratch/floor" 3)
program_ms=$(median "$scratch/program" 1)
program_kib=$(median "$scratch/program" 2)
program_cpu=$(median "$scratch/program" 3)
awk -v runs="$runs" -v fm="$floor_ms" -v fk="$floor_kib" -v fc="$floor_cpu" \
    -v pm="$program_ms" -v pk="$program_kib" -v pc="$program_cpu" 'BEGIN {
    printf "medians of %d runs each    first frame    peak memory    processor time\n", runs
    printf "  bare Qt window (floor)   %8.1f ms   %8.0f KiB   %8.1f ms\n", fm, fk, fc
    printf "  zelmarino                %8.1f ms   %8.0f KiB   %8.1f ms\n", pm, pk, pc
    printf "  ratio                    %8.2f      %8.2f       %8.2f\n", pm / fm, pk / fk, pc / fc
    printf "  target                   %8.2f      %8.2f\n", 1.15, 1.2
}'
