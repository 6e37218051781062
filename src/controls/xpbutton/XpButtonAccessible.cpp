// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/xpbutton/XpButtonAccessible.h"

#include "controls/xpbutton/XpButton.h"

#include <mutex>

namespace {

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("XpButton") && object && object->isWidgetType())
        return new XpButtonAccessible(static_cast<XpButton*>(object));
    return nullptr;
}

}  // namespace

XpButtonAccessible::XpButtonAccessible(XpButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

void XpButtonAccessible::Install() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(MakeInterface); });
}

XpButton* XpButtonAccessible::Button() const {
    return static_cast<XpButton*>(widget());
}

QString XpButtonAccessible::text(QAccessible::Text kind) const {
    const XpButton* button = Button();
    switch (kind) {
        case QAccessible::Name:
            return button->accessibleName().isEmpty() ? XpButton::ShownText(button->Caption())
                                                      : button->accessibleName();
        case QAccessible::Description: {
            if (!button->accessibleDescription().isEmpty())
                return button->accessibleDescription();
            const QString key = button->KeyText();
            if (key.isEmpty() || button->toolTip().contains(key))
                return button->toolTip();
            return button->toolTip().isEmpty()
                       ? key
                       : button->toolTip() + QStringLiteral(" (") + key + QLatin1Char(')');
        }
        case QAccessible::Accelerator: return button->KeyText();
        default: return QAccessibleWidget::text(kind);
    }
}

QAccessible::State XpButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const XpButton* button = Button();
    state.focusable = button->focusPolicy() != Qt::NoFocus;
    state.focused = button->hasFocus();
    state.disabled = !button->isEnabled();
    state.defaultButton = button->IsDefaultButton();
    state.pressed = button->IsPressed();
    state.hotTracked = button->IsHovered();
    return state;
}

QStringList XpButtonAccessible::actionNames() const {
    // Press is listed while the button is disabled too, as for any push button; it then does
    // nothing, and the state says why.
    QStringList names{pressAction()};
    if (Button()->focusPolicy() != Qt::NoFocus)
        names << setFocusAction();
    return names;
}

void XpButtonAccessible::doAction(const QString& action) {
    // The click comes once the assistive tool's call has returned: a click that opens a
    // modal dialog would otherwise hold the tool until the dialog is closed.
    if (action == pressAction())
        QMetaObject::invokeMethod(Button(), &XpButton::Press, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(action);
}

QStringList XpButtonAccessible::keyBindingsForAction(const QString& action) const {
    if (action == pressAction() && !Button()->KeyText().isEmpty())
        return {Button()->KeyText()};
    return QAccessibleWidget::keyBindingsForAction(action);
}
