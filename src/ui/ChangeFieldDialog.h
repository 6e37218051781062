// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editing/RecordEditor.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class XpButton;

// "Change field": one field of the selected items set to a value, or a text in it replaced
// by another, for all of them at once.
class ChangeFieldDialog : public QDialog {
    Q_OBJECT

public:
    // For `itemCount` items, the field at `position` offered first; the catalogue's kept
    // columns, named `kept`, are offered after the fields.
    ChangeFieldDialog(int itemCount, int position, const QStringList& kept = {},
                      QWidget* parent = nullptr);

    RecordEditor::FieldChange Change() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Confirm();
    void ShowMode();

    QComboBox* m_field;
    QRadioButton* m_set;
    QRadioButton* m_replace;
    QLineEdit* m_find;
    QLineEdit* m_value;
    QLabel* m_note;
};
