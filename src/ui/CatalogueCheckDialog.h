// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/CatalogueFinding.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class XpButton;

// The findings of the catalogue check, shown before pages are written: a line that counts
// the errors and warnings and says what becomes of the rows in error, the findings sorted
// by row with the highlighted one in full below them, "Check again" (the window checks the
// catalogue as it is now and shows the new findings), and "Write pages" (accepts; the rows
// in error are skipped) or "Cancel" (rejects, as Escape and the close box do). A
// double-click or Enter on a finding asks the window to show its row; the dialog stays
// open, and need not be modal, so the seller can mend the row and check again. When every
// row is in error there is nothing to write, and "Write pages" is disabled. The focus starts
// on the findings.
class CatalogueCheckDialog : public QDialog {
    Q_OBJECT

public:
    enum Column { RowColumn, ItemColumn, WhatColumn, WhatToDoColumn, ColumnCount };
    // What is written once the seller has seen the findings: the pages (the Ok button reads
    // "Write pages") or the listings for eBay ("Export").
    enum class Purpose { Pages, Listings };

    // itemCount is the number of rows in the catalogue checked.
    CatalogueCheckDialog(const std::vector<CatalogueFinding>& findings, int itemCount,
                         QWidget* parent = nullptr, Purpose purpose = Purpose::Pages);

    // Shows the findings, not modally: in the dialog held by `dialog` when it is open, or in
    // a new one beside owner (WindowPlacement::Beside) that deletes itself when closed. Its rows
    // are shown by showRow, "Check again" shows what check gives, and once it is accepted and gone,
    // accepted runs.
    static void ShowWithoutBlocking(QPointer<CatalogueCheckDialog>& dialog, QWidget* owner,
                                    const std::vector<CatalogueFinding>& findings, int itemCount,
                                    Purpose purpose, const std::function<void(int row)>& showRow,
                                    const std::function<std::vector<CatalogueFinding>()>& check,
                                    const std::function<int()>& itemCountNow,
                                    const std::function<void()>& accepted);

    // Shows the findings of another check, in place of those shown.
    void ShowFindings(const std::vector<CatalogueFinding>& findings, int itemCount);

    // The line above the list.
    static QString SummaryText(const std::vector<CatalogueFinding>& findings, int itemCount,
                               Purpose purpose = Purpose::Pages);
    // The catalogue row a line of the list stands for; 0 for the seller's texts.
    static int RowOf(const QTreeWidgetItem* item);
    // Whether a line of the list is an error.
    static bool IsError(const QTreeWidgetItem* item);

    QLabel* Label1() const { return m_label1; }
    QTreeWidget* List1() const { return m_list1; }
    // The highlighted finding in full: what is wrong, then what to do.
    QLabel* Label2() const { return m_label2; }
    XpButton* CheckAgainButton() const { return m_checkAgainButton; }
    XpButton* OKButton() const { return m_okButton; }
    XpButton* CancelButton() const { return m_cancelButton; }

Q_SIGNALS:
    // The seller asked to see a row of the catalogue (1 for the first item).
    void ShowRow(int row);
    // The seller asked for the catalogue to be checked again.
    void CheckAgain();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList1(const std::vector<CatalogueFinding>& findings);
    void ShowFinding(const QTreeWidgetItem* item);
    // Ok writes the pages, where the findings let it.
    void Confirm();

    Purpose m_purpose;
    QLabel* m_label1;
    QTreeWidget* m_list1;
    QLabel* m_label2;
    XpButton* m_checkAgainButton;
    XpButton* m_okButton;
    XpButton* m_cancelButton;
};
