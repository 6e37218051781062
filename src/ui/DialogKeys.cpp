// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogKeys.h"

#include "controls/xpbutton/XpButton.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QSet>
#include <QShortcut>

void DialogKeys::GiveEveryButtonAKey(QWidget* dialog) {
    QSet<QChar> taken;
    const auto take = [&taken](const QString& text) {
        const QChar letter = Mnemonic(text);
        if (!letter.isNull())
            taken.insert(letter);
    };
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        take(label->text());
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        take(button->text());
    for (const QGroupBox* group : dialog->findChildren<QGroupBox*>())
        take(group->title());
    const QList<XpButton*> buttons = dialog->findChildren<XpButton*>();
    for (const XpButton* button : buttons) {
        if (!button->AccessKey().isEmpty())
            taken.insert(button->AccessKey()[0]);
    }
    for (XpButton* button : buttons) {
        if (!button->KeyText().isEmpty())
            continue;
        const QString caption = XpButton::ShownText(button->Caption()).toLower();
        QChar letter;
        for (const QChar c : caption) {
            if (c.isLetterOrNumber() && c.unicode() < 0x80 && !taken.contains(c)) {
                letter = c;
                break;
            }
        }
        if (letter.isNull())
            continue;
        taken.insert(letter);
        const QKeySequence key(
            QKeyCombination(Qt::AltModifier, Qt::Key(letter.toUpper().unicode())));
        auto* shortcut = new QShortcut(key, button);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, &XpButton::Press);
        Tell(button, key.toString(QKeySequence::NativeText),
             XpButton::ShownText(button->Caption()));
    }
}

void DialogKeys::Tell(XpButton* button, const QString& key, const QString& name) {
    button->SetKeyText(key);
    const QString tip = button->toolTip().isEmpty() ? name : button->toolTip();
    if (!tip.contains(QLatin1Char('(') + key + QLatin1Char(')')))
        button->setToolTip(QCoreApplication::translate("WindowCommands", "%1 (%2)").arg(tip, key));
}

QChar DialogKeys::Mnemonic(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;  // "&&" stands for one ampersand
    }
    return QChar();
}
