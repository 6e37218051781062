// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FindBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FindBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    auto* label = new QLabel(tr("&Find:"), this);
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("FindText"));
    m_box->setPlaceholderText(
        tr("Text in any column: Enter or F3 goes to the next row, Escape shows all"));
    m_box->setAccessibleName(tr("Find in the catalogue"));
    m_box->setClearButtonEnabled(true);
    // The box's clear button is Qt's own, and nameless to a screen reader without this.
    for (QToolButton* clear : m_box->findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear the search"));
    label->setBuddy(m_box);
    layout->addWidget(label);
    layout->addWidget(m_box, 1);
    connect(m_box, &QLineEdit::textChanged, this, &FindBar::TextChanged);
    connect(m_box, &QLineEdit::returnPressed, this, &FindBar::NextRequested);
    hide();
}

void FindBar::Open() {
    show();
    raise();
    m_box->setFocus();
    m_box->selectAll();
}

QString FindBar::Text() const {
    return m_box->text();
}

void FindBar::Clear() {
    m_box->clear();
}
