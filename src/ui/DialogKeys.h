// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

class QWidget;
class XpButton;

// Gives every button of a dialog that has no key of its own an Alt+letter, taken from its
// caption as it reads in the seller's language and clear of the letters the dialog's labels
// and other controls already use. The captions are drawn as they stand, with no letter
// underlined, so the key is told in the button's tool tip and to screen readers.
class DialogKeys {
public:
    static void GiveEveryButtonAKey(QWidget* dialog);
    // Tells the button's key to screen readers and in its tool tip ("Open a catalogue file
    // (Ctrl+O)"); a button without a tool tip is named in it by `name`.
    static void Tell(XpButton* button, const QString& key, const QString& name);

    // The lower-case letter a text marks with "&" ("&&" is a plain ampersand), or a null
    // character.
    static QChar Mnemonic(const QString& text);
};
