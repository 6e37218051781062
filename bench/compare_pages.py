#!/usr/bin/env python3
"""lotcraft-pages of this tree against an older revision, side by side.

    bench/compare_pages.py REVISION [ROUNDS]

Builds REVISION (in a git worktree under /tmp) and this tree, both Release, writes the
32766-record catalogue of bench/run.py, then runs both programs on it in alternating
rounds (the order swapped every round, after one untimed round of each), each into a new
folder after a sync, on the
memory file system (/dev/shm) and on the disk (build-release/). Prints the best of ROUNDS
(default 7) for each, the ratio this tree / REVISION of the best and of the medians, every
round, and the load average before and after.
"""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import run  # noqa: E402  (the catalogue)


def build(source, folder):
    subprocess.run(["cmake", "-S", source, "-B", folder, "-DCMAKE_BUILD_TYPE=Release"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", folder, "-j2", "--target", "lotcraft-pages",
                    "lotcraft_resources"], check=True, stdout=subprocess.DEVNULL)
    return os.path.join(folder, "bin", "lotcraft-pages")


def timed(program, catalogue, folder):
    os.makedirs(folder)
    os.sync()
    start = time.perf_counter()
    subprocess.run([program, "-q", "-o", folder, "-l", "1", "-s", "3", catalogue], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = (time.perf_counter() - start) * 1000
    shutil.rmtree(folder)
    return elapsed


def main():
    revision = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    old_tree = "/tmp/lotcraft-" + revision
    if not os.path.isdir(old_tree):
        subprocess.run(["git", "-C", here, "worktree", "add", "--detach", old_tree, revision],
                       check=True)
    programs = {revision: build(old_tree, os.path.join(old_tree, "build-release")),
                "this tree": build(here, os.path.join(here, "build-release"))}
    places = {"memory": "/dev/shm/lotcraft-compare",
              "disk": os.path.join(here, "build-release", "compare-work")}
    for place in places.values():
        shutil.rmtree(place, ignore_errors=True)
        os.makedirs(place)
    catalogue = os.path.join(places["disk"], "catalogue.csv")
    run.make_catalogue(catalogue)
    print("load before: %.2f %.2f %.2f" % os.getloadavg())
    for name, place in places.items():
        # A first round of each, untimed: the first run on a file system after another
        # one's rounds finds the disk idle, which the others do not.
        for label in programs:
            timed(programs[label], catalogue, os.path.join(place, "pages"))
        times = {label: [] for label in programs}
        for n in range(rounds):
            order = list(programs) if n % 2 == 0 else list(reversed(programs))
            for label in order:
                times[label].append(timed(programs[label], catalogue,
                                          os.path.join(place, "pages")))
        best = {label: min(t) for label, t in times.items()}
        median = {label: sorted(t)[len(t) // 2] for label, t in times.items()}
        print("%-6s best: %s %.0f ms, this tree %.0f ms: %.3fx; median %.3fx" % (
            name, revision, best[revision], best["this tree"],
            best["this tree"] / best[revision], median["this tree"] / median[revision]))
        for label, t in times.items():
            print("       rounds, %s: %s" % (label, ", ".join("%.0f" % ms for ms in t)))
    print("load after: %.2f %.2f %.2f" % os.getloadavg())
    shutil.rmtree(places["memory"], ignore_errors=True)


if __name__ == "__main__":
    main()
