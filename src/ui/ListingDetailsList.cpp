// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListingDetailsList.h"

#include "controls/xpbutton/XpButton.h"
#include "ui/FormControls.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

XpButton* ListButton(QWidget* parent, const QString& name, const QString& caption,
                     const QString& spoken) {
    XpButton* button = FormControls::DialogButton(parent, name, caption, 1100);
    button->setAccessibleName(spoken);
    return button;
}

}  // namespace

ListingDetailsList::ListingDetailsList(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ListingDetails"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_caption = new QLabel(tr("&Listing details"), this);
    m_caption->setObjectName(QStringLiteral("ListingDetailsCaption"));
    layout->addWidget(m_caption);
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("ListingDetailsTable"));
    m_table->setHorizontalHeaderLabels({tr("Column"), tr("Value")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setAccessibleName(tr("Listing details"));
    m_caption->setBuddy(m_table);
    layout->addWidget(m_table, 1);
    auto* buttons = new QHBoxLayout;
    m_add = ListButton(this, QStringLiteral("AddColumn"), tr("Add..."), tr("Add a column"));
    m_remove =
        ListButton(this, QStringLiteral("RemoveColumn"), tr("Remove"), tr("Remove the column"));
    m_template = ListButton(this, QStringLiteral("TemplateColumns"), tr("Template..."),
                            tr("Add columns from an eBay template"));
    for (XpButton* button : {m_add, m_remove, m_template})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void ListingDetailsList::Show(const QStringList& names, const QStringList& values, bool enabled) {
    const int current = m_table->currentRow();
    if (m_table->rowCount() != names.size())
        m_table->setRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        auto* name = m_table->item(row, 0);
        if (!name) {
            name = new QTableWidgetItem;
            name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_table->setItem(row, 0, name);
        }
        name->setText(names[row]);
        auto* value = m_table->item(row, 1);
        if (!value) {
            value = new QTableWidgetItem;
            m_table->setItem(row, 1, value);
        }
        value->setFlags(enabled ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                : Qt::ItemIsSelectable);
        if (value->text() != values.value(row))
            value->setText(values.value(row));
    }
    if (current >= 0 && current < m_table->rowCount())
        m_table->setCurrentCell(current, 1);
}

QStringList ListingDetailsList::Values() const {
    // A value still being typed counts, as a box's text does: the button that stores the
    // form may take no focus from the editor, which would hand the value back only then.
    // The list's viewport holds no widgets but its editors.
    for (QWidget* editor :
         m_table->viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (editor->isVisible())
            QMetaObject::invokeMethod(m_table, "commitData", Qt::DirectConnection,
                                      Q_ARG(QWidget*, editor));
    }
    QStringList values;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QTableWidgetItem* value = m_table->item(row, 1);
        values << (value ? value->text() : QString());
    }
    return values;
}

int ListingDetailsList::CurrentColumn() const {
    return m_table->currentRow();
}

void ListingDetailsList::FocusValues() {
    m_table->setFocus();
    if (m_table->rowCount() > 0 && m_table->currentRow() < 0)
        m_table->setCurrentCell(0, 1);
}
