#!/usr/bin/env python3
"""Draws the editor's pictures as SVG and renders them with ImageMagick into
resources/program/Res (tab pictures, start window pictures, menu window icons) and
resources/desktop (the application icon). Run it after changing a drawing; the rendered
files are kept in the tree so a build needs no drawing tools."""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.normpath(os.path.join(HERE, "..", "..", "program", "Res"))
DESKTOP = os.path.normpath(os.path.join(HERE, ".."))

BLUE, LIGHT, ORANGE, GREEN, RED, GREY, PURPLE, WHITE, DARK = (
    "#2f5bc4", "#8fb0f0", "#ffb020", "#2e9d5b", "#d9463b", "#5b6478", "#7b4fc9", "#ffffff", "#1f2a44")


def svg(body, size=32):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 32 32">{body}</svg>')


def rect(x, y, w, h, fill, rx=0, stroke=None, sw=1.5):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ' stroke="none"'
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" ry="{rx}" fill="{fill}"{s}/>'


def circle(cx, cy, r, fill, stroke=None, sw=1.5):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ' stroke="none"'
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"{s}/>'


def poly(points, fill):
    return f'<polygon points="{points}" fill="{fill}" stroke="none"/>'


def path(d, stroke, sw=2, fill="none"):
    return (f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def window(x=3, y=5, w=26, h=22, bar=ORANGE):
    return rect(x, y, w, h, WHITE, 3, GREY) + rect(x + 0.75, y + 0.75, w - 1.5, 5, bar, 2)


def disc(cx=16, cy=16, r=13):
    return circle(cx, cy, r, "#e8eef9", GREY) + circle(cx, cy, r * 0.33, BLUE) + circle(cx, cy, r * 0.13, WHITE)


def info(cx=16, cy=16, r=13, fill=BLUE):
    return circle(cx, cy, r, fill) + rect(cx - 1.75, cy - 2, 3.5, 10, WHITE, 1) + circle(cx, cy - 6, 2.2, WHITE)


DRAWINGS = {
    # Main window tabs
    "tab1": window() + rect(7, 14, 18, 9, LIGHT, 1),
    "tab2": rect(5, 5, 22, 5, BLUE, 1) + rect(13.5, 5, 5, 22, BLUE, 1) + rect(4, 28, 24, 2, ORANGE),
    "tab3": rect(5, 4, 22, 6, BLUE, 2) + rect(5, 13, 22, 6, LIGHT, 2) + rect(5, 22, 22, 6, LIGHT, 2),
    "tab4": rect(3, 4, 26, 24, WHITE, 2, GREY) + "".join(
        rect(7, y, 18 if i % 2 == 0 else 13, 2.5, BLUE if i == 0 else GREY, 1) for i, y in enumerate((8, 13, 18, 23))),
    "tab5": rect(3, 5, 26, 22, WHITE, 2, GREY) + poly("6,24 13,13 18,20 21,16 26,24", GREEN) + circle(22, 11, 3, ORANGE),
    "tab6": poly("5,12 10,12 17,6 17,26 10,20 5,20", BLUE) + path("M21 11 Q25 16 21 21", BLUE) + path("M24 7 Q31 16 24 25", LIGHT),
    "tab7": rect(3, 6, 26, 20, DARK, 2) + "".join(rect(x, 8, 2.5, 2.5, WHITE) + rect(x, 21.5, 2.5, 2.5, WHITE)
                                                 for x in (6, 11, 16, 21, 25)) + poly("13,12 13,20 20,16", ORANGE),
    "tab8": poly("4,16 14,6 27,6 27,26 14,26", ORANGE) + circle(21, 12, 2.2, WHITE) + rect(15, 17, 9, 2, WHITE) + rect(15, 21, 6, 2, WHITE),
    # Start window
    "start_new": poly("7,3 20,3 26,9 26,29 7,29", WHITE) + path("M7 3 H20 L26 9 V29 H7 Z", GREY, 1.5) +
                 circle(22, 23, 7, GREEN) + rect(21, 19, 2, 8, WHITE) + rect(18, 22, 8, 2, WHITE),
    "start_template": rect(3, 3, 12, 12, BLUE, 2) + rect(17, 3, 12, 12, ORANGE, 2) + rect(3, 17, 12, 12, GREEN, 2) +
                      rect(17, 17, 12, 12, PURPLE, 2),
    "start_open": path("M3 8 V26 H27 L29 13 H9 L7 26", GREY, 1.5, "#ffd36b") + poly("3,7 11,7 13,10 25,10 25,13 9,13 7,26 3,26", ORANGE),
    "start_guide": rect(5, 3, 22, 26, BLUE, 2) + rect(9, 3, 2, 26, DARK) + rect(14, 8, 10, 2, WHITE) + rect(14, 12, 8, 2, WHITE),
    "start_help": circle(16, 16, 13, PURPLE) + path("M12 12 Q12 8 16 8 Q20 8 20 12 Q20 15 16 16 V19", WHITE, 3) + circle(16, 24, 2, WHITE),
    # Menu window icons of the created menu (options dialog list)
    "App1": disc(),
    "App2": rect(11, 2, 10, 8, GREY, 1) + rect(13, 4, 2, 2, WHITE) + rect(17, 4, 2, 2, WHITE) + rect(8, 9, 16, 21, BLUE, 3) +
            rect(12, 14, 8, 3, LIGHT, 1),
    "App3": window() + rect(9, 13, 14, 3, BLUE, 1) + rect(9, 18, 14, 3, LIGHT, 1) + rect(9, 23, 14, 2, LIGHT, 1),
    "App4": disc(19, 19, 12) + window(2, 2, 18, 15) + rect(5, 10, 12, 2.5, BLUE, 1) + rect(5, 13.5, 12, 2, LIGHT, 1),
    "App5": rect(3, 3, 12, 12, RED, 2) + rect(17, 3, 12, 12, ORANGE, 2) + rect(3, 17, 12, 12, GREEN, 2) + rect(17, 17, 12, 12, BLUE, 2),
    "App6": "".join(rect(3, y, 26, 3, c, 1) for y, c in ((5, BLUE), (11, LIGHT), (17, BLUE), (23, LIGHT))),
    "App7": poly("8,3 21,3 25,7 25,29 8,29", BLUE) + "".join(rect(x, 5, 2, 5, ORANGE) for x in (11, 14, 17, 20)) +
            rect(11, 16, 11, 8, LIGHT, 1),
    "App8": info(),
}

APP_ICON = (
    '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">'
    '<rect x="12" y="12" width="232" height="232" rx="44" ry="44" fill="#2f5bc4" stroke="none"/>'
    '<circle cx="170" cy="170" r="62" fill="#e8eef9" stroke="#9fb3da" stroke-width="3"/>'
    '<circle cx="170" cy="170" r="18" fill="#1f3f8f" stroke="none"/>'
    '<circle cx="170" cy="170" r="8" fill="#3b6fd8" stroke="none"/>'
    '<rect x="40" y="44" width="132" height="124" rx="12" ry="12" fill="#ffffff" stroke="none"/>'
    '<rect x="40" y="44" width="132" height="26" rx="12" ry="12" fill="#ffb020" stroke="none"/>'
    '<rect x="40" y="58" width="132" height="12" fill="#ffb020" stroke="none"/>'
    '<rect x="56" y="86" width="100" height="16" rx="5" ry="5" fill="#3b6fd8" stroke="none"/>'
    '<rect x="56" y="110" width="100" height="16" rx="5" ry="5" fill="#6b93e6" stroke="none"/>'
    '<rect x="56" y="134" width="100" height="16" rx="5" ry="5" fill="#6b93e6" stroke="none"/>'
    '</svg>')

# Output name, drawing, pixel size. The tab pictures keep the names the editor loads
# (tab2 and tab7 are GIF, the others BMP); the start pictures are drawn at twice their
# shown size for high-density screens.
OUTPUTS = [(f"tab{n}.{'gif' if n in (2, 7) else 'bmp'}", f"tab{n}", 32) for n in range(1, 9)]
OUTPUTS += [(f"{name}.png", name, 64) for name in
            ("start_new", "start_template", "start_open", "start_guide", "start_help")]
OUTPUTS += [(f"App{n}.bmp", f"App{n}", 32) for n in range(1, 9)]


def render(svg_text, out, size):
    tmp = out + ".svg"
    with open(tmp, "w") as f:
        f.write(svg_text)
    # A BMP keeps its alpha channel; its transparent pixels are white underneath, for readers
    # that ignore the alpha channel.
    extra = ["-background", "white", "-alpha", "background"] if out.endswith(".bmp") else []
    try:
        subprocess.run(["convert", "-background", "none", "-density", str(96 * size // 32), tmp,
                        "-resize", f"{size}x{size}", "-strip"] + extra + [out], check=True)
    finally:
        os.remove(tmp)


def main():
    os.makedirs(RES, exist_ok=True)
    for out, name, size in OUTPUTS:
        render(svg(DRAWINGS[name], size), os.path.join(RES, out), size)
    with open(os.path.join(DESKTOP, "orvanto.svg"), "w") as f:
        f.write(APP_ICON + "\n")
    for size in (48, 128, 256):
        render(APP_ICON, os.path.join(DESKTOP, f"orvanto-{size}.png"), size)
    render(APP_ICON, os.path.join(RES, "orvanto.png"), 256)
    return 0


if __name__ == "__main__":
    sys.exit(main())
