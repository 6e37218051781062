#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks tools/draw-pictures.py and the pictures it wrote into the work tree.

Each encoded picture is read back by a small reader of our own (GIF: LZW decoding; PNG:
inflating and undoing the row filters; JPEG: the markers and the frame header) and
compared with what was drawn, and the committed files must be the ones the script writes
now.
"""

import os
import re
import runpy
import struct
import sys
import tempfile
import types
import unittest
import zlib
import xml.etree.ElementTree as ElementTree

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SCRIPT = os.path.join(ROOT, "tools", "draw-pictures.py")

draw = types.SimpleNamespace(**runpy.run_path(SCRIPT))

SIZES = {
    "resources/aboutme-small.gif": (23, 8),
    "resources/ebay_logo_home.gif": (110, 45),
    "resources/envelope.gif": (13, 9),
    "resources/pba.gif": (88, 33),
    "resources/psIcon_50x25.gif": (50, 25),
    "resources/stars-9.gif": (25, 25),
    "resources/watch-icon.gif": (16, 14),
    "resources/dot_clear.gif": (1, 1),
    "resources/OK.jpg": (16, 16),
    "src/ui/pictures/banner.png": (187, 54),
    "src/ui/pictures/lotcraft.png": (48, 48),
    "src/ui/pictures/lotcraft-256.png": (256, 256),
    "data/icons/lotcraft.svg": (256, 256),
}
SIZES.update({"data/icons/lotcraft-%d.png" % n: (n, n) for n in (16, 22, 24, 32, 48, 64, 128, 256)})

# The button pictures' folders, each with the faces its pictures must read on: WCAG's
# 4.5:1 for the words against the light desktop's buttons, or against the dark one's.
LIGHT_FACES = ("#EFEFEF", "#D4D0C8")
DARK_FACES = ("#353535", "#4A4A4A")
BUTTON_FOLDERS = {"": LIGHT_FACES, "dark/": DARK_FACES, "de/": LIGHT_FACES,
                  "de/dark/": DARK_FACES}
BUTTONS = {"load": (55, 46), "manual": (55, 47), "htmls": (55, 46), "save": (55, 46),
           "export": (55, 46), "help": (55, 46)}
SIZES.update({"src/ui/pictures/%s%s.png" % (folder, name): size
              for folder in BUTTON_FOLDERS for name, size in BUTTONS.items()})


def contrast(a, b):
    def luminance(c):
        r, g, b = ((v / 255.0) / 12.92 if v <= 10 else ((v / 255.0 + 0.055) / 1.055) ** 2.4
                   for v in c[:3])
        return 0.2126 * r + 0.7152 * g + 0.0722 * b

    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def read_gif(data):
    """(width, height, palette, transparent index or None, pixel indices)."""
    assert data[:6] == b"GIF89a", "not a GIF89a file"
    width, height, flags, _, _ = struct.unpack("<HHBBB", data[6:13])
    pos = 13
    palette = []
    if flags & 0x80:
        count = 2 << (flags & 7)
        palette = [tuple(data[pos + 3 * i:pos + 3 * i + 3]) for i in range(count)]
        pos += 3 * count
    transparent = None
    while data[pos] == 0x21:
        label, size = data[pos + 1], data[pos + 2]
        if label == 0xF9 and data[pos + 3] & 1:
            transparent = data[pos + 6]
        pos += 3 + size
        assert data[pos] == 0, "extension block not ended"
        pos += 1
    assert data[pos] == 0x2C, "no image descriptor"
    _, _, w, h, iflags = struct.unpack("<HHHHB", data[pos + 1:pos + 10])
    assert (w, h) == (width, height) and iflags == 0
    pos += 10
    min_code_size = data[pos]
    pos += 1
    stream = bytearray()
    while data[pos]:
        stream += data[pos + 1:pos + 1 + data[pos]]
        pos += 1 + data[pos]
    assert data[pos + 1:] == b"\x3B", "the file does not end after the image"

    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    bits = int.from_bytes(bytes(stream), "little")
    total = len(stream) * 8
    at = 0
    size = min_code_size + 1
    table = []
    out = []
    previous = None
    while True:
        assert at + size <= total, "the code stream ends without an end code"
        code = (bits >> at) & ((1 << size) - 1)
        at += size
        if code == clear:
            table = [[i] for i in range(clear)] + [None, None]
            size = min_code_size + 1
            previous = None
            continue
        if code == end:
            break
        if previous is None:
            entry = table[code]
        else:
            if code < len(table):
                entry = table[code]
                table.append(previous + entry[:1])
            else:
                assert code == len(table), "a code beyond the table"
                entry = previous + previous[:1]
                table.append(entry)
            if len(table) == (1 << size) and size < 12:
                size += 1
        out.extend(entry)
        previous = entry
    return width, height, palette, transparent, out


def read_png(data):
    """(width, height, RGBA tuples) of an 8-bit RGBA PNG."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos = 8
    idat = b""
    header = None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])[0]
        assert zlib.crc32(kind + body) == crc, "bad CRC in %r" % kind
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour_type = header[:4]
    assert (depth, colour_type) == (8, 6)
    raw = zlib.decompress(idat)
    stride = width * 4
    pixels = []
    previous = bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - 4] if i >= 4 else 0
            up = previous[i]
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            else:
                assert kind == 0, "filter %d not expected" % kind
        pixels.extend(tuple(row[i:i + 4]) for i in range(0, stride, 4))
        previous = row
    return width, height, pixels


def jpeg_frame_size(data):
    assert data[:2] == b"\xFF\xD8" and data[-2:] == b"\xFF\xD9"
    pos = 2
    while True:
        assert data[pos] == 0xFF
        marker = data[pos + 1]
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        if marker == 0xC0:
            _, h, w, components = struct.unpack(">BHHB", data[pos + 4:pos + 10])
            return w, h, components
        pos += 2 + length


class DrawPicturesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.TemporaryDirectory()
        with open(os.devnull, "w") as quiet:
            stdout, sys.stdout = sys.stdout, quiet
            try:
                assert draw.main(["draw-pictures.py", "--out", cls.out.name]) == 0
            finally:
                sys.stdout = stdout
        cls.drawn = {path: fn() for path, fn, _ in draw.PICTURES}

    @classmethod
    def tearDownClass(cls):
        cls.out.cleanup()

    def fresh(self, path):
        with open(os.path.join(self.out.name, path), "rb") as f:
            return f.read()

    def test_every_picture_is_made(self):
        self.assertEqual(sorted(p for p, _, _ in draw.PICTURES), sorted(SIZES))

    def test_committed_pictures_are_the_ones_the_script_draws(self):
        for path in SIZES:
            with open(os.path.join(ROOT, path), "rb") as f:
                self.assertEqual(f.read(), self.fresh(path), path + " differs; run the script")

    def test_gifs_decode_to_the_drawn_pixels(self):
        for path, canvas in self.drawn.items():
            if isinstance(canvas, str) or not path.endswith(".gif"):
                continue
            w, h, palette, transparent, indices = read_gif(self.fresh(path))
            self.assertEqual((w, h), SIZES[path], path)
            self.assertEqual(len(indices), w * h, path)
            for drawn, index in zip(canvas.pixels, indices):
                if drawn[3] < 128:
                    self.assertEqual(index, transparent, path)
                else:
                    self.assertNotEqual(index, transparent, path)
                    self.assertEqual(palette[index], drawn[:3], path)

    def test_lzw_survives_a_full_table(self):
        # Enough varied pixels to fill the 4096-entry table more than once.
        canvas = draw.Canvas(200, 100, samples=1)
        canvas.pixels = [((x * 7 + y * 13) % 200, (x * y) % 256, (x ^ y) & 0xFF, 255)
                         for y in range(100) for x in range(200)]
        colours = sorted(set(p[:3] for p in canvas.pixels))
        # Keep within a 256-colour palette.
        keep = {c: colours[i % 256] for i, c in enumerate(colours)}
        canvas.pixels = [keep[p[:3]] + (255,) for p in canvas.pixels]
        w, h, palette, transparent, indices = read_gif(draw.gif_bytes(canvas))
        self.assertIsNone(transparent)
        self.assertEqual([palette[i] for i in indices], [p[:3] for p in canvas.pixels])

    def test_non_rectangular_gifs_have_transparency(self):
        for path in ("resources/stars-9.gif", "resources/watch-icon.gif",
                     "resources/dot_clear.gif", "resources/ebay_logo_home.gif",
                     "resources/pba.gif", "resources/psIcon_50x25.gif",
                     "resources/aboutme-small.gif"):
            _, _, _, transparent, indices = read_gif(self.fresh(path))
            self.assertIsNotNone(transparent, path)
            self.assertIn(transparent, indices, path)
        _, _, _, transparent, indices = read_gif(self.fresh("resources/dot_clear.gif"))
        self.assertEqual(indices, [transparent])

    def test_scalable_icon_is_a_whole_svg_of_the_icon_grid(self):
        text = self.fresh("data/icons/lotcraft.svg").decode("utf-8")
        root = ElementTree.fromstring(text)
        svg = "{http://www.w3.org/2000/svg}"
        self.assertEqual(root.tag, svg + "svg")
        self.assertEqual(root.get("viewBox"), "0 0 256 256")
        ids = {e.get("id") for e in root.iter() if e.get("id")}
        used = set(re.findall(r"url\(#([^)]+)\)", text))
        self.assertTrue(used)
        self.assertLessEqual(used, ids)
        # The colours of the raster icon's main parts are the ones the SVG paints with.
        for colour in ("#A85E0E", "#4A2A10", "#9A6030", "#8A3A0A", "#E0B040"):
            self.assertIn(colour, text)

    def test_icons_are_the_same_picture_at_every_size(self):
        # Each smaller icon covers what the 256 one covers, scaled down: its coverage
        # (alpha) is close to the mean of the big icon's pixels it stands for.
        big = self.drawn["data/icons/lotcraft-256.png"]
        for n in (16, 22, 24, 32, 48, 64, 128):
            small = self.drawn["data/icons/lotcraft-%d.png" % n]
            scale = 256.0 / n
            differences = []
            for y in range(n):
                for x in range(n):
                    block = [big.get(i, j)[3]
                             for j in range(int(y * scale), int((y + 1) * scale))
                             for i in range(int(x * scale), int((x + 1) * scale))]
                    differences.append(abs(small.get(x, y)[3] - sum(block) / len(block)))
            self.assertLess(sum(differences) / len(differences), 10, n)

    def test_pngs_decode_to_the_drawn_pixels(self):
        for path, canvas in self.drawn.items():
            if isinstance(canvas, str):
                continue
            if not path.endswith(".png"):
                continue
            w, h, pixels = read_png(self.fresh(path))
            self.assertEqual((w, h), SIZES[path], path)
            self.assertEqual(pixels, canvas.pixels, path)

    def test_button_pictures_have_a_clear_background(self):
        for path in ("src/ui/pictures/%s%s.png" % (f, n) for f in BUTTON_FOLDERS for n in BUTTONS):
            _, _, pixels = read_png(self.fresh(path))
            self.assertEqual(pixels[0][3], 0, path)
            self.assertTrue(any(p[3] == 255 for p in pixels), path)

    def test_button_words_read_on_every_face_of_their_palette(self):
        # The words' pixels are found by the script's drawing of the words alone; the
        # colours are the ones the written picture has there, laid over each face.
        for folder, faces in BUTTON_FOLDERS.items():
            for name in BUTTONS:
                path = "src/ui/pictures/%s%s.png" % (folder, name)
                w, _, pixels = read_png(self.fresh(path))
                words = [i for i, p in enumerate(self.drawn[path].caption.pixels) if p[3]]
                self.assertGreater(len(words), 40, path)
                for face in (draw.rgb(f) for f in faces):
                    seen = [tuple(round(p[k] * p[3] / 255.0 + face[k] * (1 - p[3] / 255.0))
                                  for k in range(3)) for p in (pixels[i] for i in words)]
                    worst = min(contrast(c, face) for c in seen)
                    self.assertGreaterEqual(worst, 4.5, (path, face))

    def test_one_line_button_words_share_a_line_clear_of_the_drawing(self):
        # The one-line words sit in the bottom seven rows, and the rows just above them stay
        # clear, so no drawing runs into its word.
        for name in ("%s%s" % (f, n) for f in BUTTON_FOLDERS for n in BUTTONS if n != "manual"):
            canvas = self.drawn["src/ui/pictures/%s.png" % name]
            rows = [y for y in range(canvas.height)
                    if any(canvas.caption.get(x, y)[3] for x in range(canvas.width))]
            self.assertEqual((rows[0], rows[-1]), (canvas.height - 7, canvas.height - 1), name)
            for y in range(canvas.height - 12, canvas.height - 7):
                self.assertFalse(any(canvas.get(x, y)[3] for x in range(canvas.width)),
                                 (name, y))

    def test_export_arrow_leaves_the_sheet(self):
        canvas = self.drawn["src/ui/pictures/export.png"]
        picture = range(canvas.height - 7)  # above the word
        sheet_edge = max(x for x in range(canvas.width) for y in picture
                         if canvas.get(x, y) == draw.rgb("#5A6680"))
        arrow = [x for x in range(canvas.width) for y in picture
                 if canvas.get(x, y)[3] == 255 and
                 canvas.get(x, y)[2] > canvas.get(x, y)[0] + 80]
        self.assertLess(min(arrow), sheet_edge - 5)  # it starts on the sheet
        self.assertGreater(max(arrow), sheet_edge + 8)  # and ends well past it

    def test_jpeg_frame(self):
        self.assertEqual(jpeg_frame_size(self.fresh("resources/OK.jpg")), (16, 16, 3))

    def test_star_is_yellow_with_a_dark_outline(self):
        canvas = self.drawn["resources/stars-9.gif"]
        centre = canvas.get(12, 13)
        self.assertTrue(centre[0] > 200 and centre[1] > 150 and centre[2] < 120, centre)
        top = next(canvas.get(12, y) for y in range(25) if canvas.get(12, y)[3])
        self.assertTrue(sum(top[:3]) < 300, top)

    def test_tick_is_green_on_white(self):
        canvas = self.drawn["resources/OK.jpg"]
        self.assertEqual(canvas.get(0, 0), draw.WHITE)
        self.assertTrue(any(p[1] > p[0] + 80 and p[1] > p[2] + 60 for p in canvas.pixels))

    def test_font_covers_the_words_drawn(self):
        for word in ("Lotcraft", "LOAD CSV", "INSERT NEW RECORD", "HTMLS", "SAVE AS",
                     "EXPORT", "HELP", "POWER", "item pages for your sales"):
            self.assertGreater(draw.FONT_5X7.width(word), 0)
        with self.assertRaises(KeyError):
            draw.FONT_3X5.glyph("a")


if __name__ == "__main__":
    unittest.main()
