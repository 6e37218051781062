#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""No script a catalogue smuggles in runs in a page, as Chromium reads the pages, and a
description of plain text keeps its paragraphs there.

  page_scripts_test.py LOTCRAFT_PAGES

Every script below would mark the page (its title, or an attribute of its body) with the word
its code spells out in two halves, so the word shows in the page's document only where the
script ran. Active content in a title or description is an error of the check; every other
value is written as text, so the same scripts there are only text.
"""

import csv
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

PROGRAM = None
MARK = "PWNED"
RUN = "document.title='PW'+'NED'"

# Active content as sellers' markup can hide it: each is a finding of the check.
MARKUP = [
    "<img alt=\">\" src=x onerror=%s>" % RUN,
    "<a href=\"&#106;avascript:%s\">look</a>" % RUN,
    "<a href=\"javascript&colon;%s\">look</a>" % RUN,
    "<a href=\"&#x6A;ava&#x09;script:%s\">look</a>" % RUN,
    "<svg/onload=%s>" % RUN,
    "<img src=\"x\"/onerror=%s>" % RUN,
    "<body onpageshow=%s>" % RUN,
    "<iframe srcdoc=\"<script>parent.%s</script>\"></iframe>" % RUN,
    "<SCRIPT>%s</SCRIPT>" % RUN,
    "<meta http-equiv=\"refresh\" content=\"0;url=javascript:%s\">" % RUN,
    "<a href=\"vbscript:msgbox(1)\">x</a>",
    "<object data=\"data:text/html,<script>%s</script>\"></object>" % RUN,
]

# The same scripts in values that are not markup: they must stay text.
ATTRIBUTE = "x\" onerror=\"%s" % RUN
TAG = "\"><img src=x onerror=%s>" % RUN


def line(item, title="Lamp", description="Brass lamp", picture="https://i.ebayimg.com/a.jpg",
         price="$20.00", first_bid="$5.00", start="Nov-25-02 10:33:39 PST",
         end="Dec-02-02 10:33:39 PST"):
    fields = [item, title, description, picture, price, first_bid, "", start, end, "1234"]
    return ",".join('"' + f.replace('"', '""') + '"' for f in fields) + "\r\n"


def run(*arguments):
    return subprocess.run([PROGRAM, *arguments], capture_output=True, text=True, timeout=120)


class Scripts(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        rows = [line("M%d" % n, description=payload) for n, payload in enumerate(MARKUP)]
        rows += [line("T%d" % n, title=payload) for n, payload in enumerate(MARKUP[:3])]
        cls.markup_rows = len(rows)
        rows += [line("P1", picture=ATTRIBUTE), line("P2", price=TAG),
                 line("P3", first_bid=TAG), line("P4", start=TAG), line("P5", end=TAG),
                 line("P6" + TAG.replace("/", ""))]
        cls.catalogue = os.path.join(cls.folder.name, "catalogue.csv")
        with open(cls.catalogue, "w", encoding="utf-8", newline="") as file:
            file.write("".join(rows))
        cls.texts = ["--seller", "me@example.com" + TAG, "--location", "Leeds" + TAG,
                     "--country", "UK" + ATTRIBUTE]

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_the_check_finds_active_content_in_markup_only(self):
        result = run("--check", *self.texts, "-o", self.folder.name, self.catalogue)
        self.assertEqual(result.returncode, 1)
        active = [row for row in result.stdout.splitlines()
                  if "error: The" in row and "active content" in row]
        self.assertEqual(len(active), self.markup_rows, result.stdout)
        for number in range(len(MARKUP)):
            self.assertTrue(any(row.startswith('Row %d, item "M%d"' % (number + 1, number))
                                for row in active), MARKUP[number])
        self.assertFalse(any('item "P' in row for row in active), result.stdout)

    def test_no_script_runs_in_the_pages(self):
        chromium = shutil.which("chromium")
        if not chromium:
            self.skipTest("chromium is not installed")
        pages = os.path.join(self.folder.name, "pages")
        os.mkdir(pages)
        result = run("--skip-bad-rows", *self.texts, "-o", pages, self.catalogue)
        self.assertEqual(result.returncode, 0, result.stderr)
        written = sorted(name for name in os.listdir(pages) if name.endswith(".html"))
        self.assertEqual(len(written), 6, written)
        profile = os.path.join(self.folder.name, "profile")
        for name in written:
            page = pathlib.Path(pages, name)
            dom = subprocess.run(
                [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--user-data-dir=" + profile, "--virtual-time-budget=3000",
                 "--dump-dom", page.as_uri()],
                capture_output=True, text=True, timeout=120)
            self.assertIn("Please correspond with us at", dom.stdout, dom.stderr)
            self.assertNotIn(MARK, dom.stdout, name)
            # The seller's text shows as typed.
            self.assertIn("me@example.com\"&gt;&lt;img", dom.stdout, name)

    def test_listings_carry_the_texts_as_text(self):
        listing = os.path.join(self.folder.name, "listings.csv")
        result = run("--export-listings", listing, "--condition", "3000", "--dispatch-days", "2",
                     "--returns", "accepted", "--shipping-service", "USPSPriority",
                     "--shipping-cost", "0", *self.texts, self.catalogue)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(listing, encoding="utf-8", newline="") as file:
            rows = list(csv.reader(file))
        # The picture's, the price's and the item number's rows; the others' amounts and
        # times are no listing's.
        self.assertEqual([row[1][:2] for row in rows[1:]], ["P1", "P2", "P6"])
        for row in rows[1:]:
            self.assertNotIn("\"><img", row[6])
            self.assertNotIn("\" onerror=", row[6])
            # The seller's line is the page's alone.
            self.assertNotIn("me@example.com", row[6])
        self.assertIn('src="x&quot; onerror=&quot;', rows[1][6])

    def test_paragraphs_of_plain_text_show(self):
        chromium = shutil.which("chromium")
        if not chromium:
            self.skipTest("chromium is not installed")
        folder = os.path.join(self.folder.name, "paragraphs")
        os.mkdir(folder)
        catalogue = os.path.join(folder, "catalogue.csv")
        with open(catalogue, "w", encoding="utf-8", newline="") as file:
            file.write(line("R1", description="Small chip on the rim.\r\n\r\nPlease look at "
                                              "all pictures!"))
            file.write(line("R2", description="<i>Markup</i> decides:\r\nno break here"))
        result = run("-o", folder, *self.texts, catalogue)
        self.assertEqual(result.returncode, 0, result.stderr)
        breaks = {}
        for item in ("R1", "R2"):
            dom = subprocess.run(
                [shutil.which("chromium"), "--headless", "--no-sandbox", "--disable-gpu",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + os.path.join(self.folder.name, "profile"), "--dump-dom",
                 pathlib.Path(folder, item + ".html").as_uri()],
                capture_output=True, text=True, timeout=120).stdout
            text = dom[dom.index("Small chip" if item == "R1" else "Markup"):]
            breaks[item] = text[:text.index("</b>")].count("<br>")
        self.assertEqual(breaks, {"R1": 2, "R2": 0})


if __name__ == "__main__":
    PROGRAM = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=1)
