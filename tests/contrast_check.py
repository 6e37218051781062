#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the main window's contrast in the pictures `window-shots --contrast OUTDIR` draws.

    contrast_check.py OUTDIR

For each palette (contrast-PALETTE.txt in OUTDIR, with its two pictures):
  - the focus frame's ring against the window just outside it: at least 3:1;
  - the focused cell's 2-pixel frame against the cell inside it, which must show the
    selection colour: at least 3:1;
  - each picture button's words against its face: at least 4.5:1.
Then the dark window with the light pictures on its buttons (contrast-control-dark.png):
there the words must fail, or the words check could not tell dark words on a dark face.

Every figure is printed; the status is 1 when any check fails, 2 when the files are wrong.
"""

import collections
import os
import struct
import sys
import zlib

FOCUS_LEAST = 3.0
WORDS_LEAST = 4.5
# The focused cell's frame is drawn with a 2-pixel pen along the cell's edges.
CELL_FRAME = 2
# A pixel is ink, not face, when one of its channels is this far from the face's.
INK_DISTANCE = 40
# Words are a few pixels tall: a band of ink rows taller than this share of the button is
# the picture, not its words.
WORDS_MOST_SHARE = 0.4
# A colour is one of the words' own when it covers this share of the band's ink pixels;
# the rest is the edges' blending.
WORDS_COLOUR_SHARE = 0.08


class BadFiles(Exception):
    pass


# --- PNG, as Qt writes it: 8-bit RGB or RGBA, not interlaced. --------------------------------

def read_png(path):
    """Returns (width, height, rows): each row a list of (r, g, b) tuples."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise BadFiles("%s: not a PNG file" % path)
    pos, header, compressed = 8, None, bytearray()
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        elif kind == b"IEND":
            break
    if header is None:
        raise BadFiles("%s: no IHDR" % path)
    width, height, depth, colour, _, _, interlace = header
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise BadFiles("%s: only 8-bit RGB or RGBA without interlacing is read" % path)
    raw = zlib.decompress(bytes(compressed))
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            up_left = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - up_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - up_left)
                guess = left if pa <= pb and pa <= pc else up if pb <= pc else up_left
                line[i] = (line[i] + guess) & 0xFF
            elif kind != 0:
                raise BadFiles("%s: row %d has filter %d" % (path, y, kind))
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, channels)])
        previous = line
    return width, height, rows


# --- Contrast, as ui/ColourContrast measures it. ---------------------------------------------

def luminance(colour):
    def linear(value):
        c = value / 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def hex_colour(colour):
    return "#%02X%02X%02X" % colour


# --- Regions of a picture. -------------------------------------------------------------------

class Picture:
    def __init__(self, path):
        self.path = path
        self.width, self.height, self.rows = read_png(path)

    def pixels(self, rect, hole=None):
        """The pixels of rect (x, y, w, h) that lie in the picture, less those of hole."""
        x, y, w, h = rect
        for py in range(max(y, 0), min(y + h, self.height)):
            for px in range(max(x, 0), min(x + w, self.width)):
                if hole and inside(hole, px, py):
                    continue
                yield self.rows[py][px]


def inside(rect, px, py):
    x, y, w, h = rect
    return x <= px < x + w and y <= py < y + h


def grown(rect, by):
    x, y, w, h = rect
    return (x - by, y - by, w + 2 * by, h + 2 * by)


def most_common(pixels):
    counts = collections.Counter(pixels)
    if not counts:
        return None, 0.0
    colour, count = counts.most_common(1)[0]
    return colour, count / sum(counts.values())


def far(a, b, distance=INK_DISTANCE):
    return max(abs(p - q) for p, q in zip(a, b)) > distance


# --- The checks. -----------------------------------------------------------------------------

class Report:
    def __init__(self):
        self.failures = []

    def figure(self, what, ratio, least, detail=""):
        ok = ratio >= least
        print("%-28s %6.2f:1 (needs %.1f:1) %s%s" % (what, ratio, least, "ok" if ok else "FAIL",
                                                     "  " + detail if detail else ""))
        if not ok:
            self.failures.append("%s: %.2f:1 is under %.1f:1 %s" % (what, ratio, least, detail))
        return ok

    def fail(self, what, message):
        print("%-28s FAIL  %s" % (what, message))
        self.failures.append("%s: %s" % (what, message))


def check_ring(report, palette, shot, ring):
    what = "%s focus frame" % palette
    if ring is None:
        report.fail(what, "no focus frame showed around the focused Load button "
                          "(no widget named FocusFrame)")
        return
    band = list(shot.pixels(ring, hole=grown(ring, -CELL_FRAME)))
    colour, share = most_common(band)
    if colour is None:
        report.fail(what, "the ring %r lies outside the picture" % (ring,))
        return
    if share < 0.9:
        report.fail(what, "the ring is not one colour: %s covers %.0f%% of it"
                    % (hex_colour(colour), share * 100))
    outside, _ = most_common(shot.pixels(grown(ring, 2), hole=ring))
    report.figure(what, contrast(colour, outside), FOCUS_LEAST,
                  "ring %s, window %s" % (hex_colour(colour), hex_colour(outside)))


def check_cell(report, palette, shot, cell, highlight):
    what = "%s focused cell" % palette
    inner = grown(cell, -(CELL_FRAME + 1))
    background, _ = most_common(shot.pixels(inner))
    frame, _ = most_common(shot.pixels(cell, hole=grown(cell, -CELL_FRAME)))
    if background is None or frame is None:
        report.fail(what, "the cell %r lies outside the picture" % (cell,))
        return
    if far(background, highlight, 8):
        report.fail(what, "the cell shows %s, not the selection colour %s"
                    % (hex_colour(background), hex_colour(highlight)))
    report.figure(what, contrast(frame, background), FOCUS_LEAST,
                  "frame %s, cell %s" % (hex_colour(frame), hex_colour(background)))


def words_contrast(shot, button):
    """The button's words against its face: (ratio, words, face), or a reason as a string.

    The rounded buttons shade their faces from top to bottom, so the face is taken row by
    row, inside the border: each row's most common colour. The words are the lowest band of
    rows with ink in them (the pictures have their words at the bottom, under the drawing,
    with face between the two); their colour is the one that stands out most among the
    band's frequent ink colours, so blended edge pixels do not count. The figure is the
    words against the band's face row that is nearest to them."""
    x, y, w, h = button
    # The border is 3 pixels at the top and the sides, 2 at the bottom.
    x, y, w, h = x + 3, y + 3, w - 6, h - 5
    rows = [list(shot.pixels((x, row, w, 1))) for row in range(y, y + h)]
    faces = [most_common(row)[0] for row in rows]
    if not rows or None in faces:
        return "the button %r lies outside the picture" % (button,)
    ink_rows = [any(far(p, face) for p in row) for row, face in zip(rows, faces)]
    bottom = len(ink_rows) - 1
    while bottom >= 0 and not ink_rows[bottom]:
        bottom -= 1
    if bottom < 0:
        return "no words: the button is all face"
    top = bottom
    while top > 0 and ink_rows[top - 1]:
        top -= 1
    if bottom - top + 1 > WORDS_MOST_SHARE * h:
        return "no band of words under the picture (ink in rows %d to %d)" % (y + top, y + bottom)
    band = range(top, bottom + 1)
    ink = [p for i in band for p in rows[i] if far(p, faces[i])]
    counts = collections.Counter(ink)
    frequent = [c for c, n in counts.items() if n >= WORDS_COLOUR_SHARE * len(ink)]
    if not frequent:
        frequent = [counts.most_common(1)[0][0]]
    band_faces = {faces[i] for i in band}
    words = max(frequent, key=lambda c: min(contrast(c, f) for f in band_faces))
    face = min(band_faces, key=lambda f: contrast(words, f))
    return contrast(words, face), words, face


def check_words(report, palette, shot, buttons):
    for name, rect in buttons:
        what = "%s %s words" % (palette, name)
        found = words_contrast(shot, rect)
        if isinstance(found, str):
            report.fail(what, found)
            continue
        ratio, words, face = found
        report.figure(what, ratio, WORDS_LEAST,
                      "words %s, face %s" % (hex_colour(words), hex_colour(face)))


def check_control(report, shot, buttons):
    """The light pictures' dark words on the dark face must not pass."""
    for name, rect in buttons:
        what = "control %s words" % name
        found = words_contrast(shot, rect)
        if isinstance(found, str):
            report.fail(what, "the light picture on the dark face was not measured: " + found)
            continue
        ratio, words, face = found
        detail = "words %s, face %s" % (hex_colour(words), hex_colour(face))
        print("%-28s %6.2f:1 (must be under %.1f:1) %s  %s"
              % (what, ratio, WORDS_LEAST, "ok" if ratio < WORDS_LEAST else "FAIL", detail))
        if ratio >= WORDS_LEAST:
            report.failures.append(
                "%s: the light picture on the dark face measured %.2f:1, so the words check "
                "cannot tell dark words on a dark face (%s)" % (what, ratio, detail))


def read_rectangles(path):
    found = {"buttons": [], "ring": None}
    with open(path, encoding="utf-8") as f:
        for line in f:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "highlight":
                value = words[1].lstrip("#")
                found["highlight"] = tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
            elif words[0] == "palette":
                found["palette"] = words[1]
            elif words[0] == "ring" and words[1:] == ["none"]:
                found["ring"] = None
            elif words[0] in ("ring", "cell"):
                found[words[0]] = tuple(int(v) for v in words[1:5])
            elif words[0] == "button":
                found["buttons"].append((words[1], tuple(int(v) for v in words[2:6])))
            else:
                raise BadFiles("%s: unknown line %r" % (path, line.strip()))
    for key in ("palette", "highlight", "cell"):
        if key not in found:
            raise BadFiles("%s: no %s line" % (path, key))
    if not found["buttons"]:
        raise BadFiles("%s: no button lines" % path)
    return found


def main(argv):
    if len(argv) != 2:
        print("usage: contrast_check.py OUTDIR", file=sys.stderr)
        return 2
    folder = argv[1]
    report = Report()
    try:
        measured = {}
        for palette in ("light", "dark"):
            rects = read_rectangles(os.path.join(folder, "contrast-%s.txt" % palette))
            measured[palette] = rects
            grid = Picture(os.path.join(folder, "contrast-grid-%s.png" % palette))
            button = Picture(os.path.join(folder, "contrast-button-%s.png" % palette))
            check_ring(report, palette, button, rects["ring"])
            check_cell(report, palette, grid, rects["cell"], rects["highlight"])
            # The words are measured where no button has the focus.
            check_words(report, palette, grid, rects["buttons"])
        control = Picture(os.path.join(folder, "contrast-control-dark.png"))
        check_control(report, control, measured["dark"]["buttons"])
    except (OSError, BadFiles, ValueError, zlib.error) as error:
        print("contrast_check: %s" % error, file=sys.stderr)
        return 2
    if report.failures:
        print("\ncontrast_check: %d check(s) failed:" % len(report.failures), file=sys.stderr)
        for failure in report.failures:
            print("  " + failure, file=sys.stderr)
        return 1
    print("contrast_check: every figure is met")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
