#!/usr/bin/env python3
"""Two builds of catalogue-read-bench on one file, side by side in the same minutes.

    bench/compare_readers.py REFERENCE_BENCH CANDIDATE_BENCH FILE [ROUNDS]

Runs the two programs in turns, ROUNDS rounds (9 by default), the one going first changing
every round, each run the best of 3 readings in a fresh process. Prints every round, the best
of each program over all rounds, their ratio, and the machine's load before and after.
"""

import subprocess
import sys


def best_ms(program, catalogue):
    out = subprocess.run([program, catalogue, "3"], check=True, capture_output=True,
                         text=True).stdout
    # "N records, best of 3: X ms; floor: ..."
    return float(out.split(":")[1].split()[0])


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    reference, candidate, catalogue = sys.argv[1:4]
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 9
    print("load before (1, 5, 15 min): %s" % load())
    times = {reference: [], candidate: []}
    for round_number in range(rounds):
        order = (reference, candidate) if round_number % 2 == 0 else (candidate, reference)
        for program in order:
            times[program].append(best_ms(program, catalogue))
        print("round %d: reference %.1f ms, candidate %.1f ms"
              % (round_number + 1, times[reference][-1], times[candidate][-1]))
    best_reference, best_candidate = min(times[reference]), min(times[candidate])
    print("best of %d rounds: reference %.1f ms, candidate %.1f ms, candidate/reference %.3f"
          % (rounds, best_reference, best_candidate, best_candidate / best_reference))
    print("load after (1, 5, 15 min): %s" % load())


if __name__ == "__main__":
    main()
