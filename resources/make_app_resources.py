#!/usr/bin/env python3
"""Writes the heat-stress program's embedded pictures, which
MORVAppResources.rc names: the main icon aMORVMainIcon (16 x 16 and 32 x 32,
16 colours), the main bitmap MORV_MainBitmap (32 x 32, 4 bits per pixel, light
grey where the about box shows its background), and two PNG logos kept as raw
data: MORV_PellmarLogo (the about box, a wide band with the mark and the
project's initials) and MORV_PellmarLogoTwo (the splash screen, the mark above
a heat scale in the four flag colours). All show one mark: a black globe on a
stand beside a wet-bulb thermometer under the sun. Run from anywhere; the
files land beside this script."""

import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The palette and the 4-bit row and colour-table writers are the framework's.
sys.path.insert(0, HERE)
from make_appframe_resources import PALETTE16, bmp_rows, palette_bytes  # noqa: E402
from make_appframe_resources import icon_image as appframe_icon_image  # noqa: E402

BLACK, DARK_RED, DARK_GREEN, LIGHT_GREY, GREY = 0, 1, 2, 7, 8
RED, YELLOW, BLUE, CYAN, WHITE, NAVY = 9, 11, 12, 14, 15, 4

# Three-letter glyphs, 5 x 7, for the logo's "MORV".
LETTERS = {
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "V": ["10001", "10001", "10001", "10001", "01010", "01010", "00100"],
}


def mark(size):
    """Palette indices, rows top first, None transparent: a sun at the upper
    right, a black globe on a stand at the left, a thermometer with a blue
    (wet) bulb at the right."""
    s = size / 32.0
    pixels = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            fx, fy = (x + 0.5) / s, (y + 0.5) / s
            # sun with rays
            dx, dy = fx - 25, fy - 6
            d2 = dx * dx + dy * dy
            if d2 <= 12:
                pixels[y][x] = YELLOW
            elif d2 <= 36 and (abs(dx) < 1 or abs(dy) < 1):
                pixels[y][x] = YELLOW
            # globe: black disc with a grey rim and a highlight
            gx, gy = fx - 11, fy - 15
            g2 = gx * gx + gy * gy
            if g2 <= 64:
                pixels[y][x] = GREY if g2 > 49 else BLACK
                if (gx + 3) ** 2 + (gy + 3) ** 2 <= 3:
                    pixels[y][x] = WHITE
            # the globe's stand
            if abs(fx - 11) <= 1 and 23 <= fy <= 29:
                pixels[y][x] = GREY
            if abs(fx - 11) <= 6 and 28 <= fy <= 30:
                pixels[y][x] = GREY
            # thermometer: tube with a red column, blue wet bulb
            tx = fx - 25
            if 12 <= fy <= 26 and abs(tx) <= 2:
                pixels[y][x] = GREY if abs(tx) > 1 else (RED if fy >= 18 else WHITE)
            bx, by = fx - 25, fy - 27.5
            if bx * bx + by * by <= 9:
                pixels[y][x] = BLUE if bx * bx + by * by <= 5 else GREY
    return pixels


def write_bitmap(name, pixels):
    size = len(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 4, 0, 0, 2835, 2835, 16, 0)
    # Light grey: the colour the about box makes transparent.
    bits = bmp_rows(pixels, LIGHT_GREY)
    offset = 14 + len(info) + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(header + info + palette_bytes() + bits)


def icon_image(pixels):
    return appframe_icon_image(pixels, BLACK)


def write_icon(name, images):
    """One icon file holding an image per size."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for pixels in images:
        image = icon_image(pixels)
        size = len(pixels)
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
        data += image
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(directory + data)


def write_png(name, rgb_rows):
    height, width = len(rgb_rows), len(rgb_rows[0])
    raw = b"".join(b"\0" + b"".join(bytes(c) for c in row) for row in rgb_rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    png = (b"\x89PNG\r\n\x1a\n" +
           chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(png)


def canvas(width, height, background=(255, 255, 255)):
    return [[background] * width for _ in range(height)]


def paint_mark(rows, left, top, size):
    for y, row in enumerate(mark(size)):
        for x, p in enumerate(row):
            if p is not None:
                rows[top + y][left + x] = PALETTE16[p]


def paint_text(rows, left, top, text, scale, colour):
    for i, letter in enumerate(text):
        for y, line in enumerate(LETTERS[letter]):
            for x, bit in enumerate(line):
                if bit == "1":
                    for yy in range(scale):
                        for xx in range(scale):
                            rows[top + y * scale + yy][left + (i * 6 + x) * scale + xx] = colour


def about_logo():
    """192 x 64: the mark, then "MORV" in navy over a red rule, on light
    grey, which the about box turns into its own background colour."""
    rows = canvas(192, 64, (192, 192, 192))
    paint_mark(rows, 0, 0, 64)
    paint_text(rows, 72, 10, "MORV", 5, (0, 0, 128))
    for y in range(52, 56):
        for x in range(72, 188):
            rows[y][x] = (160, 0, 0)
    return rows


def splash_logo():
    """256 x 128: the mark centred, "MORV" beside it, a heat scale below in
    the flag colours (green, yellow, red, black)."""
    rows = canvas(256, 128)
    paint_mark(rows, 24, 4, 96)
    paint_text(rows, 128, 30, "MORV", 5, (0, 0, 128))
    scale = [(0, 150, 0), (230, 200, 0), (210, 0, 0), (0, 0, 0)]
    for y in range(108, 122):
        for x in range(16, 240):
            rows[y][x] = scale[min(3, (x - 16) * 4 // 224)]
    return rows


def main():
    write_icon("MORV_MainIcon.ico", [mark(16), mark(32)])
    write_bitmap("MORV_MainBitmap.bmp", mark(32))
    write_png("MORV_Logo.png", about_logo())
    write_png("MORV_LogoTwo.png", splash_logo())


if __name__ == "__main__":
    main()
