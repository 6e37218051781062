// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QTableWidget;
class XpButton;

// "Listing details": the shown record's values of the columns its catalogue keeps beyond the
// ten fields (a Quantity, a C:Brand), a column's name and its value a row, with the buttons
// that add and remove columns. The values are the form's, as its boxes are: the window
// stores them with the rest of the form.
class ListingDetailsList : public QWidget {
    Q_OBJECT

public:
    explicit ListingDetailsList(QWidget* parent = nullptr);

    // Shows the columns with the record's values (fewer values are empty ones); the values
    // can be edited while `enabled`.
    void Show(const QStringList& names, const QStringList& values, bool enabled);
    // The values as they stand now, one a column.
    QStringList Values() const;
    // The kept column whose row is current, or -1.
    int CurrentColumn() const;
    // Puts the keyboard in the list, on its first value.
    void FocusValues();

    XpButton* AddButton() const { return m_add; }
    XpButton* RemoveButton() const { return m_remove; }
    XpButton* TemplateButton() const { return m_template; }

private:
    QLabel* m_caption;
    QTableWidget* m_table;
    XpButton* m_add;
    XpButton* m_remove;
    XpButton* m_template;
};
