#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lotcraft's benchmarks: reading the largest catalogue, checking it, and writing all of its pages.

    bench/run.py BUILD_DIR

Makes a synthetic catalogue of 32766 records, then measures
  - reading it with Lotcraft's reader against Python's csv module reading the same file;
  - checking it before pages are written, against reading it in the same process;
  - the same for a catalogue of a few records, one of them with a description of 50 MB;
  - writing all its pages with lotcraft-pages against a floor program that writes the same
    bytes into as many files of a fresh folder, one open, write and close each;
  - exporting it as eBay's bulk listing file with lotcraft-pages against lotcraft-pages
    writing its pages into the same file system, in the same rounds;
  - the peak memory of those runs;
  - the window's find and sort over the grid of 32766 records: a key typed into the find,
    and sorts by price and by start time, against a plain QSortFilterProxyModel;
  - how soon the page preview follows the form: from the last key typed into the title box
    until the preview's engine shows the changed page, against the engine showing a changed
    page handed to it directly, in the same rounds;
  - reading the same catalogue with a heading and 30 columns of a seller's own after the ten
    fields, against reading the ten-field file; and that catalogue as an .xlsx workbook
    (made by LibreOffice), read by Lotcraft, against LibreOffice converting it to CSV.
"""

import csv
import datetime
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

RECORDS = 32766
WORDS = ("brass clock vintage silver oak carved pair boxed mint rare antique glass enamel "
         "wool leather steam model tin toy stamp album atlas pen nib gold blue green red "
         "set of six with original key works well tested light wear no chips condition").split()


def sentence(rng, low, high):
    text = []
    length = rng.randint(low, high)
    while sum(len(w) + 1 for w in text) < length:
        text.append(rng.choice(WORDS))
    s = " ".join(text)[:length]
    return s[0].upper() + s[1:]


def auction_times():
    """A week's auction starting in two days, as the pages write times: a catalogue that is
    exported is one whose auctions are still to come (a past start is a warning a row)."""
    start = datetime.datetime.now(datetime.timezone.utc).replace(
        hour=10, minute=33, second=39, microsecond=0) + datetime.timedelta(days=2)
    end = start + datetime.timedelta(days=7)
    return tuple(t.strftime("%b-%d-%y %H:%M:%S GMT") for t in (start, end))


def make_catalogue(path, markup=False):
    """The benchmark's catalogue; with markup, every description is a seller's HTML, as the
    active content check reads it: bold, a line break, a font, a link and a picture."""
    rng = random.Random(20261208)
    start, end = auction_times()
    with open(path, "w", newline="", encoding="utf-8") as f:
        writer = csv.writer(f, lineterminator="\r\n")
        for n in range(RECORDS):
            title = sentence(rng, 40, 80)
            description = sentence(rng, 300, 1500)
            roll = rng.random()
            if roll < 0.2:
                description = description.replace(" ", ", ", 3)
            elif roll < 0.3:
                description = description.replace(" ", ' "quoted" ', 1)
            elif roll < 0.45:
                description = description.replace(" ", "\r\n", 2)
            if markup:
                description = ('<p align="left"><b>%s</b><br><font color="#800000" size=3>%s'
                               '</font> <a href="https://www.ebay.com/usr/me">more</a> '
                               '<img src="https://i.ebayimg.com/images/%d.jpg" width=200></p>'
                               % (title, description, n))
            writer.writerow([str(100000 + n), title, description,
                             "https://i.ebayimg.com/images/item%d.jpg" % n,
                             "$%d.%02d" % (rng.randint(1, 500), rng.randint(0, 99)),
                             "$%d.00" % rng.randint(1, 100), "",
                             start, end,
                             str(rng.randint(1, 99999))])


KEPT_COLUMNS = 30


def make_kept_columns_catalogue(path):
    """The benchmark's catalogue, the same rows, with a heading and KEPT_COLUMNS columns of
    short values after the ten fields, as a seller keeps item specifics and notes."""
    heading = ["Item number", "Title", "Description", "Image", "Price", "First bid", "Spare",
               "Started", "Ends", "Category"] + ["C:Specific %d" % n for n in range(KEPT_COLUMNS)]
    with open(path, "w", newline="", encoding="utf-8") as f, \
            tempfile.NamedTemporaryFile("w+", newline="", encoding="utf-8") as ten:
        make_catalogue(ten.name)
        writer = csv.writer(f, lineterminator="\r\n")
        writer.writerow(heading)
        for n, row in enumerate(csv.reader(open(ten.name, newline="", encoding="utf-8"))):
            writer.writerow(row + ["%s %d" % (WORDS[(n + k) % len(WORDS)], k)
                                   for k in range(KEPT_COLUMNS)])


def soffice_convert(source, target_format, folder):
    """LibreOffice converting a file; returns the wall time in ms and the file made."""
    profile = "file://" + os.path.join(folder, "soffice-profile")
    elapsed, _, _ = run_measured(["soffice", "-env:UserInstallation=" + profile, "--headless",
                                  "--convert-to", target_format, "--outdir", folder, source])
    base = os.path.splitext(os.path.basename(source))[0]
    return elapsed, os.path.join(folder, base + "." + target_format.split(":")[0])


def make_large_field_catalogue(path):
    """Three records, the second with a description of 50 MB: lines, commas and quotes. It is
    written a piece at a time, so that this process stays small: a child inherits its peak
    memory as its own starting figure."""
    rng = random.Random(20261209)
    block = "\r\n".join(sentence(rng, 300, 1500) for _ in range(10))
    block = block.replace(" ", ", ", 5).replace(" ", ' "quoted" ', 2).replace('"', '""')
    tail = ',pic.jpg,$1.00,$1.00,,Nov-25-02 10:33:39 PST,Dec-02-02 10:33:39 PST,45\r\n'
    with open(path, "w", newline="", encoding="utf-8") as f:
        f.write('100000,Title 0,A short description.' + tail)
        f.write('100001,Title 1,"')
        for _ in range(50 * 1000 * 1000 // len(block)):
            f.write(block)
        f.write('"' + tail)
        f.write('100002,Title 2,Another one.' + tail)


# Page runs on this machine vary from one moment to the next by more than the differences
# the benchmark looks for, so each is run this often and the best counts.
ROUNDS = 5


PYTHON_CSV_READ = """
import csv, sys, time
csv.field_size_limit(sys.maxsize)
best = None
for _ in range(5):
    start = time.perf_counter()
    with open(sys.argv[1], newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    elapsed = (time.perf_counter() - start) * 1000
    best = elapsed if best is None else min(best, elapsed)
    count = len(rows)
    del rows
print("%.1f %d" % (best, count))
"""


def run_measured(command):
    """Runs a command; returns (wall ms, peak resident KiB, stdout). Its output goes to files,
    not pipes: a program that writes more than a pipe holds would wait for ever on a reader
    that reads only once it has ended."""
    with tempfile.TemporaryFile() as out_file, tempfile.TemporaryFile() as err_file:
        start = time.perf_counter()
        process = subprocess.Popen(command, stdout=out_file, stderr=err_file)
        _, status, usage = os.wait4(process.pid, 0)
        elapsed = (time.perf_counter() - start) * 1000
        out_file.seek(0)
        err_file.seek(0)
        out = out_file.read().decode()
        err = err_file.read().decode()
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit("%s failed:\n%s%s" % (" ".join(command), out, err))
    return elapsed, usage.ru_maxrss, out


def write_pages(build, catalogue, place):
    """ROUNDS rounds, each lotcraft-pages, the floor and the window's HTMLS, each into a new
    folder of the same file system after a sync, so that none pays for another's writing
    back or for a folder just emptied. Returns the times of the rounds and the peak memory."""
    os.makedirs(place, exist_ok=True)
    r = {"pages": [], "floor": [], "window": [], "export": [], "pages_rss": 0, "floor_rss": 0,
         "export_rss": 0}
    for round_number in range(ROUNDS):
        pages_dir = os.path.join(place, "pages-%d" % round_number)
        floor_dir = os.path.join(place, "floor-%d" % round_number)
        window_dir = os.path.join(place, "window-%d" % round_number)
        os.makedirs(pages_dir)
        os.makedirs(window_dir)
        os.sync()
        ms, rss, _ = run_measured([os.path.join(build, "bin", "lotcraft-pages"), "-q",
                                   "-o", pages_dir, "-l", "1", "-s", "3", catalogue])
        r["pages"].append(ms)
        r["pages_rss"] = max(r["pages_rss"], rss)
        os.sync()
        _, rss, out = run_measured([os.path.join(build, "bin", "page-write-floor"),
                                    pages_dir, floor_dir])
        r["floor"].append(float(out.split(",")[1].split()[0]))
        r["floor_rss"] = max(r["floor_rss"], rss)
        os.sync()
        _, _, out = run_measured([os.path.join(build, "bin", "window-pages-bench"), catalogue,
                                  window_dir, "3"])
        r["window"].append(float(out.split(",")[1].split()[0]))
        os.sync()
        listings = os.path.join(place, "listings-%d.csv" % round_number)
        ms, rss, _ = run_measured([os.path.join(build, "bin", "lotcraft-pages"),
                                   "--export-listings", listings, "--condition", "3000",
                                   "--dispatch-days", "3", "--returns", "accepted",
                                   "--shipping-service", "USPSPriority", "--shipping-cost", "4.95",
                                   "-l", "1", "-s", "3", catalogue])
        r["export"].append(ms)
        r["export_rss"] = max(r["export_rss"], rss)
        r["export_bytes"] = os.path.getsize(listings)
        os.remove(listings)
        if round_number < ROUNDS - 1:
            for folder in (pages_dir, floor_dir, window_dir):
                shutil.rmtree(folder, ignore_errors=True)
    r["page_bytes"] = sum(os.path.getsize(os.path.join(pages_dir, n))
                          for n in os.listdir(pages_dir) if n.endswith(".html"))
    return r


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-release")
    # BENCH_DIR chooses the file system the pages go to; by default the build folder's.
    work = os.path.join(os.environ.get("BENCH_DIR", build), "bench-work")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    load_before = " ".join(open("/proc/loadavg").read().split()[:3])
    catalogue = os.path.join(work, "catalogue.csv")
    make_catalogue(catalogue)
    size_mb = os.path.getsize(catalogue) / 1e6

    # Reading.
    _, read_rss, out = run_measured([os.path.join(build, "bin", "catalogue-read-bench"),
                                     catalogue, "5"])
    lotcraft_read = float(out.split(":")[1].split()[0])
    records_floor = float(out.split(":")[2].split()[0])
    characters = int(out.split(":")[3].split()[0])
    _, _, out = run_measured([os.path.join(build, "bin", "catalogue-read-bench"), "--new-memory",
                              str(characters), "5"])
    new_memory = float(out.split(":")[1].split()[0])
    _, python_rss, out = run_measured([sys.executable, "-c", PYTHON_CSV_READ, catalogue])
    python_read, rows = float(out.split()[0]), int(out.split()[1])
    large = os.path.join(work, "large-field.csv")
    make_large_field_catalogue(large)
    _, large_rss, out = run_measured([os.path.join(build, "bin", "catalogue-read-bench"),
                                      large, "5"])
    lotcraft_large = float(out.split(":")[1].split()[0])
    _, python_large_rss, out = run_measured([sys.executable, "-c", PYTHON_CSV_READ, large])
    python_large = float(out.split()[0])
    _, _, out = run_measured([os.path.join(build, "bin", "grid-load-bench"), catalogue, "5"])
    grid_ms, grid_mib = (float(v.split()[0]) for v in out.split(":")[-1].split(","))
    assert rows == RECORDS, rows
    _, _, out = run_measured([os.path.join(build, "bin", "catalogue-check-bench"), catalogue, "5"])
    check = re.search(r"check ([\d.]+) ms, (\d+) findings; with a finding on every row "
                      r"([\d.]+) ms, (\d+) findings; reading ([\d.]+) ms", out)
    check_ms, check_faulty_ms, check_read_ms = (float(check.group(i)) for i in (1, 3, 5))
    check_findings = int(check.group(4))

    # The window's find and sort over the grid, on records the bench makes itself.
    _, _, out = run_measured([os.path.join(build, "bin", "grid-view-bench"), "7"])
    view = re.search(r"keystroke ([\d.]+) ms .*plain proxy ([\d.]+) ms .*key taken back "
                     r"([\d.]+) ms; first find ([\d.]+) ms; sort by price ([\d.]+) ms, plain "
                     r"proxy ([\d.]+) ms; sort by start ([\d.]+) ms, plain proxy ([\d.]+) ms", out)
    (find_key, plain_key, find_back, find_first, price_sort, plain_price_sort, start_sort,
     plain_start_sort) = (float(view.group(i)) for i in range(1, 9))
    rows = re.search(r"delete of \d+ rows ([\d.]+) ms, plain proxy ([\d.]+) ms; undo ([\d.]+) ms, "
                     r"plain proxy ([\d.]+) ms", out)
    delete_ms, plain_delete, undo_ms, plain_undo = (float(rows.group(i)) for i in range(1, 5))

    # A catalogue of the seller's own columns, as CSV and as a workbook LibreOffice made.
    kept = os.path.join(work, "kept-columns.csv")
    make_kept_columns_catalogue(kept)
    _, _, out = run_measured([os.path.join(build, "bin", "catalogue-read-bench"), kept, "5"])
    kept_read = float(out.split(":")[1].split()[0])
    sheets = os.path.join(work, "sheets")
    os.makedirs(sheets)
    _, workbook = soffice_convert(kept, "xlsx", sheets)
    _, _, out = run_measured([os.path.join(build, "bin", "catalogue-read-bench"), workbook, "3"])
    workbook_read = float(out.split(":")[1].split()[0])
    converted = os.path.join(work, "converted")
    os.makedirs(converted)
    soffice_ms = min(soffice_convert(workbook, "csv", converted)[0] for _ in range(2))

    # The preview following the form, on the sample catalogue.
    sample = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples",
                          "sample-catalogue.csv")
    _, _, out = run_measured([os.path.join(build, "bin", "preview-follow-bench"), sample, "15"])
    follow = re.search(r"delay (\d+) ms\): best ([\d.]+) ms, median ([\d.]+) ms; engine load "
                       r"alone: best ([\d.]+) ms, median ([\d.]+) ms", out)
    delay = int(follow.group(1))
    typed_best, typed_median, engine_best, engine_median = (float(follow.group(i))
                                                            for i in (2, 3, 4, 5))

    # Writing the pages, on the disk (the build folder's file system, or BENCH_DIR's) and on a
    # memory file system (/dev/shm) where there is one.
    places = [("disk", work)]
    if os.path.isdir("/dev/shm") and not work.startswith("/dev/shm"):
        places.append(("memory file system", os.path.join("/dev/shm", "lotcraft-bench-%d" % os.getpid())))
    results = [(name, write_pages(build, catalogue, folder)) for name, folder in places]

    print()
    print("Catalogue: %d records, %.1f MB; pages: %d files, %.0f MB"
          % (RECORDS, size_mb, RECORDS, results[0][1]["page_bytes"] / 1e6))
    print("Load before the runs (1, 5, 15 min): %s" % load_before)
    print()
    print("| what | Lotcraft | reference | ratio | goal |")
    print("|---|---|---|---|---|")
    print("| read the catalogue | %.0f ms | Python csv %.0f ms | %.1fx faster | 10x faster |"
          % (lotcraft_read, python_read, python_read / lotcraft_read))
    print("| build its records from strings in memory (floor of reading) | %.0f ms | "
          "Python csv %.0f ms | %.1fx faster | |" % (records_floor, python_read,
                                                     python_read / records_floor))
    print("| get and touch new memory for the records' characters (floor of any reading into text strings) | %.0f ms | "
          "Python csv %.0f ms | %.1fx faster | |" % (new_memory, python_read,
                                                     python_read / new_memory))
    print("| read the catalogue with a heading and %d columns of the seller's own | %.0f ms | "
          "the ten-field file %.0f ms | %.2fx | at most 2x |"
          % (KEPT_COLUMNS, kept_read, lotcraft_read, kept_read / lotcraft_read))
    print("| open that catalogue as .xlsx | %.0f ms | soffice --convert-to csv %.0f ms | "
          "%.1fx faster | at least 5x faster |" % (workbook_read, soffice_ms,
                                                  soffice_ms / workbook_read))
    print("| read a catalogue with one 50 MB description | %.0f ms | Python csv %.0f ms | "
          "%.1fx faster | faster |" % (lotcraft_large, python_large, python_large / lotcraft_large))
    print("| check the catalogue | %.1f ms; %.1f ms with a finding on every row (%d findings) "
          "| reading it %.0f ms | %.2fx the reading | under 100 ms |"
          % (check_ms, check_faulty_ms, check_findings, check_read_ms, check_ms / check_read_ms))
    for name, r in results:
        pages_best, floor_best, window_best = min(r["pages"]), min(r["floor"]), min(r["window"])
        print("| write all pages, %s | %.0f ms (lotcraft-pages, whole run) | floor %.0f ms | %.2fx the floor | at most 1.3x |"
              % (name, pages_best, floor_best, pages_best / floor_best))
        print("| HTMLS in the window, %s | %.0f ms | lotcraft-pages %.0f ms | %.2fx lotcraft-pages | at most 1.2x |"
              % (name, window_best, pages_best, window_best / pages_best))
        export_best = min(r["export"])
        print("| export for eBay, %s (%.0f MB file) | %.0f ms (lotcraft-pages, whole run) | "
              "lotcraft-pages writing the pages %.0f ms | %.2fx the pages | at most 1.3x |"
              % (name, r["export_bytes"] / 1e6, export_best, pages_best, export_best / pages_best))
    print("| the preview after the last key (waits %d ms for the typing to pause) | %.0f ms, "
          "median %.0f ms | the engine showing a page handed to it %.0f ms, median %.0f ms | "
          "%.2fx | within 150 ms |" % (delay, typed_best, typed_median, engine_best, engine_median,
                                         typed_best / engine_best))
    met = lambda ms, goal: "under %d ms%s" % (goal, "" if ms < goal else ": not met")
    print("| a key typed into the find (a fourth letter) | %.1f ms | plain QSortFilterProxyModel "
          "%.1f ms | %.2fx | %s |" % (find_key, plain_key, find_key / plain_key, met(find_key, 50)))
    print("| a key taken back from the find; the first find, folding every row | %.1f ms; %.0f ms "
          "| | | |" % (find_back, find_first))
    print("| sort the grid by price | %.1f ms | plain QSortFilterProxyModel %.1f ms | %.2fx | %s |"
          % (price_sort, plain_price_sort, price_sort / plain_price_sort, met(price_sort, 150)))
    print("| sort the grid by start time | %.1f ms | plain QSortFilterProxyModel %.1f ms | %.2fx "
          "| %s |" % (start_sort, plain_start_sort, start_sort / plain_start_sort,
                      met(start_sort, 150)))
    print("| delete 1000 selected rows, the view sorted by price | %.1f ms | plain "
          "QSortFilterProxyModel %.1f ms | %.2fx | %s |"
          % (delete_ms, plain_delete, delete_ms / plain_delete, met(delete_ms, 100)))
    print("| undo that delete | %.1f ms | plain QSortFilterProxyModel %.1f ms | %.2fx | %s |"
          % (undo_ms, plain_undo, undo_ms / plain_undo, met(undo_ms, 100)))
    print("| load all records into the grid | %.0f ms, %.0f MiB held | | | well under 1 s |"
          % (grid_ms, grid_mib))
    print("| peak memory, reading | %.0f MiB | Python csv %.0f MiB | | |"
          % (read_rss / 1024, python_rss / 1024))
    print("| peak memory, reading the 50 MB description | %.0f MiB | Python csv %.0f MiB | | |"
          % (large_rss / 1024, python_large_rss / 1024))
    print("| peak memory, pages | %.0f MiB | floor %.0f MiB (holds all pages) | | |"
          % (results[0][1]["pages_rss"] / 1024, results[0][1]["floor_rss"] / 1024))
    print("| peak memory, export for eBay | %.0f MiB | pages %.0f MiB | | |"
          % (results[0][1]["export_rss"] / 1024, results[0][1]["pages_rss"] / 1024))
    print()
    for name, r in results:
        print("Rounds, %s, ms: lotcraft-pages %s; floor %s; window %s; export %s"
              % (name, ", ".join("%.0f" % v for v in r["pages"]),
                 ", ".join("%.0f" % v for v in r["floor"]),
                 ", ".join("%.0f" % v for v in r["window"]),
                 ", ".join("%.0f" % v for v in r["export"])))
    print("Load after the runs (1, 5, 15 min): %s" % " ".join(open("/proc/loadavg").read().split()[:3]))
    for name, folder in places[1:]:
        shutil.rmtree(folder, ignore_errors=True)
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
