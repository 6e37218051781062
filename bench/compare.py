#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""This tree against an older revision, side by side in the same minutes.

    bench/compare.py REVISION [ROUNDS]

Builds REVISION (in a git worktree under /tmp) and this tree, both Release with the
benchmarks, writes the 32766-record catalogue of bench/run.py, then times, in ROUNDS rounds
(default 9) after one untimed round of each, the two builds in turns, the one going first
changing every round:
  - reading the catalogue: catalogue-read-bench, the best of 3 readings in a fresh process;
  - writing its pages with lotcraft-pages, on the memory file system (/dev/shm) and on the
    disk (build-release/), each run into a new folder after a sync;
  - writing them from the window, window-pages-bench, on the memory file system;
  - writing them over the pages of an earlier run, on the memory file system;
  - exporting the catalogue for eBay, on the memory file system;
  - lotcraft-pages --check of the catalogue with HTML markup in every description.
Prints, for each, the best and the median of each build and the ratio this tree / REVISION
of both, every round, and the machine's load before and after.
"""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import run  # noqa: E402  (the catalogue)

TARGETS = ["lotcraft-pages", "lotcraft_resources", "catalogue-read-bench", "window-pages-bench"]


def build(source, folder):
    subprocess.run(["cmake", "-S", source, "-B", folder, "-DCMAKE_BUILD_TYPE=Release",
                    "-DLOTCRAFT_BENCH=ON"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", folder, "-j2", "--target"] + TARGETS, check=True,
                   stdout=subprocess.DEVNULL)
    return os.path.join(folder, "bin")


def reading(bin_dir, catalogue, _place):
    out = subprocess.run([os.path.join(bin_dir, "catalogue-read-bench"), catalogue, "3"],
                         check=True, capture_output=True, text=True).stdout
    # "N records, best of 3: X ms; floor: ..."
    return float(out.split(":")[1].split()[0])


def pages(bin_dir, catalogue, place):
    folder = os.path.join(place, "pages")
    os.makedirs(folder)
    os.sync()
    start = time.perf_counter()
    subprocess.run([os.path.join(bin_dir, "lotcraft-pages"), "-q", "-o", folder, "-l", "1",
                    "-s", "3", catalogue], check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    elapsed = (time.perf_counter() - start) * 1000
    shutil.rmtree(folder)
    return elapsed


def pages_over_older(bin_dir, catalogue, place):
    # Every page replaces one of an earlier run, which the first, untimed run writes.
    folder = os.path.join(place, "pages")
    os.makedirs(folder)
    command = [os.path.join(bin_dir, "lotcraft-pages"), "-q", "-o", folder, catalogue]
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.sync()
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = (time.perf_counter() - start) * 1000
    shutil.rmtree(folder)
    return elapsed


def export(bin_dir, catalogue, place):
    listing = os.path.join(place, "listings.csv")
    os.sync()
    start = time.perf_counter()
    subprocess.run([os.path.join(bin_dir, "lotcraft-pages"), "--export-listings", listing,
                    "--condition", "3000", "--dispatch-days", "2",
                    # Policies by name, which every revision with the export takes.
                    "--shipping-profile", "Post", "--return-profile", "30 days",
                    "--payment-profile", "Managed", "--location", "Leeds", catalogue], check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    elapsed = (time.perf_counter() - start) * 1000
    os.remove(listing)
    return elapsed


def check(bin_dir, catalogue, place):
    # The whole of lotcraft-pages --check: reading, and the check of every row.
    start = time.perf_counter()
    subprocess.run([os.path.join(bin_dir, "lotcraft-pages"), "--check", "-o", place, catalogue],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000


def window(bin_dir, catalogue, place):
    folder = os.path.join(place, "pages")
    os.makedirs(folder)
    os.sync()
    out = subprocess.run([os.path.join(bin_dir, "window-pages-bench"), catalogue, folder, "3"],
                         check=True, capture_output=True, text=True).stdout
    shutil.rmtree(folder)
    # "N pages from the window, X ms"
    return float(out.split(",")[1].split()[0])


def compare(name, measure, builds, catalogue, place, rounds):
    for bin_dir in builds.values():
        measure(bin_dir, catalogue, place)
    times = {label: [] for label in builds}
    for n in range(rounds):
        order = list(builds) if n % 2 == 0 else list(reversed(builds))
        for label in order:
            times[label].append(measure(builds[label], catalogue, place))
    old, new = builds
    best = {label: min(t) for label, t in times.items()}
    median = {label: sorted(t)[len(t) // 2] for label, t in times.items()}
    print("%-16s best %s %.1f ms, this tree %.1f ms: %.3fx; median %.1f / %.1f ms: %.3fx" % (
        name, old, best[old], best[new], best[new] / best[old], median[old], median[new],
        median[new] / median[old]))
    for label, t in times.items():
        print("                 rounds, %s: %s" % (label, ", ".join("%.0f" % ms for ms in t)))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    revision = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    old_tree = "/tmp/lotcraft-" + revision
    if not os.path.isdir(old_tree):
        subprocess.run(["git", "-C", here, "worktree", "add", "--detach", old_tree, revision],
                       check=True)
    builds = {revision: build(old_tree, os.path.join(old_tree, "build-release")),
              "this tree": build(here, os.path.join(here, "build-release"))}
    memory = "/dev/shm/lotcraft-compare"
    disk = os.path.join(here, "build-release", "compare-work")
    for place in (memory, disk):
        shutil.rmtree(place, ignore_errors=True)
        os.makedirs(place)
    catalogue = os.path.join(disk, "catalogue.csv")
    run.make_catalogue(catalogue)
    print("load before (1, 5, 15 min): %.2f %.2f %.2f" % os.getloadavg())
    compare("reading", reading, builds, catalogue, disk, rounds)
    compare("pages, memory", pages, builds, catalogue, memory, rounds)
    compare("window, memory", window, builds, catalogue, memory, rounds)
    compare("pages, disk", pages, builds, catalogue, disk, rounds)
    compare("over older, mem", pages_over_older, builds, catalogue, memory, rounds)
    compare("export, memory", export, builds, catalogue, memory, rounds)
    marked = os.path.join(disk, "markup.csv")
    run.make_catalogue(marked, markup=True)
    compare("check, markup", check, builds, marked, memory, rounds)
    print("load after (1, 5, 15 min): %.2f %.2f %.2f" % os.getloadavg())
    shutil.rmtree(memory, ignore_errors=True)
    shutil.rmtree(disk, ignore_errors=True)


if __name__ == "__main__":
    main()
