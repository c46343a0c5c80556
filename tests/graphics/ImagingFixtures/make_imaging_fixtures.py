#!/usr/bin/env python3
"""Writes the image fixtures of the imaging tests, with only the standard
library: PNG files of every colour type and depth (plain, interlaced, with
transparency), BMP files and packed DIBs, and TIFF files (uncompressed in both
byte orders and PackBits-compressed), each with a raw file of the pixels a
decoder must deliver (red, green, blue, top-down; transparency composited on
white). Also writes the resource script and the C++ table that list them, and
the synthetic picture (ppm) from which the progressive JPEG was made once:
    convert progressive_source.ppm -interlace Plane -quality 92 jpeg_progressive.jpg
Run from anywhere; the outputs go next to this script and to its parent."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
PARENT = os.path.dirname(HERE)
FIXTURES = []  # (resource name, file name, width, height, info bits, kind, format)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def add(resource, filename, data, expected_rgb, width, height, bits, kind="RCDATA", fmt="Exact"):
    write(filename, data)
    write(filename + ".rgb", bytes(expected_rgb))
    FIXTURES.append((resource, filename, width, height, bits, kind, fmt))


def pattern(x, y, c):
    return (x * 37 + y * 91 + c * 53 + x * y * 7) % 256


# ---------------------------------------------------------------- PNG

def sample(x, y, c, depth):
    v = pattern(x, y, c)
    if depth == 16:
        return v * 256 + (x * 13 + y * 29 + c * 7) % 256
    return v >> (8 - depth)


def to8(s, depth):
    if depth == 16:
        return (s * 255 + 32767) // 65535
    return s * 255 // ((1 << depth) - 1)


def on_white(c, a):
    return (c * a + 255 * (255 - a) + 127) // 255


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def pack_row(samples, depth):
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    out, acc, used = bytearray(), 0, 0
    for s in samples:
        acc = (acc << depth) | s
        used += depth
        if used == 8:
            out.append(acc)
            acc, used = 0, 0
    if used:
        out.append(acc << (8 - used))
    return bytes(out)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filter_row(kind, row, above, step):
    out = bytearray()
    for i, v in enumerate(row):
        left = row[i - step] if i >= step else 0
        up = above[i]
        upleft = above[i - step] if i >= step else 0
        pred = [0, left, up, (left + up) // 2, paeth(left, up, upleft)][kind]
        out.append((v - pred) & 255)
    return bytes([kind]) + bytes(out)


ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def png_pixels(w, h, ctype, depth):
    """Raw samples of each pixel."""
    n = CHANNELS[ctype]
    if ctype == 3:
        return [[[(x + 3 * y) % min(1 << depth, 200)] for x in range(w)] for y in range(h)]
    return [[[sample(x, y, c, depth) for c in range(n)] for x in range(w)] for y in range(h)]


def palette_of(count):
    return [((i * 67) % 256, (i * 151 + 30) % 256, (255 - i * 13) % 256) for i in range(count)]


def png_file(w, h, ctype, depth, interlaced, pixels, trns=None, split_idat=False, extra_chunk=False):
    n = CHANNELS[ctype]
    step = max(1, depth * n // 8)
    passes = ADAM7 if interlaced else [(0, 0, 1, 1)]
    raw, rowno = bytearray(), 0
    for x0, y0, dx, dy in passes:
        xs = list(range(x0, w, dx))
        ys = list(range(y0, h, dy))
        if not xs or not ys:
            continue
        above = bytes(len(pack_row([0] * len(xs) * n, depth)))
        for y in ys:
            row = pack_row([s for x in xs for s in pixels[y][x]], depth)
            raw += filter_row(rowno % 5, row, above, step)
            above = row
            rowno += 1
    data = zlib.compress(bytes(raw), 9)
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, ctype, 0, 0, 1 if interlaced else 0))
    if extra_chunk:
        out += chunk(b"tEXt", b"Comment\0made here")
    if ctype == 3:
        out += chunk(b"PLTE", b"".join(bytes(c) for c in palette_of(min(1 << depth, 200))))
    if trns is not None:
        out += chunk(b"tRNS", trns)
    if split_idat:
        third = len(data) // 3 + 1
        for i in range(0, len(data), third):
            out += chunk(b"IDAT", data[i:i + third])
    else:
        out += chunk(b"IDAT", data)
    return out + chunk(b"IEND", b"")


def png_expected(w, h, ctype, depth, pixels, trns=None):
    out = bytearray()
    pal = palette_of(min(1 << depth, 200)) if ctype == 3 else None
    alphas = list(trns) if (ctype == 3 and trns) else []
    key = None
    if trns is not None and ctype in (0, 2):
        key = list(struct.unpack(">%dH" % (len(trns) // 2), trns))
    for y in range(h):
        for x in range(w):
            s = pixels[y][x]
            if ctype == 3:
                rgb, a = pal[s[0]], alphas[s[0]] if s[0] < len(alphas) else 255
            else:
                grey = ctype in (0, 4)
                rgb = [to8(s[0 if grey else c], depth) for c in range(3)]
                a = to8(s[-1], depth) if ctype in (4, 6) else 255
                if key is not None and list(s[:len(key)]) == key:
                    a = 0
            out += bytes(on_white(c, a) for c in rgb)
    return out


def make_pngs():
    w, h = 13, 9
    depths = {0: [1, 2, 4, 8, 16], 2: [8, 16], 3: [1, 2, 4, 8], 4: [8, 16], 6: [8, 16]}
    for ctype, ds in depths.items():
        for depth in ds:
            for interlaced in (False, True):
                px = png_pixels(w, h, ctype, depth)
                name = "PNG_T%d_D%d%s" % (ctype, depth, "_I" if interlaced else "")
                data = png_file(w, h, ctype, depth, interlaced, px, split_idat=interlaced, extra_chunk=not interlaced)
                add(name, name.lower() + ".png", data, png_expected(w, h, ctype, depth, px), w, h, depth * CHANNELS[ctype])
    # Transparency: a grey or colour key taken from a pixel that occurs, and
    # palette alphas.
    for ctype, depth, interlaced in [(0, 1, False), (0, 8, True), (0, 16, False), (2, 8, False), (2, 16, True),
                                     (3, 4, False), (3, 8, True)]:
        px = png_pixels(w, h, ctype, depth)
        if ctype == 3:
            trns = bytes((i * 41) % 256 for i in range(min(1 << depth, 200) - 1))
        else:
            trns = b"".join(struct.pack(">H", s) for s in px[2][3])
        name = "PNG_T%d_D%d_TRNS%s" % (ctype, depth, "_I" if interlaced else "")
        add(name, name.lower() + ".png", png_file(w, h, ctype, depth, interlaced, px, trns),
            png_expected(w, h, ctype, depth, px, trns), w, h, depth * CHANNELS[ctype])


# ---------------------------------------------------------------- BMP

def rgb_pattern(w, h):
    return [[(pattern(x, y, 0), pattern(x, y, 1), pattern(x, y, 2)) for x in range(w)] for y in range(h)]


def bmp_dib(w, h, bits, top_down, core=False):
    """A packed DIB and its expected pixels."""
    colors = 1 << bits if bits <= 8 else 0
    pal = palette_of(colors)
    if bits <= 8:
        idx = [[(x * 5 + y * 3) % colors for x in range(w)] for y in range(h)]
        pix = [[pal[idx[y][x]] for x in range(w)] for y in range(h)]
    else:
        pix = rgb_pattern(w, h)
    stride = (w * bits + 31) // 32 * 4
    rows = []
    for y in range(h):
        if bits <= 8:
            row = pack_row(idx[y], bits)
        else:
            row = b"".join(bytes((b, g, r) + ((x % 7 * 30,) if bits == 32 else ())) for x, (r, g, b) in enumerate(pix[y]))
        rows.append(row + bytes(stride - len(row)))
    if not top_down:
        rows.reverse()
    if core:
        header = struct.pack("<IHHHH", 12, w, h, 1, bits)
        palette = b"".join(bytes((b, g, r)) for r, g, b in pal)
    else:
        header = struct.pack("<IiiHHIIiiII", 40, w, -h if top_down else h, 1, bits, 0, stride * h, 2835, 2835, colors, 0)
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in pal)
    expected = b"".join(bytes(c) for row in pix for c in row)
    return header + palette + b"".join(rows), expected


def bmp_file(dib, header_and_palette_size):
    off = 14 + header_and_palette_size
    return b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, off) + dib


def make_bmps():
    for bits in (1, 4, 8, 24, 32):
        for top_down in (False, True):
            w, h = 11, 7
            dib, expected = bmp_dib(w, h, bits, top_down)
            pal_size = (1 << bits) * 4 if bits <= 8 else 0
            tag = "BMP_%d_%s" % (bits, "TD" if top_down else "BU")
            add(tag, tag.lower() + ".bmp", bmp_file(dib, 40 + pal_size), expected, w, h, bits)
            add(tag + "_DIB", tag.lower() + ".dib", dib, expected, w, h, bits)
    dib, expected = bmp_dib(9, 5, 24, False, core=True)
    add("BMP_24_CORE", "bmp_24_core.bmp", bmp_file(dib, 12), expected, 9, 5, 24)
    # The error image's shape: 14 x 16, 16 colours, 246 bytes as a file; also
    # compiled as a BITMAP resource (the resource compiler strips the file
    # header) and one 24-bit bitmap.
    dib, expected = bmp_dib(14, 16, 4, False)
    data = bmp_file(dib, 40 + 64)
    assert len(data) == 246
    add("BMP_ERRORIMAGE", "bmp_errorimage.bmp", data, expected, 14, 16, 4)
    add("BMP_ERRORIMAGE_BITMAP", "bmp_errorimage.bmp", data, expected, 14, 16, 4, kind="BITMAP")
    add("BMP_24_BU_BITMAP", "bmp_24_bu.bmp", open(os.path.join(HERE, "bmp_24_bu.bmp"), "rb").read(),
        bmp_dib(11, 7, 24, False)[1], 11, 7, 24, kind="BITMAP")


# ---------------------------------------------------------------- TIFF

def packbits(row):
    out, i = bytearray(), 0
    while i < len(row):
        run = 1
        while i + run < len(row) and run < 128 and row[i + run] == row[i]:
            run += 1
        if run >= 2:
            out += bytes([257 - run, row[i]])
            i += run
            continue
        start = i
        while i < len(row) and i - start < 128 and (i + 1 >= len(row) or row[i + 1] != row[i]):
            i += 1
        if i == start:
            i += 1
        out += bytes([i - start - 1]) + row[start:i]
    return bytes(out)


def tiff_file(w, h, pix, order, compressed, grey=False):
    e = "<" if order == "II" else ">"
    spp = 1 if grey else 3
    rows = []
    for y in range(h):
        row = bytes(pix[y][x][0] for x in range(w)) if grey else b"".join(bytes(c) for c in pix[y])
        rows.append(packbits(row) if compressed else row)
    strip = b"".join(rows)
    entries = []  # tag, type, count, value or data
    bps_offset = 8
    strip_offset = bps_offset + 8
    ifd_offset = strip_offset + len(strip) + (len(strip) & 1)
    entries = [(256, 3, 1, w), (257, 4, 1, h), (258, 3, spp, 8 if grey else bps_offset),
               (259, 3, 1, 32773 if compressed else 1), (262, 3, 1, 1 if grey else 2), (273, 4, 1, strip_offset),
               (277, 3, 1, spp), (278, 3, 1, h), (279, 4, 1, len(strip)), (284, 3, 1, 1)]
    out = order.encode() + struct.pack(e + "HI", 42, ifd_offset)
    out += struct.pack(e + "HHH", 8, 8, 8) + b"\0\0"
    out += strip + (b"\0" if len(strip) & 1 else b"")
    out += struct.pack(e + "H", len(entries))
    for tag, typ, count, value in entries:
        packed = struct.pack(e + "H", value) + b"\0\0" if typ == 3 and count == 1 else struct.pack(e + "I", value)
        out += struct.pack(e + "HHI", tag, typ, count) + packed
    return out + struct.pack(e + "I", 0)


def make_tiffs():
    w, h = 10, 6
    pix = rgb_pattern(w, h)
    expected = b"".join(bytes(c) for row in pix for c in row)
    add("TIFF_II", "tiff_ii.tif", tiff_file(w, h, pix, "II", False), expected, w, h, 24, fmt="Exact")
    add("TIFF_MM", "tiff_mm.tif", tiff_file(w, h, pix, "MM", False), expected, w, h, 24, fmt="Exact")
    # Flat runs, so that PackBits has repeats to find.
    flat = [[(40 * (x // 4), 200, 90 + 10 * y) for x in range(w)] for y in range(h)]
    add("TIFF_PACKBITS", "tiff_packbits.tif", tiff_file(w, h, flat, "II", True),
        b"".join(bytes(c) for row in flat for c in row), w, h, 24)
    grey = [[(pattern(x, y, 0),) * 3 for x in range(w)] for y in range(h)]
    add("TIFF_GREY", "tiff_grey.tif", tiff_file(w, h, grey, "MM", False, grey=True),
        b"".join(bytes(c) for row in grey for c in row), w, h, 8)


# ---------------------------------------------------------------- JPEG

def make_progressive_source():
    """A smooth picture for the progressive JPEG (made by convert, once)."""
    w, h = 48, 32
    pix = [[(4 * x + 40, 5 * y + 50, (2 * x + 3 * y) % 200 + 30) for x in range(w)] for y in range(h)]
    data = b"".join(bytes(c) for row in pix for c in row)
    write("progressive_source.ppm", b"P6\n%d %d\n255\n" % (w, h) + data)
    name = "jpeg_progressive.jpg"
    if os.path.exists(os.path.join(HERE, name)):
        write(name + ".rgb", data)
        FIXTURES.append(("JPEG_PROGRESSIVE", name, w, h, 24, "RCDATA", "Approximate"))


def write_lists():
    with open(os.path.join(PARENT, "ImagingTestResources.rc"), "w") as rc:
        rc.write("// Made by ImagingFixtures/make_imaging_fixtures.py: the image fixtures and\n"
                 "// the pixels each must decode to.\n")
        for res, fn, w, h, bits, kind, fmt in FIXTURES:
            rc.write('%s %s "ImagingFixtures/%s"\n' % (res, kind, fn))
            if kind == "RCDATA":
                rc.write('%s_RGB RCDATA "ImagingFixtures/%s.rgb"\n' % (res, fn))
    with open(os.path.join(PARENT, "ImagingFixtures.inc"), "w") as inc:
        inc.write("// Made by ImagingFixtures/make_imaging_fixtures.py: resource name, the\n"
                  "// resource of its expected pixels (RGB, top-down), width, height, bits\n"
                  "// per pixel of the header, exact or approximate.\n")
        for res, fn, w, h, bits, kind, fmt in FIXTURES:
            rgb = res + "_RGB" if kind == "RCDATA" else res.replace("_BITMAP", "") + "_RGB"
            inc.write('{"%s", "%s", %d, %d, %d, %s},\n' % (res, rgb, w, h, bits, "true" if fmt == "Exact" else "false"))


make_pngs()
make_bmps()
make_tiffs()
make_progressive_source()
write_lists()
