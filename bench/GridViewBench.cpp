// SPDX-License-Identifier: GPL-3.0-or-later
// Times the find and the sort of the window's view of the grid on the largest catalogue,
// against Qt's own QSortFilterProxyModel doing the same over the same grid: a key typed into
// the find (a fourth letter after three), and a sort by the price and by the start time.
// Then 1000 rows deleted as one change and the delete undone, with each of the two views
// sorted by price over the grid. The best of several runs of each, in milliseconds; the
// records are made here.
//   grid-view-bench [REPEATS]

#include "BestOf.h"

#include "editing/CatalogueView.h"
#include "editing/EditForm.h"
#include "editing/EditorHost.h"
#include "editing/Grid.h"
#include "editing/RecordEditor.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <cstdio>

namespace {

const QStringList& Words() {
    static const QStringList words =
        QStringLiteral(
            "brass clock vintage silver oak carved pair boxed mint rare antique glass enamel "
            "wool leather steam model tin toy stamp album atlas pen nib gold blue green red "
            "set of six with original key works well tested light wear no chips condition "
            "cr\u00E8me caf\u00E9 porcelaine d\u00E9cor M\u00FCnchen")
            .split(QLatin1Char(' '));
    return words;
}

QString Sentence(QRandomGenerator& random, int low, int high) {
    const int length = low + int(random.bounded(high - low + 1));
    QString text;
    while (text.size() < length) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += Words()[random.bounded(Words().size())];
    }
    text.truncate(length);
    text[0] = text[0].toUpper();
    return text;
}

// Auctions of a week from the coming days, most as the pages write times, some as ISO
// times in the computer's zone, as sellers type them.
std::vector<ItemRecord> Records() {
    QRandomGenerator random(20261208);
    const QDateTime first = QDateTime::currentDateTimeUtc().addDays(2);
    std::vector<ItemRecord> records(ItemRecord::MaxItems);
    for (int n = 0; n < ItemRecord::MaxItems; ++n) {
        ItemRecord& record = records[size_t(n)];
        record.SetField(ItemRecord::ItemNumber, QString::number(100000 + n));
        record.SetField(ItemRecord::Title, Sentence(random, 40, 60));
        record.SetField(ItemRecord::Description, Sentence(random, 200, 600));
        record.SetField(ItemRecord::ImageAddress,
                        QStringLiteral("https://i.ebayimg.com/images/item%1.jpg").arg(n));
        const int dollars = 1 + int(random.bounded(2000));
        const int cents = int(random.bounded(100));
        const QString price =
            n % 10 == 0
                ? QStringLiteral("US $%L1.%2").arg(dollars).arg(cents, 2, 10, QLatin1Char('0'))
                : QStringLiteral("$%1.%2").arg(dollars).arg(cents, 2, 10, QLatin1Char('0'));
        record.SetField(ItemRecord::Price, n % 50 == 0 ? QString() : price);
        record.SetField(ItemRecord::FirstBid,
                        QStringLiteral("$%1.00").arg(1 + random.bounded(100)));
        const QDateTime start = first.addSecs(qint64(random.bounded(14 * 24 * 3600)));
        const QDateTime end = start.addDays(7);
        const bool iso = n % 3 == 0;
        const auto written = [iso](const QDateTime& time) {
            return iso ? time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                       : QLocale::c().toString(time, QStringLiteral("MMM-dd-yy HH:mm:ss")) +
                             QStringLiteral(" GMT");
        };
        record.SetField(ItemRecord::StartTime, written(start));
        record.SetField(ItemRecord::EndTime, written(end));
        record.SetField(ItemRecord::Category, QString::number(1 + random.bounded(99999)));
    }
    return records;
}

// Says Yes to the delete's question.
class Agreeing : public EditorHost {
public:
    bool Confirm(const QString&) override { return true; }
    void Tell(const QString&) override {}
    void ShowCounters() override {}
};

const char* Goal(double ms, double goal) {
    return ms < goal ? "met" : "not met";
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int repeats = arguments.size() > 1 ? arguments[1].toInt() : 7;

    Grid grid;
    grid.AppendRecords(Records());
    const int priceColumn = ItemRecord::ColumnOfPosition(ItemRecord::Price) - 1;
    const int startColumn = ItemRecord::ColumnOfPosition(ItemRecord::StartTime) - 1;

    CatalogueView view(&grid);
    view.rowCount();
    QSortFilterProxyModel plain;
    plain.setSourceModel(&grid);
    plain.setFilterCaseSensitivity(Qt::CaseInsensitive);
    plain.setFilterKeyColumn(-1);
    plain.rowCount();

    // The first find folds every row's fields; the view keeps them after.
    QElapsedTimer timer;
    timer.start();
    view.SetFindText(QStringLiteral("bra"));
    const double firstFind = timer.nsecsElapsed() / 1e6;
    const int shownBy3 = view.ShownCount();

    const double keystroke = BestOf(
        repeats, [&] { view.SetFindText(QStringLiteral("bras")); },
        [&] { view.SetFindText(QStringLiteral("bra")); });
    const int shownBy4 = view.ShownCount();
    // A key taken back: every row is searched again, in the folded texts kept.
    const double backspace = BestOf(
        repeats, [&] { view.SetFindText(QStringLiteral("bra")); },
        [&] { view.SetFindText(QStringLiteral("bras")); });
    const double plainKeystroke = BestOf(
        repeats, [&] { plain.setFilterFixedString(QStringLiteral("bras")); },
        [&] { plain.setFilterFixedString(QStringLiteral("bra")); });
    const int plainShown = plain.rowCount();
    view.SetFindText(QString());
    plain.setFilterFixedString(QString());

    const auto sortTime = [repeats](QSortFilterProxyModel& model, int column) {
        return BestOf(
            repeats, [&] { model.sort(column); }, [&] { model.sort(-1); });
    };
    const double priceSort = sortTime(view, priceColumn);
    const double plainPriceSort = sortTime(plain, priceColumn);
    const double startSort = sortTime(view, startColumn);
    const double plainStartSort = sortTime(plain, startColumn);

    // 1000 rows spread over the catalogue, deleted and given back, while one view watches.
    std::vector<int> rows;
    for (int row = 1; rows.size() < 1000; row += 32)
        rows.push_back(row);
    EditForm form;
    Agreeing host;
    RecordEditor editor(grid, form, host);
    const auto deleteAndUndo = [&](QSortFilterProxyModel& watching) {
        view.setSourceModel(nullptr);
        plain.setSourceModel(nullptr);
        watching.setSourceModel(&grid);
        watching.sort(priceColumn);
        double deleted = -1;
        double undone = -1;
        for (int i = 0; i < repeats; ++i) {
            QElapsedTimer clock;
            clock.start();
            editor.DeleteRows(rows);
            const double deleteMs = clock.nsecsElapsed() / 1e6;
            clock.restart();
            editor.Undo();
            const double undoMs = clock.nsecsElapsed() / 1e6;
            deleted = deleted < 0 ? deleteMs : std::min(deleted, deleteMs);
            undone = undone < 0 ? undoMs : std::min(undone, undoMs);
        }
        return std::make_pair(deleted, undone);
    };
    const auto [viewDelete, viewUndo] = deleteAndUndo(view);
    const auto [plainDelete, plainUndo] = deleteAndUndo(plain);
    const bool intact = grid.ItemCount() == ItemRecord::MaxItems;

    std::printf(
        "%d records, best of %d: keystroke %.2f ms (%d rows of %d shown), plain proxy %.2f ms "
        "(%d shown); key taken back %.2f ms; first find %.1f ms; sort by price %.1f ms, plain "
        "proxy %.1f ms; sort by start %.1f ms, plain proxy %.1f ms\n",
        grid.ItemCount(), repeats, keystroke, shownBy4, shownBy3, plainKeystroke, plainShown,
        backspace, firstFind, priceSort, plainPriceSort, startSort, plainStartSort);
    std::printf(
        "delete of %zu rows %.1f ms, plain proxy %.1f ms; undo %.1f ms, plain proxy %.1f ms%s\n",
        rows.size(), viewDelete, plainDelete, viewUndo, plainUndo,
        intact ? "" : " (the grid was not given back whole)");
    std::printf(
        "goals: keystroke under 50 ms %s; sorts under 150 ms %s; delete and undo under "
        "100 ms %s\n",
        Goal(keystroke, 50), Goal(std::max(priceSort, startSort), 150),
        Goal(std::max(viewDelete, viewUndo), 100));
    return intact ? 0 : 1;
}
