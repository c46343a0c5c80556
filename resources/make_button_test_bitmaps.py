#!/usr/bin/env python3
"""Writes the bitmaps that the GUI tests put on bitmap buttons, in the two
key colours of button pictures (light grey face, black symbol), and
tests/gui/ButtonTestResources.rc, which names them. Run from anywhere; the
bitmaps land beside this script."""

import os

from make_gui_resources import BLACK, LIGHT_GRAY, bmp24

HERE = os.path.dirname(os.path.abspath(__file__))
RC_FILE = os.path.join(HERE, "..", "tests", "gui", "ButtonTestResources.rc")


def arrow(x, y):
    """12 x 10: an upward triangle, rows 2 to 7."""
    return 2 <= y <= 7 and abs(2 * x - 11) <= 2 * (y - 2) + 1


def plus(x, y):
    """11 x 11: a bar three pixels thick each way, one pixel from the edge."""
    return (4 <= x <= 6 and 1 <= y <= 9) or (4 <= y <= 6 and 1 <= x <= 9)


def picture(shape, width, height):
    return [[BLACK if shape(x, y) else LIGHT_GRAY for x in range(width)] for y in range(height)]


BITMAPS = [
    ("ZQTEST_ArrowButtonBitmap", picture(arrow, 12, 10)),
    ("ZQTEST_PlusButtonBitmap", picture(plus, 11, 11)),
]


def main():
    lines = ["// The bitmaps of the GUI tests' bitmap buttons, written with their data",
             "// files (in resources/) by resources/make_button_test_bitmaps.py."]
    for name, rows in BITMAPS:
        with open(os.path.join(HERE, name + ".bmp"), "wb") as f:
            f.write(bmp24(rows))
        lines.append('%s BITMAP "%s.bmp"' % (name, name))
    with open(RC_FILE, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
