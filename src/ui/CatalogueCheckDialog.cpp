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

#include <algorithm>

namespace {

constexpr int RowRole = Qt::UserRole;
constexpr int ErrorRole = Qt::UserRole + 1;

// "no errors", "1 error", "2 errors".
QString Counted(int count, const char* one, const char* many) {
    if (count == 0)
        return QStringLiteral("no %1").arg(QLatin1String(many));
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

}  // namespace

CatalogueCheckDialog::CatalogueCheckDialog(const std::vector<CatalogueFinding>& findings,
                                           int itemCount, QWidget* parent, Purpose purpose)
    : QDialog(parent), m_purpose(purpose) {
    FormControls::MakeFixedDialog(this, QStringLiteral("frmCheck"), QStringLiteral("Lotcraft"),
                                  ClientWidthTwips, ClientHeightTwips);

    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label1->setGeometry(FormControls::Place(120, 120, 9360, 480));

    m_list1 = new QTreeWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(FormControls::Place(120, 660, 9360, 3480));
    m_list1->setColumnCount(ColumnCount);
    m_list1->setHeaderLabels({QStringLiteral("Row"), QStringLiteral("Item"), QStringLiteral("What"),
                              QStringLiteral("What to do")});
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
    // The list shows each finding on one line; the one highlighted is shown whole below it.
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label2->setGeometry(FormControls::Place(120, 4260, 9360, 840));
    connect(m_list1, &QTreeWidget::currentItemChanged, this, [this](const QTreeWidgetItem* item) {
        m_label2->setText(item ? item->text(WhatColumn) + QLatin1Char('\n') +
                                     item->text(WhatToDoColumn)
                               : QString());
    });
    connect(m_list1, &QTreeWidget::itemDoubleClicked, this,
            [this](const QTreeWidgetItem* item) { ShowFinding(item); });

    m_checkAgainButton =
        FormControls::Button(this, QStringLiteral("CheckAgainButton"),
                             FormControls::DialogButtonProperties(QStringLiteral("Check again")),
                             FormControls::Place(4875, 5220, 1575, 375));
    m_okButton = FormControls::Button(
        this, QStringLiteral("OKButton"),
        FormControls::DialogButtonProperties(
            purpose == Purpose::Pages ? QStringLiteral("Write pages") : QStringLiteral("Export")),
        FormControls::Place(6570, 5220, 1575, 375));
    m_cancelButton =
        FormControls::Button(this, QStringLiteral("CancelButton"),
                             FormControls::DialogButtonProperties(QStringLiteral("Cancel")),
                             FormControls::Place(8265, 5220, 1215, 375));
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
                                 ? QStringLiteral("Every row's page will be written.")
                                 : QStringLiteral("Every row's listing will be exported.");
    const int errors = CatalogueCheck::Count(findings, CatalogueFinding::Severity::Error);
    const int warnings = CatalogueCheck::Count(findings, CatalogueFinding::Severity::Warning);
    const int rowsInError = int(CatalogueCheck::RowsInError(findings).size());
    if (findings.empty())
        return QStringLiteral("The catalogue check found nothing to mend. ") + everyRow;
    const QString found =
        QStringLiteral("The catalogue check found %1 and %2. ")
            .arg(Counted(errors, "error", "errors"), Counted(warnings, "warning", "warnings"));
    if (rowsInError == 0)
        return found + everyRow;
    if (rowsInError >= itemCount) {
        return found + QStringLiteral(
                           "Every row is in error, so there is nothing to write: "
                           "mend the rows and try again.");
    }
    const int others = itemCount - rowsInError;
    return found +
           (purpose == Purpose::Pages ? QStringLiteral("%1 will be skipped; %2 will be written.")
                                      : QStringLiteral("%1 will be left out; %2 will be exported."))
               .arg(rowsInError == 1 ? QStringLiteral("The row in error")
                                     : QStringLiteral("The %1 rows in error").arg(rowsInError),
                    others == 1 ? QStringLiteral("the other row")
                                : QStringLiteral("the other %1 rows").arg(others));
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
        const QString kind =
            finding->IsError() ? QStringLiteral("Error") : QStringLiteral("Warning");
        const QString itemNumber = PageName::Shown(finding->itemNumber);
        auto* item =
            new QTreeWidgetItem({finding->row > 0 ? QString::number(finding->row) : QString(),
                                 itemNumber, finding->what, finding->whatToDo});
        item->setIcon(RowColumn, finding->IsError() ? errorIcon : warningIcon);
        item->setData(RowColumn, RowRole, finding->row);
        item->setData(RowColumn, ErrorRole, finding->IsError());
        item->setToolTip(RowColumn, kind);
        item->setData(
            RowColumn, Qt::AccessibleTextRole,
            finding->row > 0 ? QStringLiteral("%1, row %2").arg(kind).arg(finding->row) : kind);
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
