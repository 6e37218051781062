// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class XpButton;

// What screen readers, switch access and voice control see of an XpButton: a push button
// named as its face reads, described by its tool tip and its key, with a Press action that
// clicks it as its access key does. The button draws itself, so without this it would be a
// nameless "filler" whose only action moves the focus.
class XpButtonAccessible : public QAccessibleWidget {
public:
    explicit XpButtonAccessible(XpButton* button);

    // Makes every XpButton of the program known to the accessibility layer by this
    // interface; done once, by the first button made.
    static void Install();

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    XpButton* Button() const;
};
