// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue check's dialog on its own: the counts line, the findings by row, the rows it
// asks the window to show, how it closes, and where it opens beside its owner.

#include "WindowTesting.h"
#include "catalogue/ItemRecord.h"
#include "controls/xpbutton/XpButton.h"
#include "pages/CatalogueCheck.h"
#include "pages/SellerTexts.h"
#include "ui/CatalogueCheckDialog.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

ItemRecord Item(const QString& number,
                const QString& picture = QStringLiteral("https://i.ebayimg.com/images/a.jpg")) {
    ItemRecord record;
    record.SetField(ItemRecord::ItemNumber, number);
    record.SetField(ItemRecord::Title, QStringLiteral("Brass lamp"));
    record.SetField(ItemRecord::Price, QStringLiteral("$10.00"));
    record.SetField(ItemRecord::ImageAddress, picture);
    return record;
}

std::vector<CatalogueFinding> Findings(const std::vector<ItemRecord>& records) {
    const SellerTexts host = {SellerTexts::Starting().seller, QStringLiteral("Leeds"),
                              QStringLiteral("UK")};
    return CatalogueCheck::Run(records, host, QString());
}

// Rows 3 and 4 in error, row 5 and the seller with a warning, rows 1, 2 and 6 clean.
std::vector<ItemRecord> Catalogue() {
    return {Item(QStringLiteral("777")),
            Item(QStringLiteral("778")),
            Item(QStringLiteral("777")),
            Item(QStringLiteral("a\nb")),
            Item(QStringLiteral("779"), QStringLiteral("http://example.com/a.jpg")),
            Item(QStringLiteral("780"))};
}

std::unique_ptr<CatalogueCheckDialog> Open(const std::vector<CatalogueFinding>& findings,
                                           int itemCount) {
    auto dialog = std::make_unique<CatalogueCheckDialog>(findings, itemCount);
    dialog->show();
    return QTest::qWaitForWindowExposed(dialog.get()) ? std::move(dialog) : nullptr;
}

void DoubleClick(QTreeWidget* list, int line) {
    QWidget* viewport = list->viewport();
    const QPoint at = list->visualItemRect(list->topLevelItem(line)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class CatalogueCheckDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void itListsTheFindingsByRowUnderTheirCounts() {
        const std::vector<CatalogueFinding> findings = Findings(Catalogue());
        auto dialog = Open(findings, 6);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Lotcraft"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("The catalogue check found 2 errors and 2 warnings. The 2 rows "
                                "in error will be skipped; the other 4 rows will be written."));
        auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("List1"));
        QCOMPARE(list->topLevelItemCount(), 4);
        const QStringList rows = {QString(), QStringLiteral("3"), QStringLiteral("4"),
                                  QStringLiteral("5")};
        const QStringList items = {QString(), QStringLiteral("777"), QStringLiteral("a\\nb"),
                                   QStringLiteral("779")};
        const QList<bool> errors = {false, true, true, false};
        for (int line = 0; line < 4; ++line) {
            const QTreeWidgetItem* item = list->topLevelItem(line);
            QCOMPARE(item->text(CatalogueCheckDialog::RowColumn), rows.at(line));
            QCOMPARE(item->text(CatalogueCheckDialog::ItemColumn), items.at(line));
            QCOMPARE(CatalogueCheckDialog::IsError(item), errors.at(line));
            QCOMPARE(item->toolTip(CatalogueCheckDialog::RowColumn),
                     errors.at(line) ? QStringLiteral("Error") : QStringLiteral("Warning"));
        }
        QCOMPARE(list->topLevelItem(1)->text(CatalogueCheckDialog::WhatColumn), findings[1].what);
        // An error and a warning look different.
        QVERIFY(list->topLevelItem(0)->icon(0).pixmap(16).toImage() !=
                list->topLevelItem(1)->icon(0).pixmap(16).toImage());

        QCOMPARE(CatalogueCheckDialog::SummaryText(
                     Findings({Item(QStringLiteral("1")), Item(QStringLiteral("1"))}), 2),
                 QStringLiteral("The catalogue check found 1 error and 1 warning. The row in "
                                "error will be skipped; the other row will be written."));
    }

    void aFindingShowsItsRowAndTheDialogStays() {
        auto dialog = Open(Findings(Catalogue()), 6);
        QVERIFY(dialog);
        auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("List1"));
        QSignalSpy shown(dialog.get(), &CatalogueCheckDialog::ShowRow);
        DoubleClick(list, 2);
        DoubleClick(list, 0);  // the seller's text has no row to show
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(3));
        QTest::keyClick(list, Qt::Key_Return);
        const std::vector<CatalogueFinding> findings = Findings(Catalogue());
        QCOMPARE(dialog->Label2()->text(),
                 findings[3].what + QLatin1Char('\n') + findings[3].whatToDo);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).at(0).toInt(), 4);
        QCOMPARE(shown.at(1).at(0).toInt(), 5);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void writePagesAcceptsAndCancelRejects() {
        for (const char* way : {"click", "enter"}) {
            auto dialog = Open(Findings(Catalogue()), 6);
            QVERIFY(dialog);
            auto* write = dialog->findChild<XpButton*>(QStringLiteral("OKButton"));
            QCOMPARE(write->Caption(), QStringLiteral("Write pages"));
            QVERIFY(write->IsDefaultButton());
            // The focus starts on the findings; Tab goes on to Check again, then Write pages.
            QCOMPARE(QApplication::focusWidget(), dialog->List1());
            if (qstrcmp(way, "click") == 0) {
                Click(write);
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), dialog->CheckAgainButton());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        }
        for (const char* way : {"click", "escape"}) {
            auto dialog = Open(Findings(Catalogue()), 6);
            QVERIFY(dialog);
            auto* cancel = dialog->findChild<XpButton*>(QStringLiteral("CancelButton"));
            if (qstrcmp(way, "click") == 0)
                Click(cancel);
            else
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
        }
    }

    void withEveryRowInErrorThereIsNothingToWrite() {
        auto dialog = Open(Findings({Item(QString()), Item(QStringLiteral("."))}), 2);
        QVERIFY(dialog);
        QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("Label1"))
                    ->text()
                    .endsWith(QLatin1String("Every row is in error, so there is nothing to "
                                            "write: mend the rows and try again.")));
        auto* write = dialog->findChild<XpButton*>(QStringLiteral("OKButton"));
        auto* cancel = dialog->findChild<XpButton*>(QStringLiteral("CancelButton"));
        QVERIFY(!write->Enabled());
        QVERIFY(cancel->IsDefaultButton());
        Click(write);
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void shownWithoutBlockingItOpensBesideItsOwner() {
        // A narrow owner at the screen's left edge leaves room on its right.
        QWidget owner;
        const QRect available = owner.screen()->availableGeometry();
        owner.setGeometry(available.x(), available.y() + 40, available.width() / 8, 300);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QPointer<CatalogueCheckDialog> dialog;
        CatalogueCheckDialog::ShowWithoutBlocking(
            dialog, &owner, Findings(Catalogue()), 6, CatalogueCheckDialog::Purpose::Pages,
            [](int) {}, [] { return std::vector<CatalogueFinding>(); }, [] { return 6; }, [] {});
        const QRect frame = dialog->frameGeometry();
        QCOMPARE(frame, WindowPlacement::Beside(owner.frameGeometry(), frame.size(), available));
        QVERIFY(!frame.intersects(owner.frameGeometry()));
    }

    void checkingAgainShowsTheNewFindings() {
        auto dialog = Open(Findings({Item(QString()), Item(QStringLiteral("."))}), 2);
        QVERIFY(dialog);
        QSignalSpy asked(dialog.get(), &CatalogueCheckDialog::CheckAgain);
        Click(dialog->CheckAgainButton());
        QCOMPARE(asked.size(), 1);
        // One row mended: its findings, and something to write.
        const std::vector<CatalogueFinding> mended =
            Findings({Item(QStringLiteral("7")), Item(QStringLiteral("."))});
        dialog->ShowFindings(mended, 2);
        QCOMPARE(dialog->List1()->topLevelItemCount(), int(mended.size()));
        QVERIFY(dialog->OKButton()->Enabled() && dialog->OKButton()->IsDefaultButton());
        QVERIFY(!dialog->CancelButton()->IsDefaultButton());
        QVERIFY(dialog->Label1()->text().contains(QLatin1String("1 error")));
        QVERIFY(!dialog->Label2()->text().isEmpty());
        // Both mended: nothing found, every page written.
        dialog->ShowFindings({}, 2);
        QCOMPARE(dialog->List1()->topLevelItemCount(), 0);
        QVERIFY(dialog->Label2()->text().isEmpty());
        QVERIFY(dialog->Label1()->text().contains(QLatin1String("found nothing to mend")));
        QVERIFY(dialog->OKButton()->Enabled());
    }
};

QTEST_MAIN(CatalogueCheckDialogTest)
#include "CatalogueCheckDialogTest.moc"
