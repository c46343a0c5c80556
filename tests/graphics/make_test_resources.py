#!/usr/bin/env python3
"""Writes the graphics tests' resources, which the tests know pixel by pixel:
GraphicsTestResourceBitmap.bmp, a 4 x 2 bitmap of 24 bits per pixel, and
GraphicsTestResourceCursor.cur, a 32 x 32 monochrome cursor (a triangle with
its hot spot at 3, 5). Run from anywhere; the files land beside this script."""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

RED, GREEN, BLUE = (255, 0, 0), (0, 128, 0), (0, 0, 255)
YELLOW, LIGHT_GRAY = (255, 255, 0), (192, 192, 192)
# Top row first; light grey is the tests' transparent colour.
BITMAP_ROWS = [
    [RED, LIGHT_GRAY, BLUE, LIGHT_GRAY],
    [LIGHT_GRAY, GREEN, LIGHT_GRAY, YELLOW],
]


def bitmap_info_header(width, height, bits_per_pixel, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits_per_pixel, 0,
                       image_size, 2835, 2835, 0, 0)


def bmp_file(rows):
    width, height = len(rows[0]), len(rows)
    row_size = (width * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):  # a BMP file stores the bottom row first
        data = b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row)
        pixels += data + b"\0" * (row_size - len(data))
    header = bitmap_info_header(width, height, 24, len(pixels))
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + pixels


def mono_rows(inside):
    """32 rows of 4 bytes, the top row first, bit 1 where inside(x, y)."""
    rows = []
    for y in range(32):
        bits = 0
        for x in range(32):
            if inside(x, y):
                bits |= 0x80000000 >> x
        rows.append(struct.pack(">I", bits))
    return rows


def cur_file(hot_x, hot_y):
    def triangle(x, y):
        return 4 <= y < 28 and 2 <= x < 2 + (y - 4) // 2 + 1
    # XOR: white inside the triangle; AND: 0 (opaque) inside, 1 outside.
    xor = mono_rows(triangle)
    and_mask = mono_rows(lambda x, y: not triangle(x, y))
    # The image stores the bottom row first; its height counts both masks.
    image = (bitmap_info_header(32, 64, 1, 0) + struct.pack("<II", 0x000000, 0xFFFFFF)
             + b"".join(reversed(xor)) + b"".join(reversed(and_mask)))
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


def main():
    with open(os.path.join(HERE, "GraphicsTestResourceBitmap.bmp"), "wb") as f:
        f.write(bmp_file(BITMAP_ROWS))
    with open(os.path.join(HERE, "GraphicsTestResourceCursor.cur"), "wb") as f:
        f.write(cur_file(3, 5))


if __name__ == "__main__":
    main()
