#!/usr/bin/env python3
"""Makes the menu program's window icons App1.ico .. App8.ico from the 32x32 pictures
Res/App1.bmp .. Res/App8.bmp that the options dialog shows, so that the icon the author
picks there is the one the menu window and the drive show. Run it again after changing a
picture: python3 resources/windows/make_icons.py"""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
RES = HERE.parent / "program" / "Res"


def icon_from_bmp(data: bytes) -> bytes:
    offset, = struct.unpack_from("<I", data, 10)
    header_size, width, height, planes, bits = struct.unpack_from("<IiiHH", data, 14)
    if bits != 32 or planes != 1:
        raise ValueError("expected a 32-bit picture")
    rows = abs(height)
    pixels = bytearray(data[offset:offset + width * rows * 4])
    if height < 0:  # top-down: an icon's colour rows go bottom-up
        stride = width * 4
        pixels = b"".join(pixels[r * stride:(r + 1) * stride] for r in reversed(range(rows)))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytes(mask_stride * rows)  # the alpha channel decides; the AND mask is all zero
    info = struct.pack("<IiiHHIIiiII", 40, width, rows * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = info + bytes(pixels) + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, rows % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    for n in range(1, 9):
        bmp = (RES / f"App{n}.bmp").read_bytes()
        (HERE / f"App{n}.ico").write_bytes(icon_from_bmp(bmp))


if __name__ == "__main__":
    main()
