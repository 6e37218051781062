// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindowKeys.h"

#include "controls/xpbutton/XpButton.h"
#include "ui/GridView.h"

#include <QShortcut>

void MainWindowKeys::Install(QWidget& window, const MainWindowLayout::Controls& controls,
                             const Actions& actions) {
    const auto shortcut = [&window](const QKeySequence& keys, QWidget* within) {
        auto* key = new QShortcut(keys, within);
        key->setContext(within == &window ? Qt::WindowShortcut : Qt::WidgetShortcut);
        return key;
    };
    QObject::connect(shortcut(QKeySequence(Qt::Key_Escape), &window), &QShortcut::activated,
                     &window, actions.escape);
    QObject::connect(shortcut(QKeySequence(Qt::Key_F5), &window), &QShortcut::activated, &window,
                     actions.showPreview);
    QObject::connect(shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &window),
                     &QShortcut::activated, &window, actions.copyDescription);
    XpButton* save = controls.save;
    QObject::connect(shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &window), &QShortcut::activated,
                     &window, [save, run = actions.save] {
                         if (save->isEnabled())
                             run();
                     });
    const struct {
        QKeySequence keys;
        XpButton* button;
        QWidget* within;
    } clicks[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), controls.load, &window},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), controls.save, &window},
        {QKeySequence(Qt::CTRL | Qt::Key_N), controls.newRecord, &window},
        {QKeySequence(Qt::CTRL | Qt::Key_E), controls.exportListings, &window},
        {QKeySequence(Qt::Key_F1), controls.help, &window},
        {QKeySequence(Qt::CTRL | Qt::Key_W), controls.close, &window},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), controls.close, &window},
        // Delete removes the row only where the grid has the focus; in a box it deletes text.
        {QKeySequence(Qt::Key_Delete), controls.deleteRecord, controls.grid},
    };
    for (const auto& click : clicks) {
        XpButton* button = click.button;
        QObject::connect(shortcut(click.keys, click.within), &QShortcut::activated, button,
                         [button] {
                             if (button->isEnabled() && button->isVisibleTo(button->window()))
                                 Q_EMIT button->Click();
                         });
    }
}
