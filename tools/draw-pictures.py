#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws every picture Lotcraft ships.

The pictures beside the item pages go to resources/ (GIF, and one JPEG), the pictures of the
main window go to src/ui/pictures/ (PNG; the button pictures once more for a dark desktop in
dark/, and in German in de/ and de/dark/), the desktop's icons to data/icons/ (PNG at each
size of the icon theme, and SVG). Everything is drawn here from shapes and from our
own small bitmap fonts, with the Python standard library only: this file carries its own GIF
encoder (GIF89a, LZW, a palette, transparency through the Graphic Control Extension), PNG
writer and baseline JPEG encoder. Nothing here depends on the time or on chance, so running
the script again writes the same bytes.

    python3 tools/draw-pictures.py              writes the pictures into the work tree
    python3 tools/draw-pictures.py --out DIR    writes them under DIR instead (same layout)
"""

import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------------------------------
# Colours

def rgb(text, alpha=255):
    """'#RRGGBB' to an (r, g, b, a) tuple."""
    text = text.lstrip("#")
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16), alpha)


def mix(a, b, t):
    """The colour t of the way from a to b (t from 0 to 1)."""
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


TRANSPARENT = (0, 0, 0, 0)
WHITE = rgb("#FFFFFF")
BLACK = rgb("#000000")

# ---------------------------------------------------------------------------------------
# Fonts: rows of '#' (lit) and '.' (unlit), top row first. Lower-case letters may have two
# more rows below the base line for their descenders.

FONT_5X7_ROWS = {
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": "### .#. .#. .#. .#. .#. ###",
    "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.",
    "1": ".#. ##. .#. .#. .#. .#. ###",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####",
    "3": "####. ....# ....# .###. ....# ....# ####.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": ".###. #.... #.... ####. #...# #...# .###.",
    "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.",
    "9": ".###. #...# #...# .#### ....# ....# .###.",
    "a": "..... ..... .###. ....# .#### #...# .####",
    "b": "#.... #.... ####. #...# #...# #...# ####.",
    "c": ".... .... .### #... #... #... .###",
    "d": "....# ....# .#### #...# #...# #...# .####",
    "e": "..... ..... .###. #...# ##### #.... .####",
    "f": "..## .#.. #### .#.. .#.. .#.. .#..",
    "g": "..... ..... .#### #...# #...# #...# .#### ....# .###.",
    "h": "#.... #.... ####. #...# #...# #...# #...#",
    "i": "# . # # # # #",
    "j": "..# ... ..# ..# ..# ..# ..# ..# ##.",
    "k": "#... #... #..# #.#. ##.. #.#. #..#",
    "l": "#. #. #. #. #. #. .#",
    "m": "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.#",
    "n": "..... ..... ####. #...# #...# #...# #...#",
    "o": "..... ..... .###. #...# #...# #...# .###.",
    "p": "..... ..... ####. #...# #...# #...# ####. #.... #....",
    "q": "..... ..... .#### #...# #...# #...# .#### ....# ....#",
    "r": "..... ..... #.##. ##..# #.... #.... #....",
    "s": "..... ..... .#### #.... .###. ....# ####.",
    "t": ".#.. .#.. #### .#.. .#.. .#.. ..##",
    "u": "..... ..... #...# #...# #...# #...# .####",
    "v": "..... ..... #...# #...# #...# .#.#. ..#..",
    "w": "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    "x": "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    "y": "..... ..... #...# #...# #...# #...# .#### ....# .###.",
    "z": "..... ..... ##### ...#. ..#.. .#... #####",
    " ": "... ... ... ... ... ... ...",
    ".": ". . . . . . #",
    ",": ".. .. .. .. .. .# #.",
    "-": "... ... ... ### ... ... ...",
    ":": ". . # . . # .",
    "!": "# # # # # . #",
    "?": ".###. #...# ....# ...#. ..#.. ..... ..#..",
    "&": ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#",
    "$": "..#.. .#### #.#.. .###. ..#.# ####. ..#..",
    "/": "....# ....# ...#. ..#.. .#... #.... #....",
}

FONT_3X5_ROWS = {
    "A": ".#. #.# ### #.# #.#",
    "B": "##. #.# ##. #.# ##.",
    "C": ".## #.. #.. #.. .##",
    "D": "##. #.# #.# #.# ##.",
    "E": "### #.. ##. #.. ###",
    "F": "### #.. ##. #.. #..",
    "G": ".## #.. #.# #.# .##",
    "H": "#.# #.# ### #.# #.#",
    "I": "### .#. .#. .#. ###",
    "J": "..# ..# ..# #.# .#.",
    "K": "#.# #.# ##. #.# #.#",
    "L": "#.. #.. #.. #.. ###",
    "M": "#...# ##.## #.#.# #...# #...#",
    "N": "#..# ##.# #.## #..# #..#",
    "O": ".#. #.# #.# #.# .#.",
    "P": "##. #.# ##. #.. #..",
    "Q": ".#. #.# #.# ##. .##",
    "R": "##. #.# ##. #.# #.#",
    "S": ".## #.. .#. ..# ##.",
    "T": "### .#. .#. .#. .#.",
    "U": "#.# #.# #.# #.# ###",
    "V": "#.# #.# #.# #.# .#.",
    "W": "#...# #...# #.#.# #.#.# .#.#.",
    "X": "#.# #.# .#. #.# #.#",
    "Y": "#.# #.# .#. .#. .#.",
    "Z": "### ..# .#. #.. ###",
    "0": "### #.# #.# #.# ###",
    "1": ".#. ##. .#. .#. ###",
    "2": "##. ..# .#. #.. ###",
    "3": "##. ..# .#. ..# ##.",
    "4": "#.# #.# ### ..# ..#",
    "5": "### #.. ##. ..# ##.",
    "6": ".## #.. ### #.# ###",
    "7": "### ..# .#. .#. .#.",
    "8": "### #.# ### #.# ###",
    "9": "### #.# ### ..# ##.",
    " ": ".. .. .. .. ..",
    ".": ". . . . #",
    "-": "... ... ### ... ...",
    "&": ".#. #.. .#. #.# .##",
    "$": ".## ##. .#. .## ##.",
}


class Font:
    """A bitmap font: each glyph is a list of rows of booleans."""

    def __init__(self, rows, height):
        self.height = height
        self.glyphs = {}
        for char, text in rows.items():
            lines = text.split(" ")
            width = len(lines[0])
            if any(len(line) != width for line in lines):
                raise ValueError("glyph %r has rows of different widths" % char)
            self.glyphs[char] = [[c == "#" for c in line] for line in lines]

    def glyph(self, char):
        if char not in self.glyphs:
            raise KeyError("the font has no glyph for %r" % char)
        return self.glyphs[char]

    def width(self, text, spacing=1):
        """The width of text in font pixels."""
        if not text:
            return 0
        return sum(len(self.glyph(c)[0]) for c in text) + spacing * (len(text) - 1)


FONT_5X7 = Font(FONT_5X7_ROWS, 7)
FONT_3X5 = Font(FONT_3X5_ROWS, 5)

# ---------------------------------------------------------------------------------------
# Shapes: a shape says whether a point (in pixel units, the pixel (i, j) covering
# [i, i+1) x [j, j+1)) lies inside it, and gives a box outside which it never does.

class Shape:
    def __init__(self, inside, box):
        self.inside = inside
        self.box = box  # (x0, y0, x1, y1)

    def __or__(self, other):
        a, b = self.inside, other.inside
        return Shape(lambda x, y: a(x, y) or b(x, y),
                     (min(self.box[0], other.box[0]), min(self.box[1], other.box[1]),
                      max(self.box[2], other.box[2]), max(self.box[3], other.box[3])))

    def __and__(self, other):
        a, b = self.inside, other.inside
        return Shape(lambda x, y: a(x, y) and b(x, y),
                     (max(self.box[0], other.box[0]), max(self.box[1], other.box[1]),
                      min(self.box[2], other.box[2]), min(self.box[3], other.box[3])))

    def __sub__(self, other):
        a, b = self.inside, other.inside
        return Shape(lambda x, y: a(x, y) and not b(x, y), self.box)

    def moved(self, dx, dy):
        a = self.inside
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: a(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))

    def rotated(self, degrees, cx, cy):
        """The shape turned by degrees (clockwise on the screen) about (cx, cy)."""
        a = self.inside
        c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

        def inside(x, y):
            dx, dy = x - cx, y - cy
            return a(cx + dx * c + dy * s, cy - dx * s + dy * c)

        x0, y0, x1, y1 = self.box
        xs, ys = [], []
        for px, py in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
            dx, dy = px - cx, py - cy
            xs.append(cx + dx * c - dy * s)
            ys.append(cy + dx * s + dy * c)
        return Shape(inside, (min(xs), min(ys), max(xs), max(ys)))


def union(shapes):
    result = shapes[0]
    for shape in shapes[1:]:
        result = result | shape
    return result


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return Shape(inside, (x0, y0, x1, y1))


def ellipse(cx, cy, rx, ry):
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def ring(cx, cy, r_outer, r_inner):
    return circle(cx, cy, r_outer) - circle(cx, cy, r_inner)


def polygon(points):
    """Inside by the even-odd rule."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        result = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y):
                if x < ax + (y - ay) * (bx - ax) / (by - ay):
                    result = not result
        return result

    return Shape(inside, (min(xs), min(ys), max(xs), max(ys)))


def inset_polygon(points, d):
    """The points of the polygon that lie at least d inside its edges: with the polygon
    itself drawn darker below, this leaves an outline of even width."""
    outer = polygon(points)
    edges = list(zip(points, points[1:] + points[:1]))

    def far_from_edges(x, y):
        for (ax, ay), (bx, by) in edges:
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            if (ax + t * dx - x) ** 2 + (ay + t * dy - y) ** 2 < d * d:
                return False
        return True

    return Shape(lambda x, y: outer.inside(x, y) and far_from_edges(x, y), outer.box)


def segment(ax, ay, bx, by, width):
    """A stroke of the given width with round ends."""
    h = width / 2.0
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= h * h

    return Shape(inside, (min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h))


def polyline(points, width, closed=False):
    pairs = list(zip(points, points[1:]))
    if closed:
        pairs.append((points[-1], points[0]))
    return union([segment(a[0], a[1], b[0], b[1], width) for a, b in pairs])


def star_points(cx, cy, r_outer, r_inner, tips=5, turn=-90.0):
    points = []
    for k in range(tips * 2):
        r = r_outer if k % 2 == 0 else r_inner
        a = math.radians(turn + k * 180.0 / tips)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def text(string, x, y, font=FONT_5X7, sx=1.0, sy=None, spacing=1, bold=0.0):
    """The lit pixels of string, its top left corner at (x, y), each font pixel sx by sy
    pixels; bold widens each stroke to the right by that part of a font pixel."""
    sy = sx if sy is None else sy
    columns = []  # one entry per font column: (glyph, column in glyph), or None for a gap
    for i, char in enumerate(string):
        glyph = font.glyph(char)
        if i:
            columns.extend([None] * spacing)
        columns.extend((glyph, c) for c in range(len(glyph[0])))
    rows = max(len(font.glyph(c)) for c in string)

    def lit(u, v):
        col, row = int(math.floor(u)), int(math.floor(v))
        if u < 0 or v < 0 or col >= len(columns) or columns[col] is None:
            return False
        glyph, c = columns[col]
        return row < len(glyph) and glyph[row][c]

    def inside(px, py):
        u, v = (px - x) / sx, (py - y) / sy
        return lit(u, v) or (bold > 0 and lit(u - bold, v))

    return Shape(inside, (x, y, x + (len(columns) + bold) * sx, y + rows * sy))


def text_width(string, font=FONT_5X7, sx=1.0, spacing=1, bold=0.0):
    return (font.width(string, spacing) + bold) * sx


def pixel_map(rows, legend, x=0, y=0):
    """Hand-placed pixels: rows of characters, each standing for a colour of the legend
    ('.' or a character missing from the legend leaves the pixel alone)."""
    return [(x + i, y + j, legend[c]) for j, row in enumerate(rows)
            for i, c in enumerate(row) if c in legend]

# ---------------------------------------------------------------------------------------
# The canvas: straight (not premultiplied) RGBA pixels.

class Canvas:
    def __init__(self, width, height, background=TRANSPARENT, samples=4):
        self.width, self.height = width, height
        self.samples = samples  # samples per pixel side; 1 draws crisp pixels, no smoothing
        self.pixels = [background] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def blend(self, x, y, colour, cover=1.0):
        """Lays colour over the pixel with the given coverage (0 to 1)."""
        if not (0 <= x < self.width and 0 <= y < self.height) or cover <= 0:
            return
        i = y * self.width + x
        sr, sg, sb, sa = colour
        a = sa / 255.0 * min(cover, 1.0)
        dr, dg, db, da = self.pixels[i]
        d = da / 255.0
        out = a + d * (1 - a)
        if out <= 0:
            self.pixels[i] = TRANSPARENT
            return

        def channel(s, t):
            return int(round((s * a + t * d * (1 - a)) / out))

        self.pixels[i] = (channel(sr, dr), channel(sg, dg), channel(sb, db),
                          int(round(out * 255)))

    def fill(self, shape, paint, samples=None):
        """Fills shape with paint: a colour, or a function of (x, y) giving one."""
        n = samples or self.samples
        x0 = max(0, int(math.floor(shape.box[0])))
        y0 = max(0, int(math.floor(shape.box[1])))
        x1 = min(self.width, int(math.ceil(shape.box[2])) + 1)
        y1 = min(self.height, int(math.ceil(shape.box[3])) + 1)
        offsets = [(k + 0.5) / n for k in range(n)]
        inside = shape.inside
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if inside(x + ox, y + oy):
                            hits += 1
                if hits:
                    colour = paint(x + 0.5, y + 0.5) if callable(paint) else paint
                    self.blend(x, y, colour, hits / float(n * n))

    def put(self, placed):
        """Sets the pixels given by pixel_map."""
        for x, y, colour in placed:
            if 0 <= x < self.width and 0 <= y < self.height:
                self.pixels[y * self.width + x] = colour


def vertical(top, bottom, y0, y1):
    """A paint running from colour top at y0 to colour bottom at y1."""
    return lambda x, y: mix(top, bottom, (y - y0) / float(y1 - y0))


def horizontal(left, right, x0, x1):
    return lambda x, y: mix(left, right, (x - x0) / float(x1 - x0))

# ---------------------------------------------------------------------------------------
# PNG: 8-bit RGBA, no interlace, filter type "Sub" on every row.

def png_bytes(canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    w = canvas.width
    for y in range(canvas.height):
        row = bytearray()
        for x in range(w):
            row.extend(canvas.pixels[y * w + x])
        raw.append(1)  # Sub: each byte less the byte of the pixel to its left
        raw.extend((row[i] - (row[i - 4] if i >= 4 else 0)) & 0xFF for i in range(len(row)))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))

# ---------------------------------------------------------------------------------------
# GIF89a: a global palette of the picture's own colours, in the order they first appear.
# A pixel less than half opaque becomes the transparent entry 0; the others are drawn
# opaque. LZW compressed with variable code sizes and a clear code when the table is full.

def gif_palette(canvas):
    transparent = any(p[3] < 128 for p in canvas.pixels)
    colours = [(0, 0, 0)] if transparent else []
    index_of = {}
    indices = []
    for p in canvas.pixels:
        if p[3] < 128:
            indices.append(0)
            continue
        key = p[:3]
        if key not in index_of:
            index_of[key] = len(colours)
            colours.append(key)
        indices.append(index_of[key])
    if len(colours) > 256:
        raise ValueError("a GIF holds 256 colours at most, this picture has %d" % len(colours))
    return colours, indices, transparent


def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, size):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {(None, i): i for i in range(clear)}, clear + 2, min_code_size + 1

    table, next_code, size = reset()
    emit(clear, size)
    current = indices[0]
    for k in indices[1:]:
        if (current, k) in table:
            current = table[(current, k)]
            continue
        emit(current, size)
        table[(current, k)] = next_code
        # The reader adds its table entry one code later than the writer, so the code size
        # grows once the entry just added no longer fits the present size.
        if next_code == (1 << size) and size < 12:
            size += 1
        next_code += 1
        if next_code == 4096:
            emit(clear, size)
            table, next_code, size = reset()
        current = table[(None, k)]
    emit(current, size)
    # The reader adds one more entry on reading that last code; the end code follows at
    # the size it then expects.
    if next_code < 4096 and next_code == (1 << size) and size < 12:
        size += 1
    emit(end, size)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def gif_bytes(canvas):
    colours, indices, transparent = gif_palette(canvas)
    table_bits = 1
    while (1 << table_bits) < len(colours):
        table_bits += 1
    palette = bytearray()
    for c in colours + [(0, 0, 0)] * ((1 << table_bits) - len(colours)):
        palette.extend(c)
    min_code_size = max(2, table_bits)
    data = lzw_encode(indices, min_code_size)

    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", canvas.width, canvas.height, 0x80 | (table_bits - 1), 0, 0)
    out += palette
    if transparent:
        # Graphic Control Extension: no disposal, no delay, entry 0 is transparent.
        out += b"\x21\xF9\x04\x01\x00\x00\x00\x00"
    out += b"\x2C" + struct.pack("<HHHHB", 0, 0, canvas.width, canvas.height, 0)
    out.append(min_code_size)
    for i in range(0, len(data), 255):
        block = data[i:i + 255]
        out.append(len(block))
        out += block
    out += b"\x00\x3B"
    return bytes(out)

# ---------------------------------------------------------------------------------------
# Baseline JPEG: YCbCr without subsampling, one quantisation table and one pair of Huffman
# tables for all three components. Transparent pixels are laid on white first.

JPEG_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61,
    12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,
    14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,
    24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99,
]

# Huffman table for the DC differences: code lengths 1 to 16 and the size categories.
JPEG_DC_BITS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
JPEG_DC_VALUES = list(range(12))
# Huffman table for the AC coefficients: (zero run << 4 | size), the most usual first.
JPEG_AC_BITS = [0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D]
JPEG_AC_VALUES = [
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51,
    0x61, 0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1,
    0x15, 0x52, 0xD1, 0xF0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A, 0x16, 0x17, 0x18,
    0x19, 0x1A, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39,
    0x3A, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x53, 0x54, 0x55, 0x56, 0x57,
    0x58, 0x59, 0x5A, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x73, 0x74, 0x75,
    0x76, 0x77, 0x78, 0x79, 0x7A, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x92,
    0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
    0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3,
    0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8,
    0xD9, 0xDA, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xF1, 0xF2,
    0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA,
]


def zigzag_order():
    """Block positions (row * 8 + column) in zig-zag order."""
    order = []
    for s in range(15):
        cells = [(r, s - r) for r in range(8) if 0 <= s - r < 8]
        if s % 2 == 0:
            cells.reverse()  # even diagonals run upwards
        order.extend(r * 8 + c for r, c in cells)
    return order


def huffman_codes(bits, values):
    """Symbol -> (code, length), as the table's code lengths assign them."""
    codes = {}
    code = 0
    k = 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def jpeg_bytes(canvas, quality=92):
    if sum(JPEG_AC_BITS) != len(JPEG_AC_VALUES) or sum(JPEG_DC_BITS) != len(JPEG_DC_VALUES):
        raise ValueError("a Huffman table's lengths and symbols disagree")
    scale = 5000 / quality if quality < 50 else 200 - 2 * quality
    quant = [min(255, max(1, int((q * scale + 50) // 100))) for q in JPEG_QUANT]
    zz = zigzag_order()
    dc_codes = huffman_codes(JPEG_DC_BITS, JPEG_DC_VALUES)
    ac_codes = huffman_codes(JPEG_AC_BITS, JPEG_AC_VALUES)
    cos_table = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]

    w, h = canvas.width, canvas.height
    planes = [[0.0] * (w * h) for _ in range(3)]
    for i, (r, g, b, a) in enumerate(canvas.pixels):
        t = a / 255.0
        r, g, b = (r * t + 255 * (1 - t), g * t + 255 * (1 - t), b * t + 255 * (1 - t))
        planes[0][i] = 0.299 * r + 0.587 * g + 0.114 * b - 128
        planes[1][i] = -0.168736 * r - 0.331264 * g + 0.5 * b
        planes[2][i] = 0.5 * r - 0.418688 * g - 0.081312 * b

    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, length):
        nonlocal bit_buffer, bit_count
        bit_buffer = (bit_buffer << length) | code
        bit_count += length
        while bit_count >= 8:
            byte = (bit_buffer >> (bit_count - 8)) & 0xFF
            out.append(byte)
            if byte == 0xFF:
                out.append(0)  # a coded 0xFF is followed by a zero byte
            bit_count -= 8
        bit_buffer &= (1 << bit_count) - 1

    def size_and_bits(value):
        size = abs(value).bit_length()
        return size, (value if value >= 0 else value + (1 << size) - 1)

    def block(plane, bx, by):
        samples = [plane[min(by + j, h - 1) * w + min(bx + i, w - 1)]
                   for j in range(8) for i in range(8)]
        coefficients = [0] * 64
        for v in range(8):
            for u in range(8):
                total = 0.0
                for y in range(8):
                    cv = cos_table[v][y]
                    for x in range(8):
                        total += samples[y * 8 + x] * cos_table[u][x] * cv
                cu = math.sqrt(0.5) if u == 0 else 1.0
                cv = math.sqrt(0.5) if v == 0 else 1.0
                coefficients[v * 8 + u] = int(round(0.25 * cu * cv * total / quant[v * 8 + u]))
        return [coefficients[k] for k in zz]

    previous_dc = [0, 0, 0]
    for by in range(0, h, 8):
        for bx in range(0, w, 8):
            for c in range(3):
                values = block(planes[c], bx, by)
                size, bits = size_and_bits(values[0] - previous_dc[c])
                previous_dc[c] = values[0]
                emit(*dc_codes[size])
                if size:
                    emit(bits, size)
                run = 0
                for value in values[1:]:
                    if value == 0:
                        run += 1
                        continue
                    while run > 15:
                        emit(*ac_codes[0xF0])
                        run -= 16
                    size, bits = size_and_bits(value)
                    emit(*ac_codes[(run << 4) | size])
                    emit(bits, size)
                    run = 0
                if run:
                    emit(*ac_codes[0x00])
    if bit_count:
        emit((1 << (8 - bit_count)) - 1, 8 - bit_count)  # pad with one bits

    def marker_segment(marker, body):
        return struct.pack(">BBH", 0xFF, marker, len(body) + 2) + body

    result = b"\xFF\xD8"
    result += marker_segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    result += marker_segment(0xDB, b"\x00" + bytes(quant[k] for k in zz))
    result += marker_segment(0xC0, struct.pack(">BHHB", 8, h, w, 3) +
                       b"\x01\x11\x00\x02\x11\x00\x03\x11\x00")
    result += marker_segment(0xC4, b"\x00" + bytes(JPEG_DC_BITS) + bytes(JPEG_DC_VALUES) +
                       b"\x10" + bytes(JPEG_AC_BITS) + bytes(JPEG_AC_VALUES))
    result += marker_segment(0xDA, b"\x03\x01\x00\x02\x00\x03\x00\x00\x3F\x00")
    return result + bytes(out) + b"\xFF\xD9"

# ---------------------------------------------------------------------------------------
# The pictures beside the item pages. These are small and drawn crisp (one sample per
# pixel), so each GIF keeps a short palette and its edges stay clean on any background.

INK = rgb("#1B2A4A")        # dark outlines and letters
RED = rgb("#D8262E")
BLUE = rgb("#2456B8")
GOLD = rgb("#F6C21C")
GREEN = rgb("#2E9A46")


def draw_aboutme():
    """A 'me' tag: a white figure on a blue end, then the letters m (red) and e (blue)."""
    c = Canvas(23, 8, WHITE, samples=1)
    c.put(pixel_map([
        " BBBBBBBBBBBBBBBBBBBBB ",
        "BBBWWBBB..............B",
        "BBBWWBBB..............B",
        "BBBBBBBB..............B",
        "BBWWWWBB..............B",
        "BWWWWWWB..............B",
        "BWWWWWWB..............B",
        " BBBBBBBBBBBBBBBBBBBBB ",
    ], {"B": BLUE, "W": WHITE, " ": TRANSPARENT}))
    c.fill(text("m", 10, 0), RED)
    c.fill(text("e", 16, 0), BLUE)
    return c


def draw_word_mark():
    """The Lotcraft word mark: tall letters, each in its own colour, with a dark edge,
    and a small line under them."""
    c = Canvas(110, 45, TRANSPARENT, samples=1)
    word = "Lotcraft"
    colours = [rgb("#D8262E"), rgb("#2456B8"), rgb("#E8A317"), rgb("#2E9A46"),
               rgb("#8E3CB8"), rgb("#D8262E"), rgb("#2456B8"), rgb("#E8A317")]
    sx, sy = 2, 3
    x = (110 - text_width(word, sx=sx, spacing=2) - 1) // 2
    y = 4
    for char in word:
        letter = text(char, x, y, sx=sx, sy=sy)
        edge = union([letter.moved(dx, dy) for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1),
                                                           (1, 1), (-1, 1), (1, -1),
                                                           (-1, -1))])
        c.fill(edge, INK)
        x += text_width(char, sx=sx) + 2 * sx
    x = (110 - text_width(word, sx=sx, spacing=2) - 1) // 2
    for i, char in enumerate(word):
        c.fill(text(char, x, y, sx=sx, sy=sy), colours[i])
        x += text_width(char, sx=sx) + 2 * sx
    tag = "AUCTION PAGES"
    tx = (110 - text_width(tag, FONT_3X5)) // 2
    c.fill(rect(tx - 4, 33, tx + text_width(tag, FONT_3X5) + 4, 34), rgb("#9AA4B8"))
    c.fill(text(tag, tx, 37, FONT_3X5), rgb("#4A5670"))
    return c


def draw_envelope():
    c = Canvas(13, 9, WHITE, samples=1)
    c.put(pixel_map([
        "#############",
        "##.........##",
        "#o#.......#o#",
        "#oo#.....#oo#",
        "#ooo#...#ooo#",
        "#ooo.#.#.ooo#",
        "#oo...#...oo#",
        "#o.........o#",
        "#############",
    ], {"#": rgb("#4A5A7A"), ".": rgb("#FFF6DC"), "o": rgb("#F1E4BE")}))
    return c


def draw_pay_badge():
    """A 'safe pay' badge: a gold coin beside the words."""
    w, h = 88, 33
    c = Canvas(w, h, TRANSPARENT, samples=1)
    c.fill(rounded_rect(0, 0, w, h, 6), rgb("#1F4E8C"))
    c.fill(rounded_rect(1, 1, w - 1, h - 1, 5), vertical(rgb("#4F8BD8"), rgb("#1E5AA8"), 1, h - 1))
    c.fill(rect(3, 2, w - 3, 3), rgb("#8DB8EC"))
    # The coin.
    c.fill(circle(16.5, 16.5, 10.6), rgb("#8A5A00"))
    c.fill(circle(16.5, 16.5, 9.6), rgb("#F6C21C"))
    c.fill(ring(16.5, 16.5, 7.9, 7), rgb("#D49A0A"))
    c.fill(text("$", 14, 13), rgb("#8A5A00"))
    word = "SAFE"
    x = 31 + (54 - text_width(word, sx=2)) // 2
    c.fill(text(word, x + 1, 6, sx=2), rgb("#123566"))
    c.fill(text(word, x, 5, sx=2), WHITE)
    small = "PAYMENT"
    x = 31 + (54 - text_width(small)) // 2
    c.fill(text(small, x, 22), rgb("#FFE68A"))
    return c


def rosette(cx, cy, r, petals=12):
    """A round badge with a scalloped edge."""
    shapes = [circle(cx, cy, r * 0.82)]
    for k in range(petals):
        a = math.radians(k * 360.0 / petals)
        shapes.append(circle(cx + r * 0.78 * math.cos(a), cy + r * 0.78 * math.sin(a), r * 0.24))
    return union(shapes)


def draw_power_badge():
    """A 'POWER' seller badge: a gold rosette with a star, the word, and SELLER below."""
    w, h = 50, 25
    c = Canvas(w, h, TRANSPARENT, samples=1)
    c.fill(rounded_rect(0, 0, w, h, 4), rgb("#12306A"))
    c.fill(rounded_rect(1, 1, w - 1, h - 1, 3), vertical(rgb("#2C5CB0"), rgb("#163C80"), 1, h - 1))
    # Ribbon tails under the rosette.
    c.fill(polygon([(5, 15), (9, 15), (8, 24), (6.5, 22), (4, 24)]), rgb("#C0262E"))
    c.fill(polygon([(11, 15), (15, 15), (16, 24), (13.5, 22), (12, 24)]), rgb("#C0262E"))
    c.fill(rosette(10, 10.5, 9.2), rgb("#8A5A00"))
    c.fill(rosette(10, 10.5, 8.2), rgb("#F6C21C"))
    c.fill(polygon(star_points(10, 10.8, 5.2, 2.2)), rgb("#C0262E"))
    c.fill(text("POWER", 20, 5), WHITE)
    c.fill(text("SELLER", 21, 15, FONT_3X5), rgb("#FFD84A"))
    return c


def draw_star():
    """A yellow star with a dark outline, lit from the left."""
    c = Canvas(25, 25, TRANSPARENT, samples=1)
    points = star_points(12.5, 13.5, 12.9, 5.4)
    c.fill(polygon(points), rgb("#6B4A00"))
    body = inset_polygon(points, 1.0)
    c.fill(body, rgb("#F6C21C"))
    c.fill(body & rect(0, 0, 12.5, 25), rgb("#FFE066"))
    return c


def draw_watch_icon():
    """An eye with lashes: white almond, blue iris, black pupil and a spark of light."""
    c = Canvas(16, 14, TRANSPARENT, samples=1)
    c.put(pixel_map([
        "................",
        "....#..##..#....",
        ".....#.##.#.....",
        ".....######.....",
        "...##oooooo##...",
        "..#oooobboooo#..",
        ".#oooobbbboooo#.",
        "#oooobkkwbboooo#",
        "#oooobkkkbboooo#",
        ".#oooobbbboooo#.",
        "..#oooobboooo#..",
        "...##oooooo##...",
        ".....######.....",
        "................",
    ], {"#": INK, "o": WHITE, "b": rgb("#2F7FD0"), "k": BLACK, "w": WHITE}))
    return c


def draw_clear_dot():
    return Canvas(1, 1, TRANSPARENT, samples=1)


def tick_shape(scale, dx=0.0, dy=0.0):
    points = [(3.0, 8.6), (6.4, 12.0), (13.2, 3.8)]
    return polyline([(dx + x * scale, dy + y * scale) for x, y in points], 2.8 * scale)


def draw_ok_tick():
    """A green tick on white, for the grid's first column."""
    c = Canvas(16, 16, WHITE, samples=4)
    c.fill(tick_shape(1.0, 0.4, 0.6), rgb("#A8D8B0"))
    c.fill(tick_shape(1.0), rgb("#1E9A3A"))
    return c

# ---------------------------------------------------------------------------------------
# The pictures of the main window, drawn smooth (sixteen samples per pixel). The button
# pictures have a clear background so that they sit on the button's own face.

LABEL = rgb("#1B2A4A")
# The words on a dark desktop: a pale blue-white, more than 7:1 on its dark faces.
LABEL_DARK = rgb("#E8EEF8")

# The button colours the pictures are drawn for: a light desktop's (today's and the classic
# grey) and a dark one's, from the darkest to the lightest face its palettes give buttons.
LIGHT_FACES = (rgb("#EFEFEF"), rgb("#D4D0C8"))
DARK_FACES = (rgb("#353535"), rgb("#4A4A4A"))


def luminance(colour):
    """The relative luminance of an sRGB colour, as WCAG reckons it."""
    def linear(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(v) for v in colour[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


# The button words in each language, by picture. The small letters of INSERT NEW RECORD
# give its three lines room in the picture's width.
WORDS = {
    "en": {"load": ["LOAD CSV"], "manual": ["INSERT", "NEW", "RECORD"], "htmls": ["HTMLS"],
           "save": ["SAVE AS"], "export": ["EXPORT"], "help": ["HELP"]},
    "de": {"load": ["CSV LADEN"], "manual": ["NEUEN", "DATENSATZ", "ANLEGEN"],
           "htmls": ["SEITEN"], "save": ["SPEICHERN"], "export": ["EXPORT"],
           "help": ["HILFE"]},
}


class ButtonLook:
    """What one set of button pictures is drawn for: the faces under it, the colour of its
    words, and their language."""

    def __init__(self, faces, label, language):
        self.faces, self.label = faces, label
        self.dark = all(luminance(face) < 0.18 for face in faces)  # darker than mid grey
        self.words = WORDS[language]

    def edge(self, colour):
        """An outline's colour. On a dark face a dark outline would vanish, and with it the
        shape where its fill is dark too: there it is lightened until it stands 3:1 off
        every face. The light pictures keep their colours as drawn."""
        if not self.dark:
            return colour
        for step in range(65):
            lifted = mix(colour, WHITE, step / 64.0)
            if all(contrast(lifted, face) >= 3.0 for face in self.faces):
                return lifted
        return WHITE


LIGHT = ButtonLook(LIGHT_FACES, LABEL, "en")


def button_label(c, lines, look, font=FONT_5X7, bottom=None, gap=1):
    """Centres the lines of the button's words at the bottom of its picture. The words
    alone are kept as c.caption, for telling them from the drawing."""
    bottom = c.height if bottom is None else bottom
    y = bottom - len(lines) * font.height - (len(lines) - 1) * gap
    c.caption = Canvas(c.width, c.height, samples=1)
    for line in lines:
        if font.width(line) > c.width:
            raise ValueError("%r is wider than its %d pixel picture" % (line, c.width))
        x = (c.width - font.width(line)) // 2
        for canvas in (c, c.caption):
            canvas.fill(text(line, x, y, font), look.label, samples=1)
        y += font.height + gap


def draw_load(look=LIGHT):
    """An opening folder with a sheet of paper, and LOAD CSV."""
    c = Canvas(55, 46)
    edge = look.edge(rgb("#8A5A0A"))
    # The back of the folder with its tab.
    back = polygon([(12, 8), (22, 8), (25, 11), (43, 11), (43, 33), (12, 33)])
    c.fill(back, edge)
    c.fill(polygon([(13, 9), (21.6, 9), (24.6, 12), (42, 12), (42, 32), (13, 32)]),
           rgb("#E0A83A"))
    # A sheet of the catalogue sticking out, with rows and commas.
    sheet = polygon([(17, 5), (36, 3), (38.5, 24), (19.5, 26)])
    c.fill(sheet, rgb("#7A8699"))
    c.fill(polygon([(17.9, 5.9), (35.2, 4.1), (37.6, 23.2), (20.3, 25.1)]), WHITE)
    for k in range(4):
        y = 9 + k * 3.6
        c.fill(segment(21 + k * 0.35, y + 1.6, 33.5 + k * 0.35, y, 1.1), rgb("#3A72C8"))
    # The front flap, tilted open.
    c.fill(polygon([(8, 17), (40, 17), (47, 17), (43, 34), (12, 34)]), edge)
    c.fill(polygon([(9.4, 18), (45.6, 18), (42.2, 33), (12.8, 33)]),
           vertical(rgb("#FFE08A"), rgb("#F4B940"), 18, 33))
    button_label(c, look.words["load"], look)
    return c


def draw_manual(look=LIGHT):
    """A new document with a plus, and INSERT NEW RECORD in small letters."""
    c = Canvas(55, 47)
    outline = rgb("#5A6680")
    page = polygon([(17, 2), (32, 2), (38, 8), (38, 27), (17, 27)])
    c.fill(page, look.edge(outline))
    c.fill(polygon([(18, 3), (31.5, 3), (37, 8.5), (37, 26), (18, 26)]), WHITE)
    c.fill(polygon([(31, 2.5), (31, 9), (37.5, 9)]), rgb("#C9D2E2"))
    c.fill(polyline([(31.5, 2.5), (31.5, 8.5), (37.5, 8.5)], 1.0), outline)
    for k in range(4):
        c.fill(rect(21, 12 + k * 3.5, 34 - (6 if k == 3 else 0), 13.2 + k * 3.5),
               rgb("#8A96AE"))
    # The plus: a new record.
    c.fill(circle(37, 22.5, 7), look.edge(rgb("#1E7A34")))
    c.fill(circle(37, 22.5, 6), rgb("#34B354"))
    c.fill(rect(33.5, 21.4, 40.5, 23.6), WHITE)
    c.fill(rect(35.9, 19, 38.1, 26), WHITE)
    button_label(c, look.words["manual"], look, FONT_3X5)
    return c


def draw_htmls(look=LIGHT):
    """Two item pages, one behind the other, and HTMLS."""
    c = Canvas(55, 46)
    outline = look.edge(rgb("#5A6680"))

    def page(x, y, bar):
        c.fill(rect(x, y, x + 19, y + 24), outline)
        c.fill(rect(x + 1, y + 1, x + 18, y + 23), WHITE)
        c.fill(rect(x + 1, y + 1, x + 18, y + 5), bar)
        c.fill(rect(x + 3, y + 8, x + 9, y + 14), rgb("#9CC4E8"))
        c.fill(polygon([(x + 3, y + 14), (x + 5.5, y + 10.5), (x + 7, y + 12.5),
                        (x + 8, y + 11.5), (x + 9, y + 14)]), rgb("#3E8E4E"))
        for k in range(3):
            c.fill(rect(x + 10.5, y + 8.5 + k * 2.5, x + 16, y + 9.5 + k * 2.5), rgb("#8A96AE"))
        for k in range(3):
            c.fill(rect(x + 3, y + 16.5 + k * 2.2, x + 16 - (4 if k == 2 else 0),
                        y + 17.4 + k * 2.2), rgb("#8A96AE"))

    page(13, 3, rgb("#F4D752"))
    page(23, 9, rgb("#3399CC"))
    button_label(c, look.words["htmls"], look)
    return c


def draw_save(look=LIGHT):
    """A floppy disk, and SAVE AS."""
    c = Canvas(55, 46)
    x0, y0, x1, y1 = 13.0, 2.0, 42.0, 31.0
    body = polygon([(x0, y0), (x1 - 4, y0), (x1, y0 + 4), (x1, y1), (x0, y1)])
    c.fill(body, look.edge(rgb("#142C5C")))
    c.fill(polygon([(x0 + 1, y0 + 1), (x1 - 4.4, y0 + 1), (x1 - 1, y0 + 4.4), (x1 - 1, y1 - 1),
                    (x0 + 1, y1 - 1)]), vertical(rgb("#3F6FC8"), rgb("#24499A"), y0, y1))
    # The metal shutter with its window.
    c.fill(rect(x0 + 6, y0 + 1, x1 - 7, y0 + 10), rgb("#C8CED8"))
    c.fill(rect(x0 + 6, y0 + 1, x1 - 7, y0 + 2), rgb("#E8ECF2"))
    c.fill(rect(x1 - 12, y0 + 2.5, x1 - 9, y0 + 8.5), rgb("#142C5C"))
    # The label.
    c.fill(rect(x0 + 4, y0 + 14, x1 - 4, y1 - 1), WHITE)
    for k in range(3):
        c.fill(rect(x0 + 6, y0 + 17 + k * 3, x1 - 6, y0 + 18 + k * 3),
               rgb("#D8262E") if k == 0 else rgb("#8A96AE"))
    button_label(c, look.words["save"], look)
    return c


def draw_export(look=LIGHT):
    """A sheet of rows and columns with an arrow leaving it to the right, and EXPORT."""
    c = Canvas(55, 46)
    outline = rgb("#5A6680")
    rule = rgb("#8A96AE")
    # The sheet: a header row, then ruled rows; whole-pixel lines keep the rules sharp.
    x0, y0, x1, y1 = 11, 2, 33, 32
    c.fill(rect(x0, y0, x1, y1), look.edge(outline))
    c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), WHITE)
    c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y0 + 5), rgb("#F4D752"))
    c.fill(rect(x0 + 1, y0 + 5, x1 - 1, y0 + 6), outline)
    for y in range(y0 + 9, y1 - 1, 4):
        c.fill(rect(x0 + 1, y, x1 - 1, y + 1), rule)
    for x in (x0 + 7, x0 + 14):
        c.fill(rect(x, y0 + 1, x + 1, y1 - 1), rule)
    # The arrow, from the middle of the sheet out past its right edge, lit from above like
    # the floppy disk of SAVE AS.
    points = [(21, 14), (34, 14), (34, 9), (45, 17.5), (34, 26), (34, 21), (21, 21)]
    c.fill(polygon(points), look.edge(rgb("#142C5C")))
    c.fill(inset_polygon(points, 1.0), vertical(rgb("#3F6FC8"), rgb("#24499A"), 9, 26))
    button_label(c, look.words["export"], look)
    return c


def draw_help(look=LIGHT):
    """A question mark in a blue disc, and HELP."""
    c = Canvas(55, 46)
    c.fill(circle(27.5, 16.5, 14), look.edge(rgb("#143A80")))
    c.fill(circle(27.5, 16.5, 13), lambda x, y: mix(rgb("#6FA8F0"), rgb("#1F56B4"),
                                                      ((x - 20) + (y - 6)) / 30.0))
    c.fill(ellipse(25, 9.5, 8, 3.5), rgb("#FFFFFF", 60))
    # The question mark: a hook and a dot.
    hook = (ring(27.5, 12.5, 6.6, 3.4) - polygon([(27.5, 12.5), (16, 15), (16, 30), (27.5, 30)]))
    c.fill(hook, WHITE)
    c.fill(polygon([(29.5, 17.6), (33, 16), (29.6, 21.5), (29.6, 23), (25.4, 23), (25.4, 20.5)]),
           WHITE)
    c.fill(circle(27.5, 26.3, 2.1), WHITE)
    button_label(c, look.words["help"], look)
    return c


def draw_banner():
    """The banner: Lotcraft in large letters, a gold rule and the tag line."""
    w, h = 187, 54
    c = Canvas(w, h, TRANSPARENT)
    c.fill(rect(0, 0, w, h), horizontal(rgb("#143A7A"), rgb("#16807E"), 0, w))
    c.fill(rect(0, 0, w, 1), rgb("#FFFFFF", 70))
    c.fill(rect(0, h - 1, w, h), rgb("#000000", 70))
    # A few soft circles for depth.
    for cx, cy, r in ((160, 8, 26), (178, 48, 18), (12, 50, 20)):
        c.fill(circle(cx, cy, r), rgb("#FFFFFF", 18))
    word = "Lotcraft"
    # Whole-pixel letter sizes keep the edges of the letters sharp.
    s = 4
    width = text_width(word, sx=s, bold=0.5)
    x = (w - width) // 2
    y = 4
    c.fill(text(word, x + 2, y + 2, sx=s, bold=0.5), rgb("#061A3A", 150))
    c.fill(text(word, x, y, sx=s, bold=0.5), vertical(WHITE, rgb("#D6ECFF"), y, y + 7 * s))
    c.fill(rect(x, 35, x + width, 36), rgb("#F6C21C"))
    tag = "item pages for your sales"
    tx = (w - text_width(tag)) / 2.0
    c.fill(text(tag, round(tx), 40), rgb("#FFE08A"), samples=1)
    return c


def arc(cx, cy, r_outer, r_inner, keep):
    """The part of a ring whose direction from the centre (degrees, 0 to the right, 90
    down) satisfies keep."""
    band = ring(cx, cy, r_outer, r_inner)
    return Shape(lambda x, y: band.inside(x, y) and
                 keep(math.degrees(math.atan2(y - cy, x - cx))), band.box)


def dollar_sign(cx, cy, r, w):
    """A smooth dollar sign: an S of two arcs of radius r and stroke width w, and a bar."""
    top = arc(cx, cy - r, r + w / 2.0, r - w / 2.0, lambda a: not (-35 < a < 90))
    bottom = arc(cx, cy + r, r + w / 2.0, r - w / 2.0, lambda a: -90 <= a <= 145)
    reach = 2 * r + w / 2.0 + r * 0.45
    bar = rect(cx - w * 0.35, cy - reach, cx + w * 0.35, cy + reach)
    return top | bottom | bar


def draw_icon(size, samples):
    """The program icon: a gavel laid over a price tag. Drawn on a 256 grid, scaled."""
    s = size / 256.0
    c = Canvas(size, size, TRANSPARENT, samples)

    def p(*values):
        return [v * s for v in values]

    def pts(points):
        return [(x * s, y * s) for x, y in points]

    # The price tag, its point up and to the left, with a hole, a string and a price.
    tag_turn, tcx, tcy = 25, 105 * s, 170 * s
    tag_outer = polygon(pts([(14, 170), (62, 116), (200, 116), (200, 224), (62, 224)]))
    tag_inner = polygon(pts([(24, 170), (66, 123), (193, 123), (193, 217), (66, 217)]))
    hole = circle(*p(50, 170, 10))
    c.fill(polyline(pts([(50, 170), (30, 150), (8, 146), (2, 160)]), 5 * s).rotated(
        tag_turn, tcx, tcy), rgb("#7A5A30"))
    c.fill((tag_outer - hole).rotated(tag_turn, tcx, tcy), rgb("#A85E0E"))
    c.fill((tag_inner - circle(*p(50, 170, 14))).rotated(tag_turn, tcx, tcy),
           lambda x, y: mix(rgb("#FFD870"), rgb("#F09A28"), (x + y) / (1.6 * size)))
    c.fill(ring(*p(50, 170, 14, 10)).rotated(tag_turn, tcx, tcy), rgb("#A85E0E"))
    price = dollar_sign(*p(132, 170, 16, 10))
    c.fill(price.moved(3 * s, 3 * s).rotated(tag_turn, tcx, tcy), rgb("#FFF0C0"))
    c.fill(price.rotated(tag_turn, tcx, tcy), rgb("#8A3A0A"))

    # The gavel: the handle, then the head across its upper end.
    hx0, hy0, hx1, hy1 = 112, 64, 232, 184
    c.fill(segment(*p(hx0 + 6, hy0 + 10, hx1 + 4, hy1 + 8), 22 * s), rgb("#3A1A00", 70))
    c.fill(segment(*p(hx0, hy0, hx1, hy1), 22 * s), rgb("#4A2A10"))
    c.fill(segment(*p(hx0, hy0, hx1, hy1), 15 * s), rgb("#9A6030"))
    c.fill(segment(*p(hx0 + 2, hy0 - 2, hx1 + 1, hy1 - 3), 4 * s), rgb("#D89A5A"))
    turn, hcx, hcy = -45, hx0 * s, hy0 * s
    half_l, half_t = 72, 30

    def head_part(x0, y0, x1, y1, r=0):
        box = p(hx0 + x0, hy0 + y0, hx0 + x1, hy0 + y1)
        shape = rounded_rect(*box, r * s) if r else rect(*box)
        return shape.rotated(turn, hcx, hcy)

    c.fill(head_part(-half_l, -half_t, half_l, half_t, 14).moved(6 * s, 10 * s),
           rgb("#3A1A00", 70))
    c.fill(head_part(-half_l, -half_t, half_l, half_t, 14), rgb("#4A2A10"))
    c.fill(head_part(-half_l + 4, -half_t + 4, half_l - 4, half_t - 4, 11),
           lambda x, y: mix(rgb("#D08A48"), rgb("#7A4418"),
                            ((x - hcx) + (y - hcy)) / (2 * 34.0 * s) * 0.7071 + 0.5))
    for band in (-50, 50):
        c.fill(head_part(band - 7, -half_t + 1, band + 7, half_t - 1), rgb("#E0B040"))
        c.fill(head_part(band - 7, -half_t + 1, band - 2, half_t - 1), rgb("#FFF0B0"))
    c.fill(head_part(-half_l + 12, -half_t + 7, half_l - 12, -half_t + 14, 3),
           rgb("#FFFFFF", 80))
    return c


def draw_icon_svg():
    """The program icon as a scalable picture: the shapes of draw_icon, on its 256 grid, as
    SVG elements. Paints that draw_icon computes on the screen's axes are given there too
    (a gradient transform undoes the shape's turn)."""
    def num(v):
        return ("%.2f" % v).rstrip("0").rstrip(".")

    def colour(c):
        return "#%02X%02X%02X" % c[:3]

    def paint(c):
        fill = 'fill="%s"' % colour(c)
        return fill + (' fill-opacity="%s"' % num(c[3] / 255.0) if c[3] < 255 else "")

    def arc_path(cx, cy, r, start, end):
        """An arc of radius r from angle start to end (degrees, clockwise on the screen)."""
        a, b = math.radians(start), math.radians(end)
        large = 1 if (end - start) % 360 > 180 else 0
        return "M%s %s A%s %s 0 %d 1 %s %s" % (
            num(cx + r * math.cos(a)), num(cy + r * math.sin(a)), num(r), num(r), large,
            num(cx + r * math.cos(b)), num(cy + r * math.sin(b)))

    def dollar(cx, cy, r, w, fill, transform):
        reach = 2 * r + w / 2.0 + r * 0.45
        return [
            '<g %s transform="%s">' % (fill, transform),
            '<path d="%s %s" fill="none" stroke="currentColor" stroke-width="%s"/>' % (
                arc_path(cx, cy - r, r, 90, 325), arc_path(cx, cy + r, r, -90, 145), num(w)),
            '<rect x="%s" y="%s" width="%s" height="%s"/>' % (
                num(cx - w * 0.35), num(cy - reach), num(w * 0.7), num(2 * reach)),
            "</g>"]

    tag = "rotate(25 105 170)"
    head = "rotate(-45 112 64)"
    hx0, hy0, hx1, hy1 = 112, 64, 232, 184
    half_l, half_t = 72, 30
    u = 34 / math.sqrt(2)

    def head_rect(x0, y0, x1, y1, r, fill, transform=head):
        corner = ' rx="%s"' % num(r) if r else ""
        return '<rect x="%s" y="%s" width="%s" height="%s"%s %s transform="%s"/>' % (
            num(hx0 + x0), num(hy0 + y0), num(x1 - x0), num(y1 - y0), corner, fill, transform)

    def handle(dx0, dy0, dx1, dy1, width, c):
        return ('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s"%s stroke-width="%s" '
                'stroke-linecap="round"/>' % (
                    num(hx0 + dx0), num(hy0 + dy0), num(hx1 + dx1), num(hy1 + dy1), colour(c),
                    ' stroke-opacity="%s"' % num(c[3] / 255.0) if c[3] < 255 else "", num(width)))

    shadow = rgb("#3A1A00", 70)
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
        "<title>Lotcraft</title>",
        "<defs>",
        '<linearGradient id="tag" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="204.8" '
        'y2="204.8" gradientTransform="rotate(-25 105 170)">'
        '<stop offset="0" stop-color="#FFD870"/><stop offset="1" stop-color="#F09A28"/>'
        "</linearGradient>",
        '<linearGradient id="head" gradientUnits="userSpaceOnUse" x1="%s" y1="%s" x2="%s" '
        'y2="%s" gradientTransform="rotate(45 112 64)">'
        '<stop offset="0" stop-color="#D08A48"/><stop offset="1" stop-color="#7A4418"/>'
        "</linearGradient>" % (num(hx0 - u), num(hy0 - u), num(hx0 + u), num(hy0 + u)),
        "</defs>",
        # The price tag, its string, its hole and its price.
        '<polyline points="50,170 30,150 8,146 2,160" fill="none" stroke="#7A5A30" '
        'stroke-width="5" stroke-linecap="round" stroke-linejoin="round" transform="%s"/>' % tag,
        '<path d="M14 170 L62 116 L200 116 L200 224 L62 224 Z M40 170 A10 10 0 1 0 60 170 '
        'A10 10 0 1 0 40 170 Z" fill-rule="evenodd" fill="#A85E0E" transform="%s"/>' % tag,
        '<path d="M24 170 L66 123 L193 123 L193 217 L66 217 Z M36 170 A14 14 0 1 0 64 170 '
        'A14 14 0 1 0 36 170 Z" fill-rule="evenodd" fill="url(#tag)" transform="%s"/>' % tag,
        '<circle cx="50" cy="170" r="12" fill="none" stroke="#A85E0E" stroke-width="4" '
        'transform="%s"/>' % tag,
    ]
    lines += dollar(132, 170, 16, 10, 'fill="#FFF0C0" color="#FFF0C0"',
                    "translate(3 3) " + tag)
    lines += dollar(132, 170, 16, 10, 'fill="#8A3A0A" color="#8A3A0A"', tag)
    # The gavel: the handle, then the head across its upper end.
    lines += [
        handle(6, 10, 4, 8, 22, shadow),
        handle(0, 0, 0, 0, 22, rgb("#4A2A10")),
        handle(0, 0, 0, 0, 15, rgb("#9A6030")),
        handle(2, -2, 1, -3, 4, rgb("#D89A5A")),
        head_rect(-half_l, -half_t, half_l, half_t, 14, paint(shadow), "translate(6 10) " + head),
        head_rect(-half_l, -half_t, half_l, half_t, 14, paint(rgb("#4A2A10"))),
        head_rect(-half_l + 4, -half_t + 4, half_l - 4, half_t - 4, 11, 'fill="url(#head)"'),
    ]
    for band in (-50, 50):
        lines.append(head_rect(band - 7, -half_t + 1, band + 7, half_t - 1, 0,
                               paint(rgb("#E0B040"))))
        lines.append(head_rect(band - 7, -half_t + 1, band - 2, half_t - 1, 0,
                               paint(rgb("#FFF0B0"))))
    lines.append(head_rect(-half_l + 12, -half_t + 7, half_l - 12, -half_t + 14, 3,
                           paint(rgb("#FFFFFF", 80))))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def svg_bytes(text):
    return text.encode("utf-8")


# The icons the desktop shows, at the sizes of its icon theme; installed under the
# program's desktop id. Small sizes take more samples a pixel for smoother edges.
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

# The button pictures, each drawn for every look: the folder under src/ui/pictures/ is the
# one Qt's resources give for the window's palette and language (English and light at the
# top, where the pictures have always been).
BUTTON_DRAWINGS = [("load", draw_load), ("manual", draw_manual), ("htmls", draw_htmls),
                   ("save", draw_save), ("export", draw_export), ("help", draw_help)]
BUTTON_LOOKS = [
    ("", LIGHT),
    ("dark/", ButtonLook(DARK_FACES, LABEL_DARK, "en")),
    ("de/", ButtonLook(LIGHT_FACES, LABEL, "de")),
    ("de/dark/", ButtonLook(DARK_FACES, LABEL_DARK, "de")),
]

# ---------------------------------------------------------------------------------------

PICTURES = [
    ("resources/aboutme-small.gif", draw_aboutme, gif_bytes),
    ("resources/ebay_logo_home.gif", draw_word_mark, gif_bytes),
    ("resources/envelope.gif", draw_envelope, gif_bytes),
    ("resources/pba.gif", draw_pay_badge, gif_bytes),
    ("resources/psIcon_50x25.gif", draw_power_badge, gif_bytes),
    ("resources/stars-9.gif", draw_star, gif_bytes),
    ("resources/watch-icon.gif", draw_watch_icon, gif_bytes),
    ("resources/dot_clear.gif", draw_clear_dot, gif_bytes),
    ("resources/OK.jpg", draw_ok_tick, jpeg_bytes),
    ("src/ui/pictures/banner.png", draw_banner, png_bytes),
] + [("src/ui/pictures/%s%s.png" % (folder, name), (lambda draw=draw, look=look: draw(look)),
      png_bytes)
     for folder, look in BUTTON_LOOKS for name, draw in BUTTON_DRAWINGS] + [
    ("src/ui/pictures/lotcraft.png", lambda: draw_icon(48, 4), png_bytes),
    ("src/ui/pictures/lotcraft-256.png", lambda: draw_icon(256, 3), png_bytes),
] + [("data/icons/lotcraft-%d.png" % size,
      (lambda size=size: draw_icon(size, 4 if size <= 128 else 3)), png_bytes)
     for size in ICON_SIZES] + [
    ("data/icons/lotcraft.svg", draw_icon_svg, svg_bytes),
]


def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = root
    only = None
    args = list(argv[1:])
    while args:
        arg = args.pop(0)
        if arg == "--out" and args:
            out = args.pop(0)
        elif arg == "--only" and args:
            only = args.pop(0)
        else:
            sys.stderr.write("usage: draw-pictures.py [--out DIR] [--only NAME]\n")
            return 2
    for path, draw, encode in PICTURES:
        if only and os.path.basename(path) != only:
            continue
        target = os.path.join(out, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        data = encode(draw())
        with open(target, "wb") as f:
            f.write(data)
        print("%-38s %6d bytes" % (path, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
