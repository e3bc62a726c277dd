#!/usr/bin/env bash
# Start-up time of the editor: starts the program folder's orvnedit on a virtual X display
# with a fresh home (no options file, so the defaults are in force) and measures the time
# from launching the process until the main window was first shown. Then the same with a
# project of 44 buttons named on the command line, which the window opens before it reports
# (so the second figure includes reading the project and filling the tabs and the list).
# Runs each several times and prints each run and the median.
#
#   bench/bench_startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 7)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-7}
editor=$build/program/orvnedit
[ -x "$editor" ] || { echo "no $editor; build the program folder first" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is needed (apt-get install xvfb)" >&2; exit 1; }

home=$(mktemp -d)
# Xvfb picks a display it could listen on and names it once it is ready.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$home/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.1; done
d=$(tr -d '[:space:]' <"$home/display")
[ -n "$d" ] || { echo "the virtual display did not start" >&2; exit 1; }

# A project with 44 buttons (the list's limit), each with a target and a tip.
project=$home/big.mnp
{
    printf '[Origin]\r\nVer = 8.6.9\r\n\r\n[Buttons]\r\nButtonStyle = 3\r\nNrButtons = 44\r\n\r\n[ButtonData]\r\n'
    for n in $(seq 1 44); do
        printf 'Button%dText = Button number %d\r\nButton%dCmd = Show Document\r\n' "$n" "$n" "$n"
        printf 'Button%dLink = docs\\document%d.pdf\r\nButton%dTip = Opens document %d\r\n' "$n" "$n" "$n" "$n"
    done
    printf '\r\n-(EOF)-\r\n'
} > "$project"

# measure LABEL [ARGS...]: one warm-up run fills the file system cache, as for a user who
# started the editor before; then $runs measured runs and their median.
measure() {
    local label=$1; shift
    local times=()
    for i in $(seq 0 "$runs"); do
        local start line shown inside total
        start=$(date +%s%3N)
        line=$(DISPLAY=":$d" QT_QPA_PLATFORM=xcb ORVANTO_HOME="$home" "$editor" --startup-time "$@" 2>/dev/null |
               grep '^shown ')
        shown=$(echo "$line" | cut -d' ' -f2)
        inside=$(echo "$line" | cut -d' ' -f3)
        total=$((shown - start))
        if [ "$i" -gt 0 ]; then
            times+=("$total")
            echo "  run $i: $total ms ($inside ms after main started)"
        fi
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    echo "$label: median $median ms from launch"
}

measure "main window shown"
measure "main window shown with a 44-button project open" "$project"
