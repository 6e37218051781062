// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class PropertyBag;
class QEvent;
class QDialog;
class QWidget;
class XpButton;

// What the windows share when they place their controls: positions given in twips, buttons
// restored from the property text a designer would have stored, fixed dialog frames.
class FormControls {
public:
    // A control's place from its left, top, width and height in twips.
    static QRect Place(int left, int top, int width, int height);

    // The stored properties of the dialogs' buttons: a caption on the rounded style.
    static QString DialogButtonProperties(const QString& caption);

    // A button of the window, restored from a property bag's text form and put in place.
    static XpButton* Button(QWidget* window, const QString& name, const QString& properties,
                            const QRect& place);
    static XpButton* Button(QWidget* window, const QString& name, const PropertyBag& properties,
                            const QRect& place);
    // A dialog's button with a caption on the rounded style, of a fixed size for a layout to
    // place: the dialogs' usual width, or `widthTwips`.
    static XpButton* DialogButton(QWidget* dialog, const QString& name, const QString& caption,
                                  int widthTwips = 1335);

    // A dialog with a fixed client area, a title and a close box, no minimise or maximise.
    static void MakeFixedDialog(QDialog* dialog, const QString& objectName, const QString& caption,
                                int widthTwips, int heightTwips);
    // Puts a window in the middle of the screen its parent is on (the main screen for one
    // without a parent).
    static void CentreOnScreen(QWidget* window);

    // Whether an event is a press of Enter or Return, the keys that confirm a dialog.
    static bool IsEnterKey(const QEvent* event);
};
