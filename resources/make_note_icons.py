#!/usr/bin/env python3
"""Draws the eight icons of the report notes (ZQRPT_NoteIcon_*.bmp): the
note icon 192 x 96 pixels, the others 128 x 128; tip and success in 24-bit
colour with soft edges, the rest in the 16 standard colours. Every picture
is drawn here from circles, polygons and strokes. Run from anywhere; the
files land beside this script."""

import math
import os
import struct

# The BMP writers of the toolkit's pictures.
from make_gui_resources import bmp24
from make_gui_resources import bmp4 as gui_bmp4

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 standard colours of 4-bit pictures, in their usual order.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
WHITE, BLACK, GRAY, SILVER = (255, 255, 255), (0, 0, 0), (128, 128, 128), (192, 192, 192)
RED, MAROON, YELLOW, OLIVE = (255, 0, 0), (128, 0, 0), (255, 255, 0), (128, 128, 0)
BLUE, NAVY, GREEN = (0, 0, 255), (0, 0, 128), (0, 128, 0)


def bmp4(rows):
    """A 4-bit BMP of rows of colours from VGA16, the top row first."""
    return gui_bmp4([[VGA16.index(colour) for colour in row] for row in rows], VGA16)


# Shapes: functions of a point (x, y) in pixel units that say whether it is inside.
def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def stroke(x0, y0, x1, y1, width):
    """A straight stroke with round ends."""
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= (width / 2) ** 2
    return inside


def regular(cx, cy, r, n, turn):
    return [(cx + r * math.cos(turn + 2 * math.pi * k / n), cy + r * math.sin(turn + 2 * math.pi * k / n))
            for k in range(n)]


def render(width, height, layers, background, samples=1):
    """Layers are (shape, colour) pairs, later ones on top. With samples > 1
    each pixel averages samples x samples points (soft edges, 24-bit only)."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            total = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = px + (sx + 0.5) / samples
                    y = py + (sy + 0.5) / samples
                    colour = background
                    for shape, fill in layers:
                        if shape(x, y):
                            colour = fill(x, y) if callable(fill) else fill
                    total = [t + c for t, c in zip(total, colour)]
            row.append(tuple(round(t / (samples * samples)) for t in total))
        rows.append(row)
    return rows


def exclamation(cx, top, bottom, width, colour):
    return [(stroke(cx, top, cx, bottom - width * 1.6, width), colour),
            (circle(cx, bottom, width * 0.6), colour)]


def note_icon():
    """A ruled sheet with a folded corner and a pencil across it."""
    sheet = [(8, 8), (118, 8), (138, 28), (138, 88), (8, 88)]
    layers = [(polygon([(x + 4, y + 4) for x, y in sheet]), GRAY),
              (polygon(sheet), WHITE),
              (polygon([(118, 8), (138, 28), (118, 28)]), SILVER)]
    layers += [(rect(20, y, 126, y + 1), NAVY) for y in range(34, 84, 10)]
    layers += [(rect(20, 18, 90, 20), RED)]
    layers += [(stroke(182, 14, 124, 80, 16), YELLOW),
               (stroke(182, 14, 174, 23, 16), MAROON),
               (polygon([(124, 80), (118, 90), (130, 86)]), BLACK),
               (stroke(178, 18, 128, 76, 2), OLIVE)]
    outline = polygon(sheet)
    edge = [(lambda x, y: outline(x, y) and not outline(x - 1.5, y) or outline(x, y) and not outline(x, y - 1.5), BLACK)]
    return bmp4(render(192, 96, layers[:3] + edge + layers[3:], WHITE))


def tip_icon():
    """A glowing light bulb."""
    def glow(x, y):
        d = math.hypot(x - 64, y - 52) / 40
        k = max(0.0, min(1.0, d))
        return (255, round(255 - 40 * k), round(200 - 200 * k))
    layers = [(circle(64, 52, 58), (255, 250, 215)),
              (circle(64, 52, 38), glow),
              (polygon([(44, 70), (84, 70), (78, 94), (50, 94)]), glow),
              (rect(48, 94, 80, 114), (150, 150, 160))]
    layers += [(rect(48, y, 80, y + 2), (90, 90, 100)) for y in (98, 104, 110)]
    layers += [(circle(64, 118, 8), (60, 60, 70)),
               (stroke(56, 68, 64, 56, 3), (230, 140, 0)), (stroke(64, 56, 72, 68, 3), (230, 140, 0)),
               (circle(50, 40, 7), (255, 255, 240))]
    return bmp24(render(128, 128, layers, WHITE, samples=3))


def sign_icon(outline_points, border, fill, mark):
    return bmp4(render(128, 128, [(polygon(outline_points), border),
                                  (polygon(shrink(outline_points, 10)), fill)] + mark, WHITE))


def shrink(points, by):
    cx = sum(x for x, _ in points) / len(points)
    cy = sum(y for _, y in points) / len(points)
    out = []
    for x, y in points:
        d = math.hypot(x - cx, y - cy)
        out.append((cx + (x - cx) * (d - by) / d, cy + (y - cy) * (d - by) / d))
    return out


def important_icon():
    """A blue disc with a white exclamation mark."""
    return bmp4(render(128, 128, [(circle(64, 64, 60), NAVY), (circle(64, 64, 54), BLUE)]
                       + exclamation(64, 24, 100, 16, WHITE), WHITE))


def caution_icon():
    """A yellow triangle with a black border and exclamation mark."""
    triangle = [(64, 6), (124, 118), (4, 118)]
    return sign_icon(triangle, BLACK, YELLOW, exclamation(64, 42, 102, 14, BLACK))


def warning_icon():
    """An orange-red bordered triangle, white inside, with a red mark."""
    triangle = [(64, 6), (124, 118), (4, 118)]
    return sign_icon(triangle, RED, WHITE, exclamation(64, 44, 102, 14, MAROON))


def danger_icon():
    """A red octagon with a white bar."""
    octagon = regular(64, 64, 62, 8, math.pi / 8)
    return sign_icon(octagon, MAROON, RED, [(rect(24, 54, 104, 74), WHITE)])


def error_icon():
    """A red disc with a white cross."""
    return bmp4(render(128, 128, [(circle(64, 64, 60), MAROON), (circle(64, 64, 54), RED),
                                  (stroke(40, 40, 88, 88, 16), WHITE),
                                  (stroke(88, 40, 40, 88, 16), WHITE)], WHITE))


def success_icon():
    """A shaded green disc with a white check mark."""
    def shade(x, y):
        k = max(0.0, min(1.0, math.hypot(x - 48, y - 44) / 70))
        return (round(90 - 70 * k), round(210 - 90 * k), round(90 - 70 * k))
    return bmp24(render(128, 128, [(circle(64, 66, 58), (200, 200, 200)),
                                   (circle(64, 62, 58), shade),
                                   (stroke(34, 66, 56, 88, 16), WHITE),
                                   (stroke(56, 88, 96, 40, 16), WHITE)], WHITE, samples=3))


ICONS = {"Note": note_icon, "Tip": tip_icon, "Important": important_icon,
         "Caution": caution_icon, "Warning": warning_icon, "Danger": danger_icon,
         "Error": error_icon, "Success": success_icon}


def main():
    for name, draw in ICONS.items():
        with open(os.path.join(HERE, "ZQRPT_NoteIcon_%s.bmp" % name), "wb") as out:
            out.write(draw())


if __name__ == "__main__":
    main()
