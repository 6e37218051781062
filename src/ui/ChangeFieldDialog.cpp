// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ChangeFieldDialog.h"

#include "controls/xpbutton/XpButton.h"
#include "ui/DialogKeys.h"
#include "ui/FormControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>

namespace {

// The fields a seller changes, in the grid's column order; Spare is none of them.
constexpr int kPositions[] = {
    ItemRecord::ItemNumber,   ItemRecord::Title,   ItemRecord::Description,
    ItemRecord::ImageAddress, ItemRecord::Price,   ItemRecord::FirstBid,
    ItemRecord::StartTime,    ItemRecord::EndTime, ItemRecord::Category};

QLineEdit* ValueBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

}  // namespace

ChangeFieldDialog::ChangeFieldDialog(int itemCount, int position, const QStringList& kept,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ChangeFieldDialog"));
    setWindowTitle(tr("Change field"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(itemCount == 1 ? tr("Change a field of the selected item:")
                                  : tr("Change a field of the %1 selected items:").arg(itemCount),
                   this));
    auto* form = new QFormLayout;
    m_field = new QComboBox(this);
    m_field->setObjectName(QStringLiteral("Field"));
    for (const int shown : kPositions) {
        m_field->addItem(QString::fromLatin1(ItemRecord::PresentationOf(shown).heading), shown);
        if (shown == position)
            m_field->setCurrentIndex(m_field->count() - 1);
    }
    for (qsizetype extra = 0; extra < kept.size(); ++extra) {
        const int shown = ItemRecord::FirstExtraPosition + int(extra);
        m_field->addItem(kept[extra], shown);
        if (shown == position)
            m_field->setCurrentIndex(m_field->count() - 1);
    }
    form->addRow(tr("&Field:"), m_field);
    m_set = new QRadioButton(tr("&Set it to"), this);
    m_set->setObjectName(QStringLiteral("SetValue"));
    m_replace = new QRadioButton(tr("&Replace"), this);
    m_replace->setObjectName(QStringLiteral("ReplaceText"));
    m_set->setChecked(true);
    m_find = ValueBox(this, QStringLiteral("FindText"));
    m_find->setAccessibleName(tr("Text to replace"));
    m_value = ValueBox(this, QStringLiteral("Value"));
    m_value->setAccessibleName(tr("New value"));
    form->addRow(m_set);
    form->addRow(m_replace, m_find);
    form->addRow(tr("&With:"), m_value);
    layout->addLayout(form);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    XpButton* ok = FormControls::DialogButton(this, QStringLiteral("OKButton"), tr("Change"));
    XpButton* cancel =
        FormControls::DialogButton(this, QStringLiteral("CancelButton"), tr("Cancel"));
    ok->SetDefaultButton(true);
    layout->addLayout(FormControls::ButtonRow({ok, cancel}));
    connect(ok, &XpButton::Click, this, &ChangeFieldDialog::Confirm);
    connect(cancel, &XpButton::Click, this, &QDialog::reject);
    connect(m_set, &QRadioButton::toggled, this, &ChangeFieldDialog::ShowMode);
    ShowMode();
    DialogKeys::GiveEveryButtonAKey(this);
    m_value->setFocus();
}

RecordEditor::FieldChange ChangeFieldDialog::Change() const {
    RecordEditor::FieldChange change;
    change.position = m_field->currentData().toInt();
    change.replace = m_replace->isChecked();
    change.find = m_find->text();
    change.value = m_value->text();
    return change;
}

void ChangeFieldDialog::ShowMode() {
    m_find->setEnabled(m_replace->isChecked());
    m_note->setText(m_replace->isChecked()
                        ? tr("Every place the text stands in the field is replaced, "
                             "letter case as typed.")
                        : tr("The field's value is replaced whole; an empty box empties it."));
}

void ChangeFieldDialog::Confirm() {
    if (m_replace->isChecked() && m_find->text().isEmpty()) {
        m_note->setText(tr("Type the text to replace, or choose \"Set it to\"."));
        m_find->setFocus();
        return;
    }
    accept();
}

void ChangeFieldDialog::keyPressEvent(QKeyEvent* event) {
    if (FormControls::IsEnterKey(event)) {
        Confirm();
        return;
    }
    QDialog::keyPressEvent(event);
}
