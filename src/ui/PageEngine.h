// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The browser engine the page preview draws pages with (Qt WebEngine, a Chromium): what must
// be settled before the application is made, and whether the engine can start here at all.
class PageEngine {
public:
    // Before the application object is made: the engine shares the application's OpenGL
    // contexts, and it may run as root (AllowRunningAsRoot).
    static void PrepareBeforeApplication();

    // Chromium refuses to start as root with its sandbox on, and ends the whole process when
    // asked to. Run as root, the sandbox is turned off: the engine only ever shows the seller's
    // own page, with every request but its pictures refused. Done before the engine's first
    // use; the preview does it itself, for programs that made their application without
    // PrepareBeforeApplication.
    static void AllowRunningAsRoot();

    // Why the engine cannot start on this system (its helper program missing), or empty.
    static QString StartProblem();
    // Makes StartProblem() answer this instead (empty: look at the system again), so that
    // tests can see what the preview does where the engine cannot start.
    static void SetStartProblemForTests(const QString& problem);
};
