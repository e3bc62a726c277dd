#!/bin/bash
# End-to-end check of the Windows flash player under Wine, without a display: with
# ShowDialogBoxes = 0 the player tells its problems on the error output and exits with 1.
# It finds the animation named by the data file beside itself, and for an animation given
# as a relative argument it reads the data file in the animation's folder first.
#
#   flash_check.sh VTFlashPlayer.exe
#
# Uses the Wine prefix ORVANTO_WINE_PREFIX, else WINEPREFIX, else a new one in the work
# folder (slow). Exits 0 when every check passes, 1 otherwise.
set -u

exe=${1:?usage: flash_check.sh VTFlashPlayer.exe}
command -v wine >/dev/null || { echo "flash_check: wine is missing" >&2; exit 1; }
[ -f "$exe" ] || { echo "flash_check: $exe not found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEPREFIX=${ORVANTO_WINE_PREFIX:-${WINEPREFIX:-$work/wine}}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY

failed=0
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
data_file() {  # folder, animation file name, ShowDialogBoxes
    printf '%s\r\n' "[Info]" "Info = Veltrona Flash Player" "" "[General]" "FileName = $2" "WinTitle = Intro" "" \
        "[Size]" "Width = 640" "Height = 480" "" "[Options]" "ShowDialogBoxes = $3" >"$1/VTFlashPlayer.dat"
}
check() {  # what, expected error line, arguments...
    local what=$1 expected=$2
    shift 2
    (cd "$work" && timeout 30 wine "$work/VTFlashPlayer/VTFlashPlayer.exe" "$@" >/dev/null 2>"$work/err")
    local code=$?
    if [ "$code" -ne 1 ] || ! tr -d '\r' <"$work/err" | grep -qxF "$expected"; then
        echo "flash_check: FAIL: $what (exit $code): $(tr -d '\r' <"$work/err")" >&2
        failed=1
    fi
}

mkdir -p "$work/VTFlashPlayer" "$work/film"
cp "$exe" "$work/VTFlashPlayer/VTFlashPlayer.exe"

data_file "$work/VTFlashPlayer" intro.swf 0
check "the animation named beside the player" \
    "VTFlashPlayer: The Flash animation \"$(windows_path "$work/VTFlashPlayer/intro.swf")\" was not found."

# The data file beside the player would show message boxes, which would never end here.
data_file "$work/VTFlashPlayer" intro.swf 1
data_file "$work/film" intro.swf 0
printf 'FWS\x0a' >"$work/film/intro.swf"
check "the animation given as a relative argument" \
    "VTFlashPlayer: No program on this system could open the animation \"intro.swf\"." 'film\intro.swf'

[ "$failed" -eq 0 ] && echo "flash_check: ok"
exit "$failed"
