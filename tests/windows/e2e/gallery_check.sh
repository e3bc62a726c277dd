#!/bin/bash
# End-to-end check of the Windows picture gallery under Wine on a virtual display:
# a folder with a PNG, a BMP, a JPEG and a broken file, a VTPictureGallery.dat beside the
# program, then the window's title, colours and thumbnails are checked on a screenshot,
# Enter opens the preview, Escape closes the preview and then the gallery.
#
#   gallery_check.sh VTPictureGallery.exe [screenshot folder to keep]
#
# Needs wine, Xvfb, xdotool, xwd, ImageMagick's convert and python3. Uses the Wine prefix
# ORVANTO_WINE_PREFIX, else WINEPREFIX, else a new one in the work folder (slow).
# Exits 0 when every check passes, 1 otherwise.
set -u

exe=${1:?usage: gallery_check.sh VTPictureGallery.exe [screenshot folder]}
keep=${2:-}
for tool in wine Xvfb xdotool xwd convert python3; do
    command -v "$tool" >/dev/null || { echo "gallery_check: $tool is missing" >&2; exit 1; }
done
[ -f "$exe" ] || { echo "gallery_check: $exe not found" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
gallery_pid=
cleanup() {
    [ -n "$gallery_pid" ] && kill "$gallery_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "gallery_check: FAIL: $*" >&2
    [ -n "$keep" ] && mkdir -p "$keep" && cp "$work"/*.png "$keep"/ 2>/dev/null
    exit 1
}

export WINEPREFIX=${ORVANTO_WINE_PREFIX:-${WINEPREFIX:-$work/wine}}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The program folder as menu creation makes it, and a picture folder beside it.
mkdir -p "$work/VTPictureGallery" "$work/Pictures"
cp "$exe" "$work/VTPictureGallery/VTPictureGallery.exe"
printf '%s\r\n' "[Info]" "Info = Veltrona Picture Gallery" "" "[General]" "WinTitle = Orvanto Gallery Check" \
    "SubWin_WinTitle = Orvanto Preview Check" "PicExtension = ." "" "[WinSize]" "Width = 640" "Height = 420" "" \
    "[Colors]" "BkColor = 3355443" "TextColor = 16777215" "SubWin_ColorType = 1" "" "[Buttons]" \
    "CloseButtonStyle = 1" "CloseButtonText = Close" "" "[Text]" "ShowTextLabels = 1" "" "[ClickHandling]" \
    "Action = 1" "OpenExtension = ." "" "[Pictures]" "SizeManual = 0" "SizeHeight = 0" "" "[PreviewWin]" \
    "AllowBrowse = 1" "PrevPicture_Text = < Previous" "NextPicture_Text = Next >" "" \
    >"$work/VTPictureGallery/VTPictureGallery.dat"

python3 - "$work/Pictures" <<'PY' || fail "cannot make the pictures"
import struct, sys, zlib
folder = sys.argv[1]

def png(path, w, h, rgb):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = b"".join(b"\0" + bytes(rgb) * w for _ in range(h))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))

def bmp(path, w, h, rgb):
    stride = (w * 3 + 3) & ~3
    row = bytes(rgb[::-1]) * w + b"\0" * (stride - w * 3)
    size = 54 + stride * h
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", size, 0, 0, 54)
                + struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, stride * h, 2835, 2835, 0, 0) + row * h)

png(folder + "/a red.png", 240, 180, (220, 20, 20))
bmp(folder + "/b green.bmp", 150, 200, (20, 200, 20))
with open(folder + "/d broken.jpg", "wb") as f:
    f.write(b"\xff\xd8\xff\xe0 this is not a picture")
PY
convert -size 200x150 xc:'rgb(20,40,230)' "$work/Pictures/c blue.jpg" || fail "cannot make the JPEG"

# A display of our own: Xvfb picks a free number and writes it to the fifo.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 display <"$work/display" || fail "Xvfb did not start"
export DISPLAY=":$display"
xdotool mousemove 0 0  # no hover highlight or tooltip in the first screenshot

picture_folder=$(printf 'Z:%s' "$work/Pictures" | tr / '\\')
wine "$work/VTPictureGallery/VTPictureGallery.exe" "$picture_folder" >"$work/gallery.log" 2>&1 &
gallery_pid=$!

wait_for_window() {  # name, seconds
    for _ in $(seq $(($2 * 4))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.25
    done
    return 1
}
# Takes screenshots until every colour r,g,b (within 24) covers a number of pixels in its
# range (r,g,b=least or r,g,b=least-most), or the seconds run out; prints the counts of
# the last screenshot.
wait_for_colours() {  # screenshot name, seconds, colour=count...
    local name=$1 seconds=$2
    shift 2
    local end=$((SECONDS + seconds)) counts
    while :; do
        xwd -root -silent | convert xwd:- "$work/$name.png" || fail "no screenshot"
        counts=$(convert "$work/$name.png" -depth 8 rgb:- | python3 -c '
import sys
pixels = sys.stdin.buffer.read()
wanted = []
for arg in sys.argv[1:]:
    colour, need = arg.split("=")
    least, _, most = need.partition("-")
    wanted.append((tuple(int(v) for v in colour.split(",")), (int(least), int(most or 1 << 40))))
found = [0] * len(wanted)
colours = {}
for i in range(0, len(pixels) - 2, 3):
    key = pixels[i:i + 3]
    colours[key] = colours.get(key, 0) + 1
for key, n in colours.items():
    for j, ((r, g, b), _) in enumerate(wanted):
        if abs(key[0] - r) <= 24 and abs(key[1] - g) <= 24 and abs(key[2] - b) <= 24:
            found[j] += n
print(" ".join(str(n) for n in found))
sys.exit(0 if all(lo <= n <= hi for n, (_, (lo, hi)) in zip(found, wanted)) else 1)
' "$@") && { echo "$counts"; return 0; }
        [ "$SECONDS" -ge "$end" ] && { echo "$counts"; return 1; }
        sleep 0.5
    done
}

# Without a window manager the keys go to the window under the pointer, and Wine takes
# them once a click has made the window active.
click_and_key() {  # window, keys...
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH * 5 / 6)) $((Y + 8)) click 1
    sleep 0.5
    xdotool key "${@:2}"
}
gone() {  # name, seconds
    for _ in $(seq $(($2 * 4))); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.25
    done
    return 1
}
gallery=$(wait_for_window "Orvanto Gallery Check" 60) || fail "the gallery window did not appear"
# The background colour of the data file, the three pictures at thumbnail size (160 x 120
# and 90 x 120) and nothing of them in place of the broken file.
counts=$(wait_for_colours gallery 20 51,51,51=150000 220,20,20=19000-19400 20,200,20=10600-11000 \
    20,40,230=19000-19400) || fail "background, red, green, blue pixels: $counts"

# The keyboard: the first arrow key chooses the first picture, Enter previews it.
click_and_key "$gallery" Right Return
preview=$(wait_for_window "Orvanto Preview Check" 20) || fail "Enter did not open the preview"
# The preview shows the first picture whole (240 x 180) on the data file's background.
counts=$(wait_for_colours preview 20 220,20,20=43000) || fail "red pixels in the preview: $counts"

click_and_key "$preview" Escape
gone "Orvanto Preview Check" 10 || fail "Escape did not close the preview"
click_and_key "$gallery" Escape
for _ in $(seq 40); do kill -0 "$gallery_pid" 2>/dev/null || break; sleep 0.25; done
kill -0 "$gallery_pid" 2>/dev/null && fail "Escape did not close the gallery"
gallery_pid=

[ -n "$keep" ] && mkdir -p "$keep" && cp "$work"/*.png "$keep"/
echo "gallery_check: ok"
