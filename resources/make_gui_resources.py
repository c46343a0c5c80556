#!/usr/bin/env python3
"""Writes the GUI toolkit's embedded pictures and ZQGuiResources.rc, which
names them: the six check-box and radio-button bitmaps (4 bits per pixel,
each 16-entry palette holding the seven key colours that the metrics
recolour), the four message-box bitmaps, the 8 x 8 checkerboard pattern and
the cursors that have no stock cursor, and the twelve node boxes of the
list control's trees and the dropdown arrow. Run from anywhere; the files land
beside this script."""

import os
import struct

# The bitmap buttons' pictures, drawn as text beside this script.
from button_pictures import TITLE_BAR_PICTURES, TOOLBAR_PICTURES
from button_pictures import SCROLL_BAR_PICTURES, DROPDOWN_PICTURES, PRINT_PREVIEW_PICTURES

HERE = os.path.dirname(os.path.abspath(__file__))

# The key colours of the button pictures, in the order the metrics look for
# them, and what each stands for.
BLACK = (0, 0, 0)            # the mark
YELLOW = (255, 255, 0)       # the box interior
LIGHT_GRAY = (192, 192, 192)  # the surround
TEAL = (0, 128, 128)         # shadow
NAVY = (0, 0, 128)           # dark shadow
GREEN = (0, 255, 0)          # light
CYAN = (0, 255, 255)         # highlight
KEY_PALETTE = [BLACK, YELLOW, LIGHT_GRAY, TEAL, NAVY, GREEN, CYAN]
# Unused entries: colours that are no key colour.
SPARE = [(16 * i + 8, 8, 8) for i in range(9)]
PALETTE16 = KEY_PALETTE + SPARE


def info_header(width, height, bits, image_size, colors=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       2835, 2835, colors, 0)


def file_header(offset, size):
    return struct.pack("<2sIHHI", b"BM", size, 0, 0, offset)


def bmp4(rows, palette_colors=PALETTE16):
    """A 4-bit BMP of rows of palette indices, the top row first."""
    width, height = len(rows[0]), len(rows)
    row_size = ((width * 4 + 31) // 32) * 4
    pixels = b""
    for row in reversed(rows):
        data = bytearray(row_size)
        for x, index in enumerate(row):
            data[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += bytes(data)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette_colors)
    header = info_header(width, height, 4, len(pixels), 16)
    offset = 14 + len(header) + len(palette)
    return file_header(offset, offset + len(pixels)) + header + palette + pixels


def bmp1(rows):
    """A monochrome BMP (0 black, 1 white), the top row first."""
    width, height = len(rows[0]), len(rows)
    row_size = ((width + 31) // 32) * 4
    pixels = b""
    for row in reversed(rows):
        data = bytearray(row_size)
        for x, bit in enumerate(row):
            if bit:
                data[x // 8] |= 0x80 >> (x % 8)
        pixels += bytes(data)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    header = info_header(width, height, 1, len(pixels), 2)
    offset = 14 + len(header) + len(palette)
    return file_header(offset, offset + len(pixels)) + header + palette + pixels


def bmp24(rows):
    width, height = len(rows[0]), len(rows)
    row_size = (width * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        data = b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row)
        pixels += data + b"\0" * (row_size - len(data))
    header = info_header(width, height, 24, len(pixels))
    offset = 14 + len(header)
    return file_header(offset, offset + len(pixels)) + header + pixels


def index(color):
    return PALETTE16.index(color)


CHECK_MARK = {(3, 5), (3, 6), (3, 7), (4, 6), (4, 7), (4, 8), (5, 7), (5, 8), (5, 9),
              (6, 6), (6, 7), (6, 8), (7, 5), (7, 6), (7, 7), (8, 4), (8, 5), (8, 6),
              (9, 3), (9, 4), (9, 5)}


def check_box(mark, interior, mark_colour=BLACK):
    """13 x 13: a sunken frame of two rings around the interior."""
    rows = []
    for y in range(13):
        row = []
        for x in range(13):
            if x == 12 or y == 12:
                c = CYAN
            elif x == 0 or y == 0:
                c = TEAL
            elif x == 11 or y == 11:
                c = GREEN
            elif x == 1 or y == 1:
                c = NAVY
            elif mark and (x, y) in CHECK_MARK:
                c = mark_colour
            else:
                c = interior
            row.append(index(c))
        rows.append(row)
    return rows


def radio_button(dot, interior, dot_colour=BLACK):
    """12 x 12: a sunken circle on the surround colour."""
    rows = []
    for y in range(12):
        row = []
        for x in range(12):
            d2 = (x - 5.5) ** 2 + (y - 5.5) ** 2
            if d2 > 36:
                c = LIGHT_GRAY
            elif d2 > 25:
                c = TEAL if x + y < 11 else CYAN
            elif d2 > 16:
                c = NAVY if x + y < 11 else GREEN
            elif dot and d2 <= 4:
                c = dot_colour
            else:
                c = interior
            row.append(index(c))
        rows.append(row)
    return rows


def disc_picture(fill, inside):
    """32 x 32 on light grey: a disc of fill with a white sign drawn by inside."""
    rows = []
    for y in range(32):
        row = []
        for x in range(32):
            if (x - 15.5) ** 2 + (y - 15.5) ** 2 > 15 ** 2:
                row.append(LIGHT_GRAY)
            elif inside(x, y):
                row.append((255, 255, 255))
            else:
                row.append(fill)
        rows.append(row)
    return rows


def warning_picture():
    rows = []
    for y in range(32):
        row = []
        for x in range(32):
            half = (y - 2) // 2
            if 2 <= y < 30 and abs(x - 16) <= half:
                sign = 14 <= x <= 17 and (8 <= y < 21 or 24 <= y < 27)
                row.append(BLACK if sign else (255, 220, 0))
            else:
                row.append(LIGHT_GRAY)
        rows.append(row)
    return rows


def question(x, y):
    ring = 9 <= y <= 17 and 20 <= (x - 16) ** 2 + (y - 12) ** 2 <= 36 and not (x < 16 and y > 12)
    return ring or (15 <= x <= 17 and 17 <= y <= 20) or (15 <= x <= 17 and 23 <= y <= 25)


def information(x, y):
    return (15 <= x <= 17 and 7 <= y <= 9) or (15 <= x <= 17 and 12 <= y <= 25)


def error_cross(x, y):
    return 8 <= x <= 23 and 8 <= y <= 23 and (abs(x - y) <= 1 or abs(x + y - 31) <= 1)


def mono_rows(inside):
    rows = []
    for y in range(32):
        bits = 0
        for x in range(32):
            if inside(x, y):
                bits |= 0x80000000 >> x
        rows.append(struct.pack(">I", bits))
    return rows


def cur_file(shape, hot_x, hot_y):
    """A 32 x 32 monochrome cursor: black with a white rim where shape holds."""
    def rim(x, y):
        return not shape(x, y) and any(shape(x + dx, y + dy)
                                       for dx in (-1, 0, 1) for dy in (-1, 0, 1))
    # AND 0 and XOR 0: black; AND 0 and XOR 1: white; AND 1 and XOR 0: screen.
    xor = mono_rows(rim)
    and_mask = mono_rows(lambda x, y: not (shape(x, y) or rim(x, y)))
    image = (info_header(32, 64, 1, 0) + struct.pack("<II", 0x000000, 0xFFFFFF)
             + b"".join(reversed(xor)) + b"".join(reversed(and_mask)))
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


def double_arrow(vertical):
    def shape(x, y):
        if not vertical:
            x, y = y, x
        along = abs(y - 15)
        if along > 12:
            return False
        if 13 <= y <= 17 and 6 <= x <= 24:
            return True  # the pane bar
        head = 12 - along
        return abs(x - 15) <= (head if along >= 8 else 1)
    return shape


def thick_cross(x, y):
    return (13 <= x <= 17 and 4 <= y <= 26) or (13 <= y <= 17 and 4 <= x <= 26)


def select_row(x, y):
    return 6 <= x <= 24 and abs(y - 15) <= (2 if x < 17 else 24 - x)


def help_arrow(x, y):
    arrow = 1 <= y <= 16 and 1 <= x <= 1 + (y - 1) * 2 // 3
    return arrow or (question(x - 4, y - 4) and x >= 14)


def magnify(x, y):
    d2 = (x - 12) ** 2 + (y - 12) ** 2
    return 49 <= d2 <= 81 or (abs(x - y) <= 1 and 18 <= x <= 27)


def pointing_hand(x, y):
    finger = 10 <= x <= 13 and 2 <= y <= 16
    palm = 8 <= x <= 22 and 14 <= y <= 27
    return finger or palm


def key_colour_rows(picture):
    """Rows of palette indices of a picture drawn as text: "#" black, "." light grey."""
    return [[index(BLACK if c == "#" else LIGHT_GRAY) for c in row] for row in picture]


CURSORS = [
    ("ZQF_ResizePaneNSCursor", double_arrow(True), 15, 15),
    ("ZQF_ResizePaneEWCursor", double_arrow(False), 15, 15),
    ("ZQF_ThickCrossCursor", thick_cross, 15, 15),
    ("ZQF_SelectRowCursor", select_row, 24, 15),
    ("ZQF_HelpCursor", help_arrow, 1, 1),
    ("ZQF_MagnifyCursor", magnify, 12, 12),
    ("ZQF_PointingHandCursor", pointing_hand, 11, 2),
    ("ZQF_InvisibleCursor", lambda x, y: False, 0, 0),
]

BITMAPS = [
    ("ZQF_CheckBoxUpBitmap", bmp4(check_box(False, YELLOW))),
    ("ZQF_CheckBoxDownBitmap", bmp4(check_box(True, YELLOW))),
    # Undecided: a shadow-coloured mark on the face colour, apart from a
    # checked box whatever the face colour is.
    ("ZQF_CheckBoxUnknownBitmap", bmp4(check_box(True, LIGHT_GRAY, TEAL))),
    ("ZQF_RadioButtonUpBitmap", bmp4(radio_button(False, YELLOW))),
    ("ZQF_RadioButtonDownBitmap", bmp4(radio_button(True, YELLOW))),
    ("ZQF_RadioButtonUnknownBitmap", bmp4(radio_button(True, LIGHT_GRAY, TEAL))),
    ("ZQF_QuestionBitmap", bmp24(disc_picture((0, 64, 192), question))),
    ("ZQF_InformationBitmap", bmp24(disc_picture((0, 64, 192), information))),
    ("ZQF_WarningBitmap", bmp24(warning_picture())),
    ("ZQF_ErrorBitmap", bmp24(disc_picture((200, 0, 0), error_cross))),
    ("ZQF_FineCheckerboardBitmap_BlackOnWhite",
     bmp1([[(x + y) % 2 for x in range(8)] for y in range(8)])),
]
BITMAPS += [(name, bmp4(key_colour_rows(picture))) for name, picture in TITLE_BAR_PICTURES]
BITMAPS += [(name, bmp4(key_colour_rows(picture))) for name, picture in TOOLBAR_PICTURES]
BITMAPS += [(name, bmp4(key_colour_rows(picture))) for name, picture in PRINT_PREVIEW_PICTURES]
BITMAPS += [(name, bmp4(key_colour_rows(picture))) for name, picture in SCROLL_BAR_PICTURES]
BITMAPS += [(name, bmp4(key_colour_rows(picture))) for name, picture in DROPDOWN_PICTURES]


# Drag feedback and wheel-button scrolling.
def scroll_marks(directions, scale=1.0):
    """Arrowheads pointing away from the centre (15, 15) toward each of the
    unit vectors, around a small ring that marks the origin."""
    def shape(x, y):
        qx, qy = x - 15, y - 15
        if 4 <= qx * qx + qy * qy <= 9:
            return True
        for dx, dy in directions:
            along = (qx * dx + qy * dy) / scale
            across = abs(qx * -dy + qy * dx) / scale
            if 6 <= along <= 13 and across <= (13 - along) * 0.7:
                return True
        return False
    return shape


D = 0.7071
COMPASS = {"N": (0, -1), "S": (0, 1), "E": (1, 0), "W": (-1, 0), "NE": (D, -D),
           "NW": (-D, -D), "SE": (D, D), "SW": (-D, D)}
SCROLL_CURSORS = ["N", "S", "E", "W", "NE", "NW", "SE", "SW", "NS", "EW", "NSEW"]


def scroll_cursor_directions(name):
    if name in COMPASS:
        return [COMPASS[name]]
    return [COMPASS[c] for c in name]


def scroll_origin():
    """32 x 32: a white disc with a black rim and the four arrowheads, on the
    standard transparent colour."""
    marks = scroll_marks([COMPASS[c] for c in "NSEW"], 0.8)
    rows = []
    for y in range(32):
        row = []
        for x in range(32):
            d2 = (x - 15) ** 2 + (y - 15) ** 2
            if d2 > 13 ** 2:
                row.append(LIGHT_GRAY)
            elif d2 > 12 ** 2 or marks(x, y):
                row.append(BLACK)
            else:
                row.append((255, 255, 255))
        rows.append(row)
    return rows


CURSORS += [("ZQF_Scroll%sCursor" % name, scroll_marks(scroll_cursor_directions(name)), 15, 15)
            for name in SCROLL_CURSORS]
BITMAPS += [
    ("ZQF_FineCheckerboardBitmap_BlackOnLightGray",
     bmp24([[BLACK if (x + y) % 2 else LIGHT_GRAY for x in range(8)] for y in range(8)])),
    ("ZQF_ScrollOriginBitmap", bmp24(scroll_origin())),
]


# The wizard's default picture: a path that winds from the foreground over
# two hills toward a rising sun, under a sky that lightens toward the
# horizon. 120 x 379 pixels, 8 bits per pixel.
WIZARD_WIDTH, WIZARD_HEIGHT = 120, 379


def bmp8(rows):
    """An 8-bit BMP of rows of (r, g, b), the top row first; at most 256
    distinct colours, the palette in order of first use."""
    palette, indices = [], {}
    for row in rows:
        for color in row:
            if color not in indices:
                indices[color] = len(palette)
                palette.append(color)
    assert len(palette) <= 256, len(palette)
    width, height = len(rows[0]), len(rows)
    row_size = (width + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        data = bytes(indices[color] for color in row)
        pixels += data + b"\0" * (row_size - len(data))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    header = info_header(width, height, 8, len(pixels), len(palette))
    offset = 14 + len(header) + len(table)
    return file_header(offset, offset + len(pixels)) + header + table + pixels


def mix(c1, c2, t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1, c2))


def wizard_picture():
    import math
    w, h = WIZARD_WIDTH, WIZARD_HEIGHT
    horizon = 230
    sun_x, sun_y, sun_r = 78, 196, 22

    def far_hill(x):
        return 232 - 26 * math.exp(-((x - 30) / 38.0) ** 2) - 10 * math.sin(x / 17.0)

    def near_hill(x):
        return 286 - 34 * math.exp(-((x - 100) / 45.0) ** 2)

    def path_centre(y):
        # From the bottom centre, winding up to the far hill's crest.
        t = (h - 1 - y) / float(h - 1 - 214)
        return 60 + 26 * math.sin(t * 5.0) * (1 - t) + 8 * t

    def path_half_width(y):
        return 1 + 20 * ((y - 214) / float(h - 1 - 214)) ** 1.5

    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            # Sky: 96 steps from deep blue to a pale dawn at the horizon.
            t = min(1.0, y / float(horizon))
            color = mix((16, 36, 104), (250, 214, 160), round(t * 95) / 95.0)
            d = math.hypot(x - sun_x, y - sun_y)
            if d <= sun_r:
                color = (255, 236, 120) if d <= sun_r - 3 else (255, 204, 96)
            if y >= far_hill(x):
                depth = min(1.0, (y - far_hill(x)) / 60.0)
                color = mix((96, 150, 92), (52, 110, 60), round(depth * 15) / 15.0)
            if y >= near_hill(x):
                depth = min(1.0, (y - near_hill(x)) / 93.0)
                color = mix((70, 140, 52), (28, 84, 30), round(depth * 23) / 23.0)
            if y >= 214 and y >= far_hill(x) - 1:
                if abs(x - path_centre(y)) <= path_half_width(y):
                    shade = round(min(1.0, (y - 214) / 165.0) * 15) / 15.0
                    color = mix((214, 196, 150), (176, 144, 96), shade)
            row.append(color)
        rows.append(row)
    return rows


# Whole image files embedded as RCDATA, loaded by name.
RCDATA = [("ZQF_STANDARDWIZARDIMAGE", "ZQF_StandardWizardImage.bmp", lambda: bmp8(wizard_picture()))]
# The node boxes of the trees: "X" the line colour, "." transparent light
# grey. The plain and Win95 lines are magenta, which the lists replace by the
# window text colour; the subtle ones stay dark grey.
MAGENTA = (255, 0, 255)
DARK_GRAY = (128, 128, 128)
# Box interiors: grey in the plain and Win95 looks, cyan in the subtle one.
INTERIOR_GRAY = (164, 164, 164)
NODE_PALETTE = [LIGHT_GRAY, MAGENTA, DARK_GRAY, INTERIOR_GRAY, CYAN] + SPARE + [(8, 8, 24), (8, 8, 40)]

PLAIN_CLOSED = ["...XXXX...", "...X..X...", "...X..X...", "XXXX..XXXX", "X........X",
                "X........X", "XXXX..XXXX", "...X..X...", "...X..X...", "...XXXX..."]
PLAIN_OPEN = ["." * 10] * 3 + ["XXXXXXXXXX", "X........X", "X........X", "XXXXXXXXXX"] + ["." * 10] * 3
PLAIN_NONE = ["." * 10] * 3 + ["....XX....", "...X..X...", "...X..X...", "....XX...."] + ["." * 10] * 3
WIN95_CLOSED = ["XXXXXXXXX", "X.......X", "X...X...X", "X...X...X", "X.XXXXX.X",
                "X...X...X", "X...X...X", "X.......X", "XXXXXXXXX"]
WIN95_OPEN = ["XXXXXXXXX", "X.......X", "X.......X", "X.......X", "X.XXXXX.X",
              "X.......X", "X.......X", "X.......X", "XXXXXXXXX"]
SUBTLE_CLOSED = [".........", "...XXX...", "...X.X...", ".XXX.XXX.", ".X.....X.",
                 ".XXX.XXX.", "...X.X...", "...XXX...", "........."]
SUBTLE_OPEN = ["........."] * 3 + [".XXXXXXX.", ".X.....X.", ".XXXXXXX."] + ["........."] * 3
EMPTY9 = ["........."] * 9


def enclosed(picture):
    """The pixels that "X" pixels enclose: not reachable from the edge."""
    height, width = len(picture), len(picture[0])
    outside = set()
    todo = [(x, y) for y in range(height) for x in range(width)
            if x in (0, width - 1) or y in (0, height - 1)]
    while todo:
        x, y = todo.pop()
        if not (0 <= x < width and 0 <= y < height) or (x, y) in outside or picture[y][x] == "X":
            continue
        outside.add((x, y))
        todo += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
    return {(x, y) for y in range(height) for x in range(width)
            if picture[y][x] != "X" and (x, y) not in outside}


def node_rows(picture, line, interior):
    """A box's insides are the interior key colour, which the lists replace by
    the window background: a line under the box must not show through and
    turn an open box into a plus."""
    inside = enclosed(picture)
    return [[NODE_PALETTE.index(line if c == "X" else interior if (x, y) in inside else LIGHT_GRAY)
             for x, c in enumerate(row)] for y, row in enumerate(picture)]


for focus in ("NoFocus", "Focus"):
    for state, picture in (("NoChildren", PLAIN_NONE), ("Closed", PLAIN_CLOSED), ("Open", PLAIN_OPEN)):
        BITMAPS.append(("ZQF_Plain_%s%sBitmap" % (state, focus),
                        bmp4(node_rows(picture, MAGENTA, INTERIOR_GRAY), NODE_PALETTE)))
for look, line, interior, pictures in (
        ("Win95", MAGENTA, INTERIOR_GRAY, (EMPTY9, WIN95_CLOSED, WIN95_OPEN)),
        ("Subtle", DARK_GRAY, CYAN, (EMPTY9, SUBTLE_CLOSED, SUBTLE_OPEN))):
    for state, picture in zip(("NoChildren", "Closed", "Open"), pictures):
        BITMAPS.append(("ZQF_%s_%sBitmap" % (look, state),
                        bmp4(node_rows(picture, line, interior), NODE_PALETTE)))


# The picture view's mouse tools.
def magnifying_glass(x, y):
    """The magnifier with a plus inside its lens: clicking zooms in."""
    plus = (abs(x - 12) <= 3 and y == 12) or (abs(y - 12) <= 3 and x == 12)
    return magnify(x, y) or plus


def pan_arrows(x, y):
    """A cross of four arrows: dragging moves the picture."""
    along_x, along_y = abs(x - 15), abs(y - 15)
    shaft = (along_x <= 11 and along_y <= 0) or (along_y <= 11 and along_x <= 0)
    heads = ((along_x >= 8 and along_x <= 12 and along_y <= 12 - along_x) or
             (along_y >= 8 and along_y <= 12 and along_x <= 12 - along_y))
    return shaft or heads


def properties_arrow(x, y):
    """An arrow with a small framed "i" beside it: clicking shows properties."""
    arrow = 1 <= y <= 16 and 1 <= x <= 1 + (y - 1) * 2 // 3
    frame = (x in (14, 26) and 12 <= y <= 26) or (y in (12, 26) and 14 <= x <= 26)
    letter = x == 20 and (y == 15 or 17 <= y <= 23)
    return arrow or frame or letter


def zoom_out_glass(x, y):
    """The magnifier with a minus inside its lens: clicking zooms out."""
    minus = abs(x - 12) <= 3 and y == 12
    return magnify(x, y) or minus


CURSORS += [
    # The print preview's inspection tool over a page, and over a zoomed one.
    ("ZQF_ZoomInCursor", magnifying_glass, 12, 12),
    ("ZQF_ZoomOutCursor", zoom_out_glass, 12, 12),
    ("ZQPICxZQF_MagnifyingGlassCursor", magnifying_glass, 12, 12),
    ("ZQPICxZQF_PanCursor", pan_arrows, 15, 15),
    ("ZQPICxZQF_DisplayPropertiesCursor", properties_arrow, 1, 1),
]


def main():
    lines = ["// The GUI toolkit's embedded pictures, written with their data files by",
             "// make_gui_resources.py. Every program that links the toolkit carries them."]
    for name, data in BITMAPS:
        with open(os.path.join(HERE, name + ".bmp"), "wb") as f:
            f.write(data)
        lines.append('%s BITMAP "%s.bmp"' % (name, name))
    for name, shape, hot_x, hot_y in CURSORS:
        with open(os.path.join(HERE, name + ".cur"), "wb") as f:
            f.write(cur_file(shape, hot_x, hot_y))
        lines.append('%s CURSOR "%s.cur"' % (name, name))
    for name, file_name, make in RCDATA:
        with open(os.path.join(HERE, file_name), "wb") as f:
            f.write(make())
        lines.append('%s RCDATA "%s"' % (name, file_name))
    with open(os.path.join(HERE, "ZQGuiResources.rc"), "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
