// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormControls.h"

#include "controls/xpbutton/PropertyBag.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/DialogKeys.h"
#include "ui/Twips.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>

namespace {

// The distance of the button's content box from its every edge, as its painter draws it.
constexpr int ButtonContentInset = 4;

}  // namespace

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
                                     int widthTwips, int heightTwips) {
    return DialogButton(dialog, name, PropertyBag::FromText(DialogButtonProperties(caption)),
                        widthTwips, heightTwips);
}

XpButton* FormControls::DialogButton(QWidget* dialog, const QString& name,
                                     const PropertyBag& properties, int widthTwips,
                                     int heightTwips) {
    XpButton* button = Button(dialog, name, properties, Place(0, 0, widthTwips, heightTwips));
    // The painter wraps the caption inside a margin of one average character either side of
    // its content box: with that much room, and the line's height, it stays on one line.
    const QFontMetrics metrics(button->Font());
    const QSize text = metrics.size(Qt::TextShowMnemonic, button->Caption());
    const QSize needed(text.width() + 2 * metrics.averageCharWidth() + 2 * ButtonContentInset,
                       text.height() + 2 * ButtonContentInset);
    button->setMinimumSize(needed.expandedTo(button->size()));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->resize(button->minimumSize());
    return button;
}

QHBoxLayout* FormControls::ButtonRow(std::initializer_list<XpButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (XpButton* button : buttons)
        row->addWidget(button);
    return row;
}

XpButton* FormControls::Button(QWidget* window, const QString& name, const PropertyBag& properties,
                               const QRect& place) {
    auto* button = new XpButton(name, window);
    button->setGeometry(place);
    button->ReadProperties(properties);
    return button;
}

void FormControls::MakeLaidOutDialog(QDialog* dialog, const QString& objectName,
                                     const QString& caption) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The size the layout asks for, its word-wrapped texts' height at its width included,
    // asked again whenever a control's text changes.
    dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
    dialog->layout()->activate();
    DialogKeys::GiveEveryButtonAKey(dialog);
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
