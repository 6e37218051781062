// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a dialog shows all its texts whole and names its controls for screen readers; and
// the same asked of many dialogs at many font sizes, so that a run with a translator loaded
// checks the translated texts the same way.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

class DialogFits {
public:
    // Given the dialog shown and laid out; it may look at it, not keep it.
    using Look = std::function<void(QWidget& dialog)>;
    // Makes a dialog, shows it (Settle), hands it to the look and puts it away.
    using Maker = std::function<void(const Look& look)>;
    struct Dialog {
        QString name;
        Maker make;
    };

    // Shows a window and lets its layouts settle.
    static void Settle(QWidget& window);

    // What is cut short in the dialog, one line for each: a label's, a button's, a check or
    // option box's text, a box's or a list's current text, a list's column heading that its
    // control has no room for, and any control that stands outside the dialog.
    static QStringList TextsThatDoNotFit(const QWidget& dialog);
    // The controls a screen reader cannot name: a button whose accessible name is not its
    // caption as shown, a box or list with neither an accessible name nor a label for it.
    static QStringList ControlsWithoutNames(const QWidget& dialog);

    // Every dialog made with the application's font at each point size, and what does not
    // fit in it, each line led by the dialog's name and the size. The font is put back after.
    static QStringList TextsThatDoNotFitAt(const std::vector<Dialog>& dialogs,
                                           const std::vector<int>& pointSizes);
    // One dialog at one size: what does not fit, or that the dialog never opened.
    static QStringList TextsThatDoNotFitAt(const Dialog& dialog, int pointSize);
};
