// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a desktop program: the usual keys do what the buttons do, and a
// catalogue dropped on the window is opened as LOAD CSV opens one.

#include "editing/RecordEditor.h"
#include "ui/CommandLine.h"
#include "ui/HtmlSourceWindow.h"
#include "ui/KeptSettings.h"
#include "ui/KeptSettingsFile.h"
#include "ui/PagePreviewWindow.h"

#include <QDirIterator>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSettings>

#include "AuctionsFixture.h"

#include <cerrno>
#include <optional>

#include <unistd.h>

namespace {

// Drags a file over a widget and drops it there; true when the widget took the drop.
bool Drop(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(QUrl::fromLocalFile(path).toString());
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// What stands where the settings file is looked for.
enum Placed { AFile, AFolder, AnUnreadableFile, Nothing };

// Every name in the folder and under it, sorted.
QStringList Listing(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

}  // namespace

class AuctionsDesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theUsualKeysPressTheButtons() {
        QTemporaryDir dir;
        const QString shop = dir.filePath(QStringLiteral("shop.csv"));
        QVERIFY(QFile::copy(kSample, shop));
        QFile(shop).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        // Ctrl+S does nothing while there is nothing to save; Ctrl+O opens.
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.saves, 0);
        w.dialogs.openAnswers.push_back(shop);
        QTest::keyClick(&w.window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
        QCOMPARE(w.window.windowTitle(), QStringLiteral("shop.csv[*] - Lotcraft"));
        QVERIFY(!w.window.isWindowModified());

        // A change marks the window; Ctrl+S saves it to the open file without a question.
        w.ClickRow(3);
        w.Box("t_price")->setText(QStringLiteral("$99.00"));
        w.Press("Update");
        QVERIFY(w.window.isWindowModified());
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.saves, 0);
        QVERIFY(w.messages.questions.isEmpty());
        QVERIFY(!w.window.isWindowModified());
        QVERIFY(ReadAll(shop).contains(",$99.00,"));
        QCOMPARE(w.Label("Status"), QStringLiteral("Saved 12 items to shop.csv"));
        // Ctrl+Shift+S is Save As: it asks for a name, and the new file is the open one.
        const QString copy = dir.filePath(QStringLiteral("copy.csv"));
        w.dialogs.saveAnswers.push_back(copy);
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.dialogs.saves, 1);
        QCOMPARE(ReadAll(copy), ReadAll(shop));
        QCOMPARE(w.window.windowTitle(), QStringLiteral("copy.csv[*] - Lotcraft"));

        // Delete in the grid asks, naming the item, and removes the row it shows.
        auto* view = w.Find<QTableView>("MSFlexGrid1");
        w.ClickRow(2);
        const ItemRecord second = w.window.CatalogueGrid().Record(2);
        view->setFocus();
        w.messages.answers = {Yes};
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(w.messages.questions, QStringList{RecordEditor::DeleteQuestion(second)});
        QVERIFY(w.messages.questions[0].contains(QLatin1String("Item 1002")));
        QCOMPARE(w.Label("Label6"), QStringLiteral("11"));
        QVERIFY(w.window.isWindowModified());
        // ... but in a box it only deletes text.
        w.ClickRow(1);
        w.Box("t_title")->setFocus();
        w.Box("t_title")->setCursorPosition(0);
        QTest::keyClick(w.Box("t_title"), Qt::Key_Delete);
        QCOMPARE(w.Label("Label6"), QStringLiteral("11"));
        QCOMPARE(w.messages.questions.size(), 1);
        w.Box("t_title")->undo();

        // Ctrl+N starts a new record; F1 opens the help page.
        QTest::keyClick(&w.window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(w.Button("Update")->Caption(), QStringLiteral("Insert"));
        QList<QUrl> opened;
        w.window.PreviewBrowser().SetOpener([&opened](const QUrl& url, Browser::Outcome outcome) {
            opened << url;
            outcome(true);
        });
        QTest::keyClick(&w.window, Qt::Key_F1);
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].toLocalFile().endsWith(QLatin1String("/help.html")));

        // Ctrl+W and Ctrl+Q close the window, with the question, since a row was deleted.
        w.messages.answers = {Dismissed};
        QTest::keyClick(&w.window, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(w.window.isVisible());
        w.messages.answers = {No};
        QTest::keyClick(&w.window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.window.isVisible());
        QCOMPARE(w.messages.saveQuestions, QStringList(2, Auctions::ClosingQuestion()));
        // No caption changed for it; the tool tip tells the key.
        QCOMPARE(w.Button("Load")->toolTip(), QStringLiteral("Open a catalogue file (Ctrl+O)"));
    }

    void whatTheSellerChoseComesBackAfterARestart() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lotcraft.conf"));
        const QString pages = dir.filePath(QStringLiteral("pages"));
        QString catalogueFolder;
        {
            QSettings store(file, QSettings::IniFormat);
            Window w;
            w.window.KeepSettingsIn(&store);
            // A first start shows the starting texts and chooses no folder.
            QCOMPARE(w.window.Seller().seller, SellerTexts::Starting().seller);
            QCOMPARE(w.window.Seller().country, SellerTexts::Starting().country);
            QVERIFY(w.settings.OutputFolder().isEmpty());
            QCOMPARE(w.Label("Status"), QString());
            w.Box("Seller")->setText(QStringLiteral("shop@example.com"));
            w.Box("Location")->setText(QStringLiteral("Leeds"));
            w.Box("Country")->setText(QStringLiteral("United Kingdom"));
            w.settings.SetLayoutIndex(3);
            w.settings.SetSchemeIndex(17);
            w.settings.SetOutputFolder(pages);
            w.Open(kSample);
            catalogueFolder = QFileInfo(w.SampleCopy()).absolutePath();
            w.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w.window));
            w.window.resize(900, 640);
            QVERIFY(w.window.close());
        }
        // What the window wrote, the geometry's bytes too, is used as it is.
        QCOMPARE(KeptSettingsFile::Look(file).notice, QString());
        {
            QSettings store(file, QSettings::IniFormat);
            Window w;
            w.window.KeepSettingsIn(&store);
            QCOMPARE(w.window.Seller().seller, QStringLiteral("shop@example.com"));
            QCOMPARE(w.window.Seller().location, QStringLiteral("Leeds"));
            QCOMPARE(w.window.Seller().country, QStringLiteral("United Kingdom"));
            QCOMPARE(w.settings.LayoutIndex(), qint16(3));
            QCOMPARE(w.settings.SchemeIndex(), qint16(17));
            QCOMPARE(w.settings.OutputFolder(), pages);
            QCOMPARE(w.window.size(), QSize(900, 640));
            // The open dialog starts in the folder of the last catalogue.
            w.Open(QString());
            QCOMPARE(w.dialogs.openStarts.last(), catalogueFolder + QLatin1Char('/'));
        }
    }

    void keptSettingsThatMakeNoSenseAreLeftAside() {
        QTemporaryDir dir;
        const KeptSettings::Values starting;
        {
            // Out of range or not numbers: the starting layout and scheme.
            QSettings store(dir.filePath(QStringLiteral("odd.conf")), QSettings::IniFormat);
            store.setValue(QStringLiteral("pages/layout"), 5);
            store.setValue(QStringLiteral("pages/scheme"), QStringLiteral("pink"));
            store.setValue(QStringLiteral("seller/location"), QStringLiteral("Bath"));
            QString notice;
            const KeptSettings::Values read = KeptSettings(store).Read(starting, &notice);
            QCOMPARE(read.layoutIndex, qint16(1));
            QCOMPARE(read.schemeIndex, qint16(1));
            QCOMPARE(read.seller.location, QStringLiteral("Bath"));
            QCOMPARE(read.seller.seller, starting.seller.seller);
            QVERIFY(notice.isEmpty());
        }
    }

    void aSettingsFileThatIsNotLotcraftsIsNeitherReadNorWrittenOver_data() {
        QTest::addColumn<int>("placed");
        QTest::addColumn<QByteArray>("bytes");
        // Names in the folder beforehand, each holding "earlier".
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<bool>("keep");
        // The name the bytes are left aside under; empty where they stay.
        QTest::addColumn<QString>("aside");
        // What the notice says besides the path; empty for no notice.
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("seller");
        const QString first = SellerTexts::Starting().seller;
        const QByteArray ann("[seller]\nname=Ann\n");
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        // The part looked at ends inside a letter, which the file goes on to finish.
        QByteArray cut = ann + "[notes]\nfill=";
        cut += QByteArray(KeptSettingsFile::LookedAtSize - 1 - cut.size(), 'x') +
               QByteArray("\xc3\xa9").repeated(4) + '\n';
        QTest::newRow("folder") << int(AFolder) << ann << QStringList() << false << QString()
                                << "is a folder" << first;
        QTest::newRow("unreadable")
            << int(AnUnreadableFile) << ann << QStringList() << false << QString()
            << QStringLiteral("cannot be read (%1)").arg(qt_error_string(EACCES)) << first;
        QTest::newRow("random bytes")
            << int(AFile) << noise << QStringList() << true << "lotcraft.conf.unread"
            << "is not a text file" << first;
        QTest::newRow("2 MiB") << int(AFile) << ann + QByteArray(2 << 20, 'x')
                               << QStringList{QStringLiteral("lotcraft.conf.unread")} << true
                               << "lotcraft.conf.unread-2"
                               << "is over 1 MiB" << first;
        QTest::newRow("missing") << int(Nothing) << QByteArray() << QStringList() << true
                                 << QString() << QString() << first;
        QTest::newRow("good") << int(AFile) << cut << QStringList() << true << QString()
                              << QString() << "Ann";
        QTest::newRow("broken for QSettings")
            << int(AFile) << QByteArray("[seller\nname=Ann\n") << QStringList() << true << QString()
            << "writes this run's over that file" << first;
    }

    // As main() does: a store on the file only when the look keeps one, and the look's notice
    // in the status line.
    void aSettingsFileThatIsNotLotcraftsIsNeitherReadNorWrittenOver() {
        QFETCH(int, placed);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, taken);
        QFETCH(bool, keep);
        QFETCH(QString, aside);
        QFETCH(QString, said);
        QFETCH(QString, seller);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("lotcraft.conf"));
        for (const QString& name : taken)
            WriteFile(dir.filePath(name), "earlier");
        const QString held = placed == AFolder ? path + QStringLiteral("/held") : path;
        if (placed == AFolder)
            QVERIFY(QDir().mkpath(path));
        if (placed != Nothing)
            WriteFile(held, bytes);
        if (placed == AnUnreadableFile) {
            if (::geteuid() == 0)
                QSKIP("root reads a file whatever its permissions say");
            QVERIFY(QFile::setPermissions(path, {}));
        }
        QStringList names = Listing(dir.path());

        const KeptSettingsFile::Finding found = KeptSettingsFile::Look(path);
        QCOMPARE(found.keep, keep);
        std::optional<QSettings> store;
        if (found.keep)
            store.emplace(path, QSettings::IniFormat);
        QString notice;
        {
            Window w;
            w.window.KeepSettingsIn(store ? &*store : nullptr, found.notice);
            notice = w.Label("Status");
            QCOMPARE(w.window.Seller().seller, seller);
            w.Box("Seller")->setText(QStringLiteral("Written"));
            w.window.KeepSettings();
        }
        store.reset();
        if (placed == AnUnreadableFile)
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (said.isEmpty())
            QCOMPARE(notice, QString());
        else
            QVERIFY2(notice.contains(path) && notice.contains(said), qPrintable(notice));
        // The bytes are where the notice says, nothing taken is replaced, and a settings file
        // is written only where one is kept.
        if (!aside.isEmpty()) {
            QVERIFY2(notice.contains(dir.filePath(aside)), qPrintable(notice));
            names << aside;
        }
        if (!keep || !aside.isEmpty())
            QCOMPARE(ReadAll(aside.isEmpty() ? held : dir.filePath(aside)), bytes);
        for (const QString& name : taken)
            QCOMPARE(ReadAll(dir.filePath(name)), QByteArray("earlier"));
        if (keep) {
            names << QStringLiteral("lotcraft.conf");
            QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("seller/name")),
                     QVariant(QStringLiteral("Written")));
        }
        names.removeDuplicates();
        names.sort();
        QCOMPARE(Listing(dir.path()), names);
    }

    void closingTheWindowClosesTheWindowsItOpened() {
        QTemporaryDir out;
        Window w;
        w.Open(kSample);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QString page = out.filePath(QStringLiteral("1001.html"));
        WriteFile(page, "<HTML></HTML>\r\n");
        w.window.CatalogueGrid().SetPagePath(1, page);
        w.ClickRow(2);
        w.ClickRow(1);
        w.Press("viewh");
        QTest::keyClick(&w.window, Qt::Key_F5);
        QVERIFY(w.window.SourceWindow() && w.window.SourceWindow()->isVisible());
        QVERIFY(w.window.Preview() && w.window.Preview()->isVisible());
        QVERIFY(w.window.close());
        QVERIFY(!w.window.SourceWindow()->isVisible());
        QVERIFY(!w.window.Preview()->isVisible());
    }

    void theCommandLinesCatalogueIsOpened() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(kSample, dir.filePath(QStringLiteral("shop.csv"))));
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const CommandLine::Request request =
            CommandLine::Read({QStringLiteral("lotcraft"), QStringLiteral("shop.csv")});
        QDir::setCurrent(before);
        QVERIFY(!request.exitStatus);
        QCOMPARE(request.catalogue, dir.filePath(QStringLiteral("shop.csv")));
        Window w;
        w.window.show();
        CommandLine::Open(request, w.window);
        QTRY_COMPARE(w.Label("Label6"), QStringLiteral("12"));
        w.dialogs.saveAnswers.push_back(QString());
        w.Press("Save");
        QCOMPARE(w.dialogs.saveSuggestions, QStringList{request.catalogue});

        // Two catalogues are one too many.
        QCOMPARE(CommandLine::Read(
                     {QStringLiteral("lotcraft"), QStringLiteral("a.csv"), QStringLiteral("b.csv")})
                     .exitStatus,
                 std::optional<int>(2));
    }

    void aDroppedCatalogueIsOpened() {
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("Other.CSV"));
        WriteFile(other, "9,nine,,,,,,,,\r\n");
        const QString sheet = dir.filePath(QStringLiteral("stock.ods"));
        const QByteArray spreadsheet = QByteArray("PK\x03\x04\x14\0\0\0\x08\0", 10) +
                                       "mimetypeapplication/vnd.oasis.opendocument.spreadsheet";
        WriteFile(sheet, spreadsheet);
        Window w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QVERIFY(Drop(&w.window, kSample));
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
        // A spreadsheet dropped by mistake is taken and told, never ignored; the grid and
        // the file stay as they were.
        QVERIFY(Drop(&w.window, sheet));
        QVERIFY2(w.messages.messages.last().contains(QLatin1String("is a spreadsheet")),
                 qPrintable(w.messages.messages.last()));
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
        QCOMPARE(ReadAll(sheet), spreadsheet);
        // Dropped on a box it is opened too, not typed in as a name; unsaved changes in the
        // grid come with the question first.
        w.ClickRow(1);
        w.Box("t_cat")->setText(QStringLiteral("12"));
        w.Press("Update");
        w.messages.answers = {No};
        QVERIFY(Drop(w.Box("Seller"), other));
        QCOMPARE(w.Label("Label6"), QStringLiteral("1"));
        QCOMPARE(w.messages.questions, QStringList{Auctions::ClosingQuestion()});
        QVERIFY(!w.Box("Seller")->text().contains(QLatin1String("file:")));
        w.messages.answers = {No};
        QVERIFY(Drop(w.Find<QPlainTextEdit>("t_desc")->viewport(), kSample));
        QCOMPARE(w.Label("Label6"), QStringLiteral("12"));
    }
};

QTEST_MAIN(AuctionsDesktopTest)
#include "AuctionsDesktopTest.moc"
