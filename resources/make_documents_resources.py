#!/usr/bin/env python3
"""Writes the document engine's embedded pictures and ZQDocumentsResources.rc,
which names them: the error image that stands in for a picture that cannot
be loaded (14 x 16 pixels, 4 bits per pixel, the 16 standard colours: a
sheet with a folded corner crossed out in red). Run from anywhere; the files
land beside this script."""

import os

# The 4-bit BMP writer of the toolkit's pictures.
from make_gui_resources import bmp4

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 standard colours of a 4-bit device, in their usual order.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
KEYS = {"#": 8, ".": 15, "r": 9, "-": 7, " ": 15}

# The sheet: a grey outline, a folded top-right corner, white inside; the
# red cross is drawn over it below.
SHEET = [
    "#########     ",
    "#.......#-    ",
    "#.......#.-   ",
    "#.......#..-  ",
    "#.......#####-",
    "#............#",
    "#............#",
    "#............#",
    "#............#",
    "#............#",
    "#............#",
    "#............#",
    "#............#",
    "#............#",
    "#............#",
    "##############",
]


def error_rows():
    rows = [[KEYS[c] for c in line] for line in SHEET]
    # Two strokes, two pixels wide, corner to corner of the sheet's body.
    for y in range(5, 15):
        t = (y - 5) / 9.0
        for x in (round(2 + t * 9), round(11 - t * 9)):
            for dx in (0, 1):
                if 1 <= x + dx <= 12:
                    rows[y][x + dx] = KEYS["r"]
    return rows


def main():
    data = bmp4(error_rows(), PALETTE16)
    assert len(data) == 246, len(data)
    with open(os.path.join(HERE, "ZQFO_ErrorImage.bmp"), "wb") as f:
        f.write(data)
    with open(os.path.join(HERE, "ZQDocumentsResources.rc"), "w") as f:
        f.write("// The document engine's embedded pictures, written with their data files by\n"
                "// make_documents_resources.py. Every program that links ZQDocuments carries\n"
                "// them. RCDATA, the whole BMP file: the linker merges the resource scripts of\n"
                "// a program and sorts their names without regard to case, so \"ZQFO_\" would\n"
                "// land after the toolkit's \"ZQF_\" bitmaps, where Wine's search by the\n"
                "// upper-case name misses them; among the RCDATA names no such pair occurs.\n"
                "ZQFO_ErrorImage RCDATA \"ZQFO_ErrorImage.bmp\"\n")


if __name__ == "__main__":
    main()
