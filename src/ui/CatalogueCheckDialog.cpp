// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CatalogueCheckDialog.h"

#include "controls/xpbutton/XpButton.h"
#include "pages/CatalogueCheck.h"
#include "pages/PageName.h"
#include "ui/FormControls.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RowRole = Qt::UserRole;
constexpr int ErrorRole = Qt::UserRole + 1;

// "no errors", "1 error", "2 errors".
QString Errors(int count) {
    if (count == 0)
        return CatalogueCheckDialog::tr("no errors");
    return count == 1 ? CatalogueCheckDialog::tr("1 error")
                      : CatalogueCheckDialog::tr("%1 errors").arg(count);
}

QString Warnings(int count) {
    if (count == 0)
        return CatalogueCheckDialog::tr("no warnings");
    return count == 1 ? CatalogueCheckDialog::tr("1 warning")
                      : CatalogueCheckDialog::tr("%1 warnings").arg(count);
}

}  // namespace

CatalogueCheckDialog::CatalogueCheckDialog(const std::vector<CatalogueFinding>& findings,
                                           int itemCount, QWidget* parent, Purpose purpose)
    : QDialog(parent), m_purpose(purpose) {
    auto* layout = new QVBoxLayout(this);
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(m_label1);

    m_list1 = new QTreeWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(tr("Findings"));
    m_list1->setMinimumSize(TwipsToPixels(9360), TwipsToPixels(3480));
    m_list1->setColumnCount(ColumnCount);
    m_list1->setHeaderLabels({tr("Row"), tr("Item"), tr("What"), tr("What to do")});
    m_list1->setRootIsDecorated(false);
    m_list1->setUniformRowHeights(true);
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setTextElideMode(Qt::ElideRight);
    m_list1->header()->setStretchLastSection(true);
    m_list1->header()->setSectionsMovable(false);
    m_list1->setColumnWidth(RowColumn, TwipsToPixels(840));
    m_list1->setColumnWidth(ItemColumn, TwipsToPixels(1200));
    m_list1->setColumnWidth(WhatColumn, TwipsToPixels(4350));
    m_list1->installEventFilter(this);
    layout->addWidget(m_list1, 1);
    // The list shows each finding on one line; the one highlighted is shown whole below it,
    // in room for three lines, so that most findings leave the dialog's size as it is.
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label2->setMinimumHeight(3 * m_label2->fontMetrics().lineSpacing());
    layout->addWidget(m_label2);
    connect(m_list1, &QTreeWidget::currentItemChanged, this, [this](const QTreeWidgetItem* item) {
        m_label2->setText(item ? item->text(WhatColumn) + QLatin1Char('\n') +
                                     item->text(WhatToDoColumn)
                               : QString());
    });
    connect(m_list1, &QTreeWidget::itemDoubleClicked, this,
            [this](const QTreeWidgetItem* item) { ShowFinding(item); });

    m_checkAgainButton = FormControls::DialogButton(this, QStringLiteral("CheckAgainButton"),
                                                    tr("Check again"), 1575);
    m_okButton = FormControls::DialogButton(
        this, QStringLiteral("OKButton"),
        purpose == Purpose::Pages ? tr("Write pages") : tr("Export"), 1575);
    m_cancelButton =
        FormControls::DialogButton(this, QStringLiteral("CancelButton"), tr("Cancel"), 1215);
    layout->addLayout(FormControls::ButtonRow({m_checkAgainButton, m_okButton, m_cancelButton}));
    FormControls::MakeLaidOutDialog(this, QStringLiteral("frmCheck"), tr("Lotcraft"));

    connect(m_checkAgainButton, &XpButton::Click, this, &CatalogueCheckDialog::CheckAgain);
    connect(m_okButton, &XpButton::Click, this, &CatalogueCheckDialog::Confirm);
    connect(m_cancelButton, &XpButton::Click, this, &QDialog::reject);
    // The buttons take every key themselves, so Enter on them is seen here first.
    m_checkAgainButton->installEventFilter(this);
    m_okButton->installEventFilter(this);
    m_cancelButton->installEventFilter(this);
    setTabOrder(m_list1, m_checkAgainButton);
    setTabOrder(m_checkAgainButton, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);

    ShowFindings(findings, itemCount);
    // The arrow keys go through the findings at once.
    m_list1->setFocus();
    FormControls::CentreOnScreen(this);
}

void CatalogueCheckDialog::ShowWithoutBlocking(
    QPointer<CatalogueCheckDialog>& dialog, QWidget* owner,
    const std::vector<CatalogueFinding>& findings, int itemCount, Purpose purpose,
    const std::function<void(int row)>& showRow,
    const std::function<std::vector<CatalogueFinding>()>& check,
    const std::function<int()>& itemCountNow, const std::function<void()>& accepted) {
    if (dialog) {
        dialog->ShowFindings(findings, itemCount);
    } else {
        dialog = new CatalogueCheckDialog(findings, itemCount, owner, purpose);
        CatalogueCheckDialog* shown = dialog;
        shown->setAttribute(Qt::WA_DeleteOnClose);
        shown->setModal(false);
        connect(shown, &CatalogueCheckDialog::ShowRow, owner, showRow);
        connect(shown, &CatalogueCheckDialog::CheckAgain, owner,
                [shown, check, itemCountNow] { shown->ShowFindings(check(), itemCountNow()); });
        // What was asked for starts once the dialog has gone.
        connect(shown, &QDialog::accepted, owner, accepted, Qt::QueuedConnection);
        // The seller mends rows in the owner's form while the findings stay in sight.
        WindowPlacement::PlaceBeside(shown, owner);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void CatalogueCheckDialog::ShowFindings(const std::vector<CatalogueFinding>& findings,
                                        int itemCount) {
    m_label1->setText(SummaryText(findings, itemCount, m_purpose));
    m_list1->clear();
    m_label2->clear();
    FillList1(findings);
    const int rowsInError = int(CatalogueCheck::RowsInError(findings).size());
    const bool nothingToWrite = itemCount > 0 && rowsInError >= itemCount;
    m_okButton->SetEnabled(!nothingToWrite);
    m_okButton->SetDefaultButton(!nothingToWrite);
    m_cancelButton->SetDefaultButton(nothingToWrite);
}

QString CatalogueCheckDialog::SummaryText(const std::vector<CatalogueFinding>& findings,
                                          int itemCount, Purpose purpose) {
    const QString everyRow = purpose == Purpose::Pages
                                 ? tr("Every row's page will be written.")
                                 : tr("Every row's listing will be exported.");
    const int errors = CatalogueCheck::Count(findings, CatalogueFinding::Severity::Error);
    const int warnings = CatalogueCheck::Count(findings, CatalogueFinding::Severity::Warning);
    const int rowsInError = int(CatalogueCheck::RowsInError(findings).size());
    if (findings.empty())
        return tr("The catalogue check found nothing to mend. ") + everyRow;
    const QString found =
        tr("The catalogue check found %1 and %2. ").arg(Errors(errors), Warnings(warnings));
    if (rowsInError == 0)
        return found + everyRow;
    if (rowsInError >= itemCount) {
        return found + tr("Every row is in error, so there is nothing to write: "
                          "mend the rows and try again.");
    }
    const int others = itemCount - rowsInError;
    return found +
           (purpose == Purpose::Pages ? tr("%1 will be skipped; %2 will be written.")
                                      : tr("%1 will be left out; %2 will be exported."))
               .arg(rowsInError == 1 ? tr("The row in error")
                                     : tr("The %1 rows in error").arg(rowsInError),
                    others == 1 ? tr("the other row") : tr("the other %1 rows").arg(others));
}

int CatalogueCheckDialog::RowOf(const QTreeWidgetItem* item) {
    return item ? item->data(RowColumn, RowRole).toInt() : 0;
}

bool CatalogueCheckDialog::IsError(const QTreeWidgetItem* item) {
    return item && item->data(RowColumn, ErrorRole).toBool();
}

void CatalogueCheckDialog::FillList1(const std::vector<CatalogueFinding>& findings) {
    std::vector<const CatalogueFinding*> sorted;
    sorted.reserve(findings.size());
    for (const CatalogueFinding& finding : findings)
        sorted.push_back(&finding);
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [](const CatalogueFinding* a, const CatalogueFinding* b) { return a->row < b->row; });
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(sorted.size()));
    for (const CatalogueFinding* finding : sorted) {
        const QString kind = finding->IsError() ? tr("Error") : tr("Warning");
        const QString itemNumber = PageName::Shown(finding->itemNumber);
        auto* item =
            new QTreeWidgetItem({finding->row > 0 ? QString::number(finding->row) : QString(),
                                 itemNumber, finding->what, finding->whatToDo});
        item->setIcon(RowColumn, finding->IsError() ? errorIcon : warningIcon);
        item->setData(RowColumn, RowRole, finding->row);
        item->setData(RowColumn, ErrorRole, finding->IsError());
        item->setToolTip(RowColumn, kind);
        item->setData(RowColumn, Qt::AccessibleTextRole,
                      finding->row > 0 ? tr("%1, row %2").arg(kind).arg(finding->row) : kind);
        item->setToolTip(ItemColumn, itemNumber);
        item->setToolTip(WhatColumn, finding->what);
        item->setToolTip(WhatToDoColumn, finding->whatToDo);
        items.append(item);
    }
    m_list1->addTopLevelItems(items);
    if (!items.isEmpty())
        m_list1->setCurrentItem(items.first());
}

void CatalogueCheckDialog::ShowFinding(const QTreeWidgetItem* item) {
    const int row = RowOf(item);
    if (row > 0)
        Q_EMIT ShowRow(row);
}

void CatalogueCheckDialog::Confirm() {
    if (m_okButton->Enabled())
        accept();
}

void CatalogueCheckDialog::keyPressEvent(QKeyEvent* event) {
    // Enter writes the pages; Escape is the close box (QDialog's own).
    if (FormControls::IsEnterKey(event)) {
        Confirm();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CatalogueCheckDialog::eventFilter(QObject* watched, QEvent* event) {
    if (!FormControls::IsEnterKey(event))
        return QDialog::eventFilter(watched, event);
    // On the list Enter shows the highlighted finding's row, as a double-click does; on a
    // button it presses that button.
    if (watched == m_list1) {
        ShowFinding(m_list1->currentItem());
        return true;
    }
    if (watched == m_cancelButton) {
        reject();
        return true;
    }
    if (watched == m_checkAgainButton) {
        Q_EMIT CheckAgain();
        return true;
    }
    if (watched == m_okButton) {
        Confirm();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
