#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks tests/contrast_check.py itself: its PNG reader on every row filter, and its
measure of a button's words on pictures drawn here, where the answer is known."""

import os
import random
import struct
import sys
import tempfile
import unittest
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import contrast_check as check  # noqa: E402


def paeth(left, up, up_left):
    p = left + up - up_left
    pa, pb, pc = abs(p - left), abs(p - up), abs(p - up_left)
    return left if pa <= pb and pa <= pc else up if pb <= pc else up_left


def encode_png(path, rows, channels):
    """Writes rows of (r, g, b[, a]) tuples, row y with filter y % 5."""
    width, height = len(rows[0]), len(rows)
    raw, previous = bytearray(), bytearray(width * channels)
    for y, row in enumerate(rows):
        line = bytearray(v for pixel in row for v in pixel)
        kind = y % 5
        out = bytearray()
        for i, value in enumerate(line):
            left = line[i - channels] if i >= channels else 0
            up, up_left = previous[i], previous[i - channels] if i >= channels else 0
            guess = [0, left, up, (left + up) // 2, paeth(left, up, up_left)][kind]
            out.append((value - guess) & 0xFF)
        raw += bytes([kind]) + out
        previous = line

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    colour = {3: 2, 4: 6}[channels]
    header = struct.pack(">IIBBBBB", width, height, 8, colour, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(bytes(raw))) + chunk(b"IEND", b""))


class FakeShot:
    """A picture drawn here: a face with a drawing above and words below, in strokes
    a pixel wide as the small words on the buttons are."""

    def __init__(self, face, words, drawing, words_reach_drawing=False):
        self.width, self.height = 40, 30
        self.rows = [[face] * self.width for _ in range(self.height)]
        for y in range(5, 15):
            for x in range(10, 30):
                self.rows[y][x] = drawing
        top = 10 if words_reach_drawing else 20
        for y in range(top, 26):
            for x in range(6, 34, 3):
                self.rows[y][x] = words

    pixels = check.Picture.pixels


NAVY, WHITE, YELLOW = (0, 0, 128), (240, 240, 240), (255, 220, 60)
DARK_FACE, LIGHT_FACE = (53, 53, 53), (239, 239, 239)


class PngReaderTest(unittest.TestCase):
    def test_every_filter_reads_back(self):
        shuffle = random.Random(7)
        for channels in (3, 4):
            rows = [[tuple(shuffle.randrange(256) for _ in range(channels)) for _ in range(9)]
                    for _ in range(10)]
            with tempfile.TemporaryDirectory() as folder:
                path = os.path.join(folder, "p.png")
                encode_png(path, rows, channels)
                width, height, read = check.read_png(path)
            self.assertEqual((width, height), (9, 10))
            self.assertEqual(read, [[pixel[:3] for pixel in row] for row in rows])

    def test_not_a_png_is_refused(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "p.png")
            with open(path, "wb") as f:
                f.write(b"GIF89a")
            with self.assertRaises(check.BadFiles):
                check.read_png(path)


class WordsTest(unittest.TestCase):
    BUTTON = (0, 0, 40, 30)

    def test_contrast_matches_the_known_figures(self):
        self.assertAlmostEqual(check.contrast((0, 0, 0), (255, 255, 255)), 21.0)
        self.assertAlmostEqual(check.contrast((119, 119, 119), (255, 255, 255)), 4.48, 2)

    def test_light_words_on_a_dark_face_pass(self):
        ratio, words, face = check.words_contrast(FakeShot(DARK_FACE, WHITE, NAVY), self.BUTTON)
        self.assertEqual((words, face), (WHITE, DARK_FACE))
        self.assertGreaterEqual(ratio, check.WORDS_LEAST)

    def test_navy_words_on_a_dark_face_fail_even_under_a_bright_drawing(self):
        # The yellow drawing stands out from the face, but it is not the words.
        ratio, words, _ = check.words_contrast(FakeShot(DARK_FACE, NAVY, YELLOW), self.BUTTON)
        self.assertEqual(words, NAVY)
        self.assertLess(ratio, check.WORDS_LEAST)

    def test_navy_words_on_a_light_face_pass(self):
        ratio, _, _ = check.words_contrast(FakeShot(LIGHT_FACE, NAVY, YELLOW), self.BUTTON)
        self.assertGreaterEqual(ratio, check.WORDS_LEAST)

    def test_a_shaded_face_is_taken_row_by_row_inside_the_border(self):
        shot = FakeShot(DARK_FACE, WHITE, YELLOW)
        for y, row in enumerate(shot.rows):
            for x in range(len(row)):
                if row[x] == DARK_FACE:
                    row[x] = (100 - y, 100 - y, 70 - y)
                if x < 2 or x >= shot.width - 2 or y < 2 or y >= shot.height - 2:
                    row[x] = (20, 20, 20)
        ratio, words, face = check.words_contrast(shot, self.BUTTON)
        self.assertEqual(words, WHITE)
        # The lightest face row beside the words: the band's top row.
        self.assertEqual(face, (80, 80, 50))
        self.assertAlmostEqual(ratio, check.contrast(WHITE, (80, 80, 50)))

    def test_words_run_into_the_drawing_are_no_band(self):
        found = check.words_contrast(FakeShot(DARK_FACE, WHITE, YELLOW, True), self.BUTTON)
        self.assertIsInstance(found, str)

    def test_a_blank_button_has_no_words(self):
        shot = FakeShot(DARK_FACE, DARK_FACE, DARK_FACE)
        self.assertIsInstance(check.words_contrast(shot, self.BUTTON), str)


if __name__ == "__main__":
    unittest.main()
