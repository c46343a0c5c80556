#!/usr/bin/env python3
"""Writes the glyph browser's three 16 x 16 row pictures (24-bit BMP files):
a filled green disc for a glyph on the window's focus path, a green ring for
a focus child below a parent that is off the path, and a small grey square
for a glyph that is not its parent's focus child. White stands on the list's
background."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 16
WHITE = (255, 255, 255)
GREEN = (0, 150, 40)
DARK_GREEN = (0, 90, 20)
GREY = (128, 128, 128)


def disc(x, y, inner):
    dx, dy = x - 7.5, y - 7.5
    d2 = dx * dx + dy * dy
    if d2 > 36:
        return WHITE
    if d2 > 25:
        return DARK_GREEN
    return GREEN if inner else (WHITE if d2 < 12 else GREEN)


def on_focus_path(x, y):
    return disc(x, y, True)


def focus_child(x, y):
    return disc(x, y, False)


def not_focus_child(x, y):
    if 5 <= x <= 10 and 5 <= y <= 10:
        return GREY if x in (5, 10) or y in (5, 10) else WHITE
    return WHITE


def write_bitmap(name, colour_at):
    rows = []
    for y in reversed(range(SIZE)):
        row = b"".join(struct.pack("<BBB", b, g, r) for r, g, b in
                       (colour_at(x, y) for x in range(SIZE)))
        rows.append(row + b"\0" * ((-len(row)) % 4))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(header + info + bits)


def main():
    write_bitmap("ZQAPP_GlyphBrowserOnFocusPath.bmp", on_focus_path)
    write_bitmap("ZQAPP_GlyphBrowserFocusChild.bmp", focus_child)
    write_bitmap("ZQAPP_GlyphBrowserNotFocusChild.bmp", not_focus_child)


if __name__ == "__main__":
    main()
