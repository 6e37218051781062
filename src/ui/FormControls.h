// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <initializer_list>

class PropertyBag;
class QEvent;
class QDialog;
class QHBoxLayout;
class QWidget;
class XpButton;

// What the windows share when they place their controls: positions given in twips, buttons
// restored from the property text a designer would have stored, dialogs sized by their
// layouts.
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
    // A dialog's button with a caption on the rounded style, for a layout to place: of the
    // dialogs' usual size, or `widthTwips` by `heightTwips`, and larger where its caption
    // needs more room at the button's font. Screen readers name it by its caption.
    static XpButton* DialogButton(QWidget* dialog, const QString& name, const QString& caption,
                                  int widthTwips = 1335, int heightTwips = 375);
    // The same, restored from stored properties that hold its caption, and perhaps a font.
    static XpButton* DialogButton(QWidget* dialog, const QString& name,
                                  const PropertyBag& properties, int widthTwips = 1335,
                                  int heightTwips = 375);
    // The buttons of a dialog in a row at its right-hand side.
    static QHBoxLayout* ButtonRow(std::initializer_list<XpButton*> buttons);

    // A dialog with a title and a close box, no minimise or maximise, of the size its layout
    // asks for: it grows when a text shown in it needs more room, and the seller cannot
    // make it smaller than that.
    static void MakeLaidOutDialog(QDialog* dialog, const QString& objectName,
                                  const QString& caption);
    // Puts a window in the middle of the screen its parent is on (the main screen for one
    // without a parent).
    static void CentreOnScreen(QWidget* window);

    // Whether an event is a press of Enter or Return, the keys that confirm a dialog.
    static bool IsEnterKey(const QEvent* event);
};
