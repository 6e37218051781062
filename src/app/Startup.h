#pragma once

class ProgramSettings;

// The program's start-up, before any window exists: layout 1 and scheme 1 are chosen and
// the colour scheme table is filled. The window program then creates its main window.
class Startup {
public:
    static void Run(ProgramSettings& settings);
};
