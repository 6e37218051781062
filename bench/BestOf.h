// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>

#include <functional>

// The best of `repeats` runs of work, in milliseconds. prepare, when given, runs before each
// run and is not timed (emptying what the last run left, say).
inline double BestOf(int repeats, const std::function<void()>& work,
                     const std::function<void()>& prepare = {}) {
    double best = -1;
    for (int i = 0; i < repeats; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (best < 0 || ms < best)
            best = ms;
    }
    return best;
}
