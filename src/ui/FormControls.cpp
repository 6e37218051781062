// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormControls.h"

#include "controls/xpbutton/PropertyBag.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/Twips.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

QRect FormControls::Place(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

QString FormControls::DialogButtonProperties(const QString& caption) {
    return QStringLiteral("Caption = text:%1\nButtonStyle = int:%2\n")
        .arg(caption)
        .arg(int(XpButton::XpRounded));
}

XpButton* FormControls::Button(QWidget* window, const QString& name, const QString& properties,
                               const QRect& place) {
    return Button(window, name, PropertyBag::FromText(properties), place);
}

XpButton* FormControls::DialogButton(QWidget* dialog, const QString& name, const QString& caption,
                                     int widthTwips) {
    XpButton* button =
        Button(dialog, name, DialogButtonProperties(caption), Place(0, 0, widthTwips, 375));
    button->setFixedSize(button->size());
    return button;
}

XpButton* FormControls::Button(QWidget* window, const QString& name, const PropertyBag& properties,
                               const QRect& place) {
    auto* button = new XpButton(name, window);
    button->setGeometry(place);
    button->ReadProperties(properties);
    return button;
}

void FormControls::MakeFixedDialog(QDialog* dialog, const QString& objectName,
                                   const QString& caption, int widthTwips, int heightTwips) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

void FormControls::CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->parentWidget() ? window->parentWidget()->screen()
                                                   : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect client(QPoint(), window->size());
    client.moveCenter(screen->availableGeometry().center());
    window->setGeometry(client);
}

bool FormControls::IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
