#!/usr/bin/env bash
# The editor on a real X server, driven with the keyboard as an author starts it: the tour
# paints on the bare server (not a black rectangle); then, under a small window manager
# (openbox), Escape, Return and Escape pass the start, Alt+F opens the File menu, Ctrl+,
# opens the Options and Escape gives the keyboard back to the main window. Exits 77
# (skipped) without the X tools.
set -euo pipefail
editor=${1:?usage: editor_under_window_manager.sh ORVNEDIT}
for tool in Xvfb openbox xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
export QT_QPA_PLATFORM=xcb ORVANTO_HOME=$work/home
pids=()
editor_pid=
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    for log in xvfb editor; do
        [ -s "$work/$log.log" ] && { echo "--- $log output:"; tail -n 40 "$work/$log.log"; }
    done
    exit 1
}
# Waits up to 30 s for a command to succeed; gives up at once when the editor has ended.
await() {
    local what=$1; shift
    for _ in $(seq 300); do
        "$@" >/dev/null 2>&1 && return 0
        if [ -n "$editor_pid" ] && ! kill -0 "$editor_pid" 2>/dev/null; then
            wait "$editor_pid" && status=0 || status=$?
            fail "$what (the editor ended with status $status)"
        fi
        sleep 0.1
    done
    fail "$what"
}
active_is() { xdotool getactivewindow getwindowname 2>/dev/null | grep -q -- "$1"; }
visible_windows() { xdotool search --onlyvisible --pid "$editor_pid" "" 2>/dev/null | wc -l; }

# The server picks a display it could really listen on and names it once it is ready, so a
# server of another user or another run on a display number is never mistaken for this one.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
await "the X server starts" test -s "$work/display"
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
await "the X server answers" xdotool getmouselocation

"$editor" >"$work/editor.log" 2>&1 & editor_pid=$!; pids+=($editor_pid)

# First on the bare X server: no window manager maps, frames or activates the tour.
await "the tour is shown" xdotool search --onlyvisible --name "Welcome to Orvanto"
tour=$(xdotool search --onlyvisible --name "Welcome to Orvanto" | head -n 1)
sleep 0.5
import -window "$tour" "$work/tour.png"
# A painted tour has a light page with text and pictures; an unpainted one is one colour.
mean=$(convert "$work/tour.png" -colorspace Gray -format '%[fx:mean]' info:)
spread=$(convert "$work/tour.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v m="$mean" -v s="$spread" 'BEGIN { exit !(m > 0.3 && s > 0.05) }' ||
    fail "the tour is not painted (mean $mean, spread $spread)"

# Then under the window manager, as an author clicks into the tour.
openbox >/dev/null 2>&1 & pids+=($!)
await "the window manager starts" xdotool windowactivate --sync "$tour"
await "the tour is the active window" active_is "Welcome to Orvanto"

xdotool key Escape
await "the project folder question" active_is "Create Project Folder"
xdotool key Return
await "the start window" active_is "Choose Project"
xdotool key Escape
await "the main window is active after the start window" active_is "Veltrona Orvanto"

before=$(visible_windows)
xdotool key alt+f
await "Alt+F opens the File menu" test "$(visible_windows)" -gt "$before"
xdotool key Escape
await "Escape closes the File menu" test "$(visible_windows)" -eq "$before"

xdotool key ctrl+comma
await "Ctrl+, opens the Options" active_is "Options"
xdotool key Escape
await "the main window has the keyboard again after the Options" active_is "Veltrona Orvanto"
echo "passed"
