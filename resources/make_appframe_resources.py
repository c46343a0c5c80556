#!/usr/bin/env python3
"""Writes the application framework's embedded pictures, which
ZQAppFrameResources.rc names: the default main icon ZQF_DefaultMainIcon
(32 x 32, 16 colours), the default main bitmap ZQF_DefaultMainBitmap
(32 x 32, 4 bits per pixel) and the default company logo ZQF_TavistelLogo (a
PNG image kept as raw data). All three show the same mark: a sun over a
thermometer. Also the about box's hidden picture ZQF_SmallTestImageTwo (a
JPEG landscape, encoded by ImageMagick's convert). Run from anywhere; the
files land beside this script."""

import os
import subprocess
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette; the mark uses a few of its entries.
PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
             (128, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128),
             (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
             (255, 0, 255), (0, 255, 255), (255, 255, 255)]
CLEAR, DARK_RED, GREY, RED, YELLOW, WHITE, BLUE = 0, 1, 8, 9, 11, 15, 4


def mark(size):
    """Palette indices, rows top first: a yellow sun at the upper left, a
    thermometer with a red column at the right; None is transparent."""
    scale = size / 32.0
    pixels = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            fx, fy = x / scale, y / scale
            dx, dy = fx - 11.5, fy - 11.5
            d2 = dx * dx + dy * dy
            if d2 <= 36:
                pixels[y][x] = YELLOW
            elif d2 <= 100 and (abs(dx) < 1.2 or abs(dy) < 1.2 or abs(abs(dx) - abs(dy)) < 1.2):
                pixels[y][x] = YELLOW
            # thermometer: a tube from y 4 to 24, a bulb below
            tx, ty = fx - 24.5, fy - 25.5
            if 3 <= fy <= 25 and abs(fx - 24.5) <= 3:
                pixels[y][x] = GREY if abs(fx - 24.5) > 1.8 else (RED if fy >= 12 else WHITE)
            if tx * tx + ty * ty <= 25:
                pixels[y][x] = GREY if tx * tx + ty * ty > 12 else RED
    return pixels


def bmp_rows(pixels, background):
    """4-bit rows, bottom first, each padded to 4 bytes."""
    rows = []
    for row in reversed(pixels):
        values = [background if p is None else p for p in row]
        data = bytes((values[i] << 4) | values[i + 1] for i in range(0, len(values), 2))
        rows.append(data + b"\0" * ((-len(data)) % 4))
    return b"".join(rows)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE16)


def write_bitmap(name, pixels):
    size = len(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 4, 0, 0, 2835, 2835, 16, 0)
    bits = bmp_rows(pixels, WHITE)
    offset = 14 + len(info) + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(header + info + palette_bytes() + bits)


def icon_image(pixels, transparent_colour):
    """One 16-colour icon image: its header, palette, colour rows (None
    pixels in transparent_colour) and the AND mask that makes them clear."""
    size = len(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, 0, 0, 0, 16, 0)
    colour = bmp_rows(pixels, transparent_colour)
    mask_rows = []
    for row in reversed(pixels):
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (size - 1 - x)
        data = bits.to_bytes(size // 8, "big")
        mask_rows.append(data + b"\0" * ((-len(data)) % 4))
    return info + palette_bytes() + colour + b"".join(mask_rows)


def write_icon(name, pixels):
    size = len(pixels)
    image = icon_image(pixels, CLEAR)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4,
                                                           len(image), 22)
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(directory + image)


def write_png(name, width, height):
    """The mark at 64 x 64 on the left of a white band with a blue rule."""
    big = mark(64)
    rows = []
    for y in range(height):
        row = bytearray(b"\0")
        for x in range(width):
            colour = (255, 255, 255)
            if x < 64 and y < 64 and big[y][x] is not None:
                colour = PALETTE16[big[y][x]]
            elif x >= 72 and 28 <= y < 36:
                colour = (0, 0, 160)
            elif x >= 72 and 16 <= y < 24 and (x // 8) % 2 == 0:
                colour = (128, 0, 0)
            row += bytes(colour)
        rows.append(bytes(row))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    png = (b"\x89PNG\r\n\x1a\n" +
           chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(png)


def write_jpeg(name, width, height):
    """A sky over hills with a sun, as a JPEG: ImageMagick encodes a PPM."""
    pixels = bytearray()
    for y in range(height):
        for x in range(width):
            hill = height * 2 // 3 + int(10 * ((x - width // 2) / width) ** 2 * 8)
            if (x - width * 3 // 4) ** 2 + (y - height // 4) ** 2 < 15 ** 2:
                colour = (250, 210, 40)
            elif y > hill:
                colour = (40, 130 + (y - hill), 50)
            else:
                colour = (90 + y, 150 + y // 2, 235)
            pixels += bytes(min(c, 255) for c in colour)
    ppm = b"P6 %d %d 255\n" % (width, height) + bytes(pixels)
    subprocess.run(["/usr/bin/convert", "ppm:-", "-quality", "85",
                    os.path.join(HERE, name)], input=ppm, check=True)


def main():
    pixels = mark(32)
    write_icon("ZQAPP_DefaultMainIcon.ico", pixels)
    write_bitmap("ZQAPP_DefaultMainBitmap.bmp", pixels)
    write_png("ZQAPP_DefaultLogo.png", 192, 64)
    write_jpeg("ZQAPP_SmallTestImageTwo.jpg", 160, 120)


if __name__ == "__main__":
    main()
