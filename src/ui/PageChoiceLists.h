// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QComboBox;

// How the pages' two choices are offered wherever the seller makes them: the four
// description layouts by name, and the nineteen colour schemes by name, each beside a
// swatch of its colour. The layout dialog and the page preview show the same words and
// the same colours.
class PageChoiceLists {
public:
    static constexpr int LayoutCount = 4;
    static constexpr int SwatchPixels = 14;

    // The name of layout 1 to 4 ("Default" to "Horizontal Botton"); empty outside.
    static QString LayoutName(int layout);
    // The colour of a scheme's swatch: the scheme's main colour, except for Silver and
    // Grey, whose swatches show a colour of their own.
    static QColor SwatchColour(int scheme);
    static QIcon Swatch(int scheme);

    // Fills box, emptied first, with the schemes, scheme 1 as entry 0, each with its swatch.
    static void FillSchemes(QComboBox* box);
    // Fills box, emptied first, with the layouts, layout 1 as entry 0.
    static void FillLayouts(QComboBox* box);
};
