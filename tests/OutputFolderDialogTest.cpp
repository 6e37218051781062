// SPDX-License-Identifier: GPL-3.0-or-later
// The output folder dialog on its own, over a folder tree of its own and a fixed list of
// volumes, one of them not ready; messages and the new folder's name are answered here.

#include "RecordingMessageBoxes.h"
#include "WindowTesting.h"
#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/LayoutDialog.h"
#include "ui/MountedVolumes.h"
#include "ui/OutputFolderDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString NotReady = QStringLiteral("/media/cdrom-without-disc");

class FixedVolumes : public VolumeSource {
public:
    explicit FixedVolumes(QStringList roots) : m_roots(std::move(roots)) {}
    QStringList RootPaths() const override { return m_roots; }
    bool IsReady(const QString& rootPath) const override { return rootPath != NotReady; }

private:
    QStringList m_roots;
};

QStringList Paths(const QListWidget* list) {
    QStringList paths;
    for (int row = 0; row < list->count(); ++row)
        paths.append(OutputFolderDialog::PathOf(list->item(row)));
    return paths;
}

QPoint Centre(QListWidget* list, const QString& path) {
    return list->visualItemRect(list->item(int(Paths(list).indexOf(path)))).center();
}

// A double-click as the window system delivers it: a click, then the double-click event.
void DoubleClick(QListWidget* list, const QString& path) {
    QWidget* viewport = list->viewport();
    const QPoint at = Centre(list, path);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &twice);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
}

// Types into a box over what it holds, as a seller does after selecting it all.
void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The home folder moved to another for the life of the object: the Documents folder is then
// "Documents" in it, since the test mode hides the desktop's own list of folders.
class HomeFolder {
public:
    explicit HomeFolder(const QString& home) : m_before(qgetenv("HOME")) {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("HOME", QFile::encodeName(home));
    }
    ~HomeFolder() {
        qputenv("HOME", m_before);
        QStandardPaths::setTestModeEnabled(false);
    }
    HomeFolder(const HomeFolder&) = delete;
    HomeFolder& operator=(const HomeFolder&) = delete;

private:
    QByteArray m_before;
};

}  // namespace

class OutputFolderDialogTest : public QObject {
    Q_OBJECT

private:
    // <volume>/Pages, the folder used last, holds "archive" and "Spring 2026" and a file;
    // <volume> counts as a volume of its own, mounted inside "/". The process's current
    // folder is <volume>/Other, which the dialog never offers by itself.
    QTemporaryDir m_tree;
    QString m_volume;
    QString m_pages;
    QString m_startFolder;
    std::unique_ptr<FixedVolumes> m_volumes;
    ProgramSettings m_settings;
    RecordingMessageBoxes m_messages;
    // What the new folder's name prompt answers, and how often it was asked.
    std::optional<QString> m_folderName;
    int m_namePrompts = 0;

    std::unique_ptr<OutputFolderDialog> OpenDialog() {
        auto dialog = std::make_unique<OutputFolderDialog>(m_settings, *m_volumes);
        dialog->SetMessageBoxes(m_messages);
        dialog->SetFolderNamePrompt([this](QWidget*) {
            ++m_namePrompts;
            return m_folderName;
        });
        dialog->show();
        return QTest::qWaitForWindowExposed(dialog.get()) ? std::move(dialog) : nullptr;
    }

private Q_SLOTS:
    void initTestCase() {
        m_startFolder = QDir::currentPath();
        m_volume = QDir(m_tree.path()).canonicalPath();
        m_pages = m_volume + QStringLiteral("/Pages");
        for (const char* folder : {"Pages/archive", "Pages/Spring 2026", "Other"})
            QVERIFY(QDir(m_volume).mkpath(QLatin1String(folder)));
        QFile plainFile(m_pages + QStringLiteral("/not-a-folder.html"));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        m_volumes =
            std::make_unique<FixedVolumes>(QStringList{QStringLiteral("/"), m_volume, NotReady});
    }

    void init() {
        QVERIFY(QDir::setCurrent(m_volume + QStringLiteral("/Other")));
        m_settings = ProgramSettings();
        m_settings.SetOutputFolder(m_pages);
        m_messages = RecordingMessageBoxes();
        m_folderName.reset();
        m_namePrompts = 0;
    }

    void cleanupTestCase() { QDir::setCurrent(m_startFolder); }

    void theWindowShowsEveryControlAtItsPlace() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("frmSave"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Htmls"));
        // At its fixed place from the screen's top left, as large as its contents ask for.
        QCOMPARE(dialog->geometry().topLeft(), QPoint(184, 250));
        QCOMPARE(dialog->size(), dialog->sizeHint());
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        const auto placeOf = [&dialog](const QWidget* control) {
            return QRect(control->mapTo(dialog.get(), QPoint()), control->size());
        };
        const auto* frame = dialog->findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QCOMPARE(frame->title(), QStringLiteral("Output Location"));
        // The drive list over the folder list in the frame; under the frame, as wide as it,
        // the path and its note.
        const QRect framePlace = placeOf(frame);
        QVERIFY(framePlace.contains(placeOf(dialog->Drive1())));
        QVERIFY(framePlace.contains(placeOf(dialog->Dir1())));
        QVERIFY(placeOf(dialog->Drive1()).bottom() < placeOf(dialog->Dir1()).top());
        const QPoint listCentre = placeOf(dialog->Dir1()).center();
        QCOMPARE(dialog->childAt(listCentre)->parentWidget(), dialog->Dir1());
        QVERIFY(placeOf(dialog->PathBox()).top() > framePlace.bottom());
        QCOMPARE(placeOf(dialog->PathBox()).left(), framePlace.left());
        QCOMPARE(dialog->PathBox()->width(), frame->width());
        QVERIFY(placeOf(dialog->ReplaceNote()).top() > placeOf(dialog->PathBox()).bottom());
        // The buttons in a column right of the frame, from the top: Layout, New Folder, then
        // apart from them Ok and Cancel.
        const QList<XpButton*> column = {dialog->LayButton(), dialog->NewFolderButton(),
                                         dialog->OKButton(), dialog->CancelButton()};
        for (qsizetype index = 0; index < column.size(); ++index) {
            const QRect place = placeOf(column[index]);
            QVERIFY(place.left() > framePlace.right());
            QCOMPARE(place.left(), placeOf(column.first()).left());
            if (index > 0)
                QVERIFY(place.top() > placeOf(column[index - 1]).bottom());
        }
        QVERIFY(placeOf(dialog->OKButton()).top() - placeOf(dialog->NewFolderButton()).bottom() >
                placeOf(dialog->NewFolderButton()).top() - placeOf(dialog->LayButton()).bottom());
        QCOMPARE(dialog->LayButton()->Caption() + dialog->NewFolderButton()->Caption() +
                     dialog->OKButton()->Caption() + dialog->CancelButton()->Caption(),
                 QStringLiteral("LayoutNew FolderOkCancel"));
        // Reading order: the left column, then the buttons from the top.
        const QList<QWidget*> expected = {dialog->Drive1(),          dialog->Dir1(),
                                          dialog->PathBox(),         dialog->LayButton(),
                                          dialog->NewFolderButton(), dialog->OKButton(),
                                          dialog->CancelButton()};
        QCOMPARE(FocusChain(dialog->Drive1()), expected);
        const auto* label = dialog->findChild<QLabel*>(QStringLiteral("PathLabel"));
        QCOMPARE(label->buddy(), dialog->PathBox());
    }

    void theListsStartAtTheFolderUsedLastAndOkChoosesIt() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->Drive1()->count(), 3);
        QCOMPARE(dialog->Drive1()->currentText(), m_volume);
        // The path's folders down to the open one, then its subfolders by name; no files.
        QStringList expected{QStringLiteral("/")};
        for (const QString& name : m_pages.split(QLatin1Char('/'), Qt::SkipEmptyParts))
            expected.append(QDir(expected.last()).filePath(name));
        expected << m_pages + QStringLiteral("/archive")
                 << m_pages + QStringLiteral("/Spring 2026");
        QCOMPARE(Paths(dialog->Dir1()), expected);
        QCOMPARE(OutputFolderDialog::PathOf(dialog->Dir1()->currentItem()), m_pages);
        QCOMPARE(dialog->PathBox()->text(), m_pages);

        Click(dialog->OKButton());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->ChosenFolder(), m_pages);
        QVERIFY(m_messages.messages.isEmpty());
    }

    void aDoubleClickOpensAndASingleClickHighlightsWhatOkTakes() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QListWidget* list = dialog->Dir1();
        const QString spring = m_pages + QStringLiteral("/Spring 2026");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, Centre(list, spring));
        QCOMPARE(OutputFolderDialog::PathOf(list->currentItem()), spring);
        QCOMPARE(dialog->OpenFolder(), m_pages);
        QCOMPARE(dialog->PathBox()->text(), spring);

        // Up the path, then down into another branch.
        DoubleClick(list, m_volume);
        QCOMPARE(dialog->OpenFolder(), m_volume);
        QCOMPARE(dialog->PathBox()->text(), m_volume);
        QCOMPARE(Paths(list).mid(Paths(list).indexOf(m_volume) + 1),
                 (QStringList{m_volume + QStringLiteral("/Other"), m_pages}));
        DoubleClick(list, m_pages);
        DoubleClick(list, spring);
        QCOMPARE(dialog->OpenFolder(), spring);
        QCOMPARE(Paths(list).last(), spring);
        // A click on a folder above the open one: Ok takes that one, not the open one.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, Centre(list, m_volume));
        QCOMPARE(dialog->PathBox()->text(), m_volume);
        Click(dialog->OKButton());
        QCOMPARE(dialog->ChosenFolder(), m_volume);
    }

    void theArrowKeysMoveWhatOkTakesAndRightAndLeftOpen() {
        const QString archive = m_pages + QStringLiteral("/archive");
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QListWidget* list = dialog->Dir1();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Right);
        QCOMPARE(dialog->OpenFolder(), archive);
        QTest::keyClick(list, Qt::Key_Left);
        QTest::keyClick(list, Qt::Key_Backspace);
        QCOMPARE(dialog->OpenFolder(), m_volume);
        QCOMPARE(dialog->PathBox()->text(), m_volume);

        DoubleClick(list, m_pages);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(dialog->PathBox()->text(), m_pages + QStringLiteral("/Spring 2026"));
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(dialog->PathBox()->text(), archive);
        QCOMPARE(dialog->OpenFolder(), m_pages);
        Click(dialog->OKButton());
        QCOMPARE(dialog->ChosenFolder(), archive);
    }

    void theRootFolderKeepsItsSeparator() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        DoubleClick(dialog->Dir1(), QStringLiteral("/"));
        QCOMPARE(dialog->OpenFolder(), QStringLiteral("/"));
        // The drive list follows the folder list onto the other volume.
        QCOMPARE(dialog->Drive1()->currentText(), QStringLiteral("/"));
        Click(dialog->OKButton());
        QCOMPARE(dialog->ChosenFolder(), QStringLiteral("/"));
    }

    void aVolumeThatIsNotReadySendsTheDriveListBackSilently() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QComboBox* drives = dialog->Drive1();
        const QStringList before = Paths(dialog->Dir1());
        drives->setCurrentIndex(drives->findText(NotReady));
        QCOMPARE(drives->currentText(), m_volume);
        QCOMPARE(Paths(dialog->Dir1()), before);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QMessageBox*>(window));

        // A ready volume opens at its root; the first one again at the folder open on it.
        drives->setCurrentIndex(drives->findText(QStringLiteral("/")));
        QCOMPARE(dialog->OpenFolder(), QStringLiteral("/"));
        QCOMPARE(dialog->PathBox()->text(), QStringLiteral("/"));
        drives->setCurrentIndex(drives->findText(m_volume));
        QCOMPARE(dialog->OpenFolder(), m_pages);
    }

    void cancelTheCloseBoxAndEscapeChangeNothing() {
        for (int way = 0; way < 4; ++way) {
            auto dialog = OpenDialog();
            QVERIFY(dialog);
            dialog->SetOpenFolder(m_volume + QStringLiteral("/Other"));
            if (way == 0)
                Click(dialog->CancelButton());
            else if (way == 1)
                QVERIFY(dialog->close());
            else if (way == 2)
                QTest::keyClick(dialog->Dir1(), Qt::Key_Escape);
            else
                QTest::keyClick(dialog->PathBox(), Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            QVERIFY(dialog->ChosenFolder().isEmpty());
            QCOMPARE(m_settings.OutputFolder(), m_pages);
        }
    }

    void aTypedPathIsTakenWithEnter() {
        // Full, relative to the open folder, with a trailing separator and pasted blanks.
        const QList<QPair<QString, QString>> typed = {
            {m_volume + QStringLiteral("/Other"), m_volume + QStringLiteral("/Other")},
            {QStringLiteral("Spring 2026/"), m_pages + QStringLiteral("/Spring 2026")},
            {QStringLiteral("  ../Other  "), m_volume + QStringLiteral("/Other")},
        };
        for (const auto& [text, folder] : typed) {
            auto dialog = OpenDialog();
            QVERIFY(dialog);
            Retype(dialog->PathBox(), text);
            QCOMPARE(dialog->PathShown(), folder);
            // Typing leaves the list where it was.
            QCOMPARE(dialog->OpenFolder(), m_pages);
            QTest::keyClick(dialog->PathBox(), Qt::Key_Return);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->ChosenFolder(), folder);
        }
        QVERIFY(m_messages.messages.isEmpty());
        QVERIFY(m_messages.questions.isEmpty());
    }

    void aTypedPathThatIsNoFolderIsNeverTakenSilently() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        const QString file = m_pages + QStringLiteral("/not-a-folder.html");
        Retype(dialog->PathBox(), file);
        QCOMPARE(dialog->ReplaceNote()->text(), QStringLiteral("This is a file, not a folder."));
        QTest::keyClick(dialog->PathBox(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_messages.messages.size(), 1);
        QVERIFY(m_messages.messages.at(0).contains(QLatin1Char('"') + file + QLatin1Char('"')));
        QVERIFY(m_messages.messages.at(0).contains(QStringLiteral("not a folder")));
        QCOMPARE(dialog->PathBox()->selectedText(), file);

        // A folder that is not there: made only when the seller says so.
        const QString missing = m_volume + QStringLiteral("/Sales/June");
        Retype(dialog->PathBox(), missing);
        QCOMPARE(dialog->ReplaceNote()->text(),
                 QStringLiteral("There is no such folder yet: Ok makes it."));
        m_messages.answers = {No};
        Click(dialog->OKButton());
        QVERIFY(dialog->isVisible());
        QVERIFY(!QFileInfo::exists(m_volume + QStringLiteral("/Sales")));
        QCOMPARE(m_messages.questions,
                 QStringList{QStringLiteral("There is no folder \"%1\". Make it?").arg(missing)});

        // One that cannot be made, under a file: named with the reason; the dialog stays.
        const QString underFile = file + QStringLiteral("/June");
        Retype(dialog->PathBox(), underFile);
        m_messages.answers = {Yes};
        Click(dialog->OKButton());
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->ChosenFolder().isEmpty());
        QCOMPARE(
            m_messages.messages.last(),
            QStringLiteral("The folder \"%1\" cannot be made: Not a directory.").arg(underFile));

        Retype(dialog->PathBox(), missing);
        m_messages.answers = {Yes};
        Click(dialog->OKButton());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->ChosenFolder(), missing);
        QVERIFY(QFileInfo(missing).isDir());
        QVERIFY(QDir(m_volume + QStringLiteral("/Sales")).removeRecursively());
    }

    void aNewFolderIsMadeInTheFolderShownThenOpenedAndHighlighted() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QListWidget* list = dialog->Dir1();
        const QString archive = m_pages + QStringLiteral("/archive");
        // Cancelled, or a name that cannot be a folder's: nothing is made.
        for (const std::optional<QString>& name :
             {std::optional<QString>(), std::optional<QString>(QStringLiteral("a/b"))}) {
            m_folderName = name;
            Click(dialog->NewFolderButton());
        }
        QCOMPARE(m_namePrompts, 2);
        QCOMPARE(m_messages.messages.size(), 1);
        QCOMPARE(Paths(list).size(), Paths(list).indexOf(m_pages) + 3);

        // Made in the highlighted folder, not the open one.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        m_folderName = QStringLiteral(" June sale ");
        Click(dialog->NewFolderButton());
        const QString june = archive + QStringLiteral("/June sale");
        QVERIFY(QFileInfo(june).isDir());
        QCOMPARE(dialog->OpenFolder(), june);
        QCOMPARE(OutputFolderDialog::PathOf(list->currentItem()), june);
        QCOMPARE(dialog->PathBox()->text(), june);
        Click(dialog->OKButton());
        QCOMPARE(dialog->ChosenFolder(), june);
        QVERIFY(QDir(june).removeRecursively());
    }

    void aFirstStartOffersTheSellersOwnFolderAndOkMakesIt() {
        QTemporaryDir home;
        const HomeFolder moved(QDir(home.path()).canonicalPath());
        const QString folder =
            QDir(home.path()).canonicalPath() + QStringLiteral("/Documents/Lotcraft pages");
        QCOMPARE(OutputFolderDialog::DefaultFolder(), folder);
        // No folder in the settings, or one that is gone: never the current folder.
        for (const QString& saved : {QString(), QStringLiteral("/previous/folder")}) {
            m_settings.SetOutputFolder(saved);
            auto dialog = OpenDialog();
            QVERIFY(dialog);
            QCOMPARE(dialog->OpenFolder(), QDir(home.path()).canonicalPath());
            QCOMPARE(dialog->PathBox()->text(), folder);
            QCOMPARE(dialog->PathShown(), folder);
            dialog->SetPageFileNames({QStringLiteral("7001.html")});
            QCOMPARE(dialog->ReplaceNote()->text(),
                     QStringLiteral("There is no such folder yet: Ok makes it."));
        }
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        Click(dialog->OKButton());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->ChosenFolder(), folder);
        QVERIFY(QFileInfo(folder).isDir());
        // Made without a question: it is the seller's own.
        QVERIFY(m_messages.questions.isEmpty());
    }

    void aDefaultFolderThatCannotBeMadeIsNamedAndTheDialogStays() {
        QTemporaryDir home;
        const HomeFolder moved(home.path());
        QFile documents(home.path() + QStringLiteral("/Documents"));
        QVERIFY(documents.open(QIODevice::WriteOnly));
        documents.close();
        m_settings.SetOutputFolder(QString());
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->OpenFolder(), home.path());
        QTest::keyClick(dialog->Dir1(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->ChosenFolder().isEmpty());
        QCOMPARE(m_messages.messages,
                 QStringList{QStringLiteral("The folder \"%1\" cannot be made: Not a directory.")
                                 .arg(OutputFolderDialog::DefaultFolder())});
    }

    void theReplaceNoteCountsThePagesOfTheRunInTheFolderShown() {
        // Two pages, a link of a page's name (broken, and still replaced), a folder of a
        // page's name (never replaced) and a page of no item of this run.
        const QString sale = m_volume + QStringLiteral("/Sale");
        QVERIFY(QDir().mkpath(sale + QStringLiteral("/7004.html")));
        for (const char* name : {"7001.html", "7002.html", "other.html"}) {
            QFile page(sale + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(QStringLiteral("gone.html"), sale + QStringLiteral("/7003.html")));
        QFile one(m_pages + QStringLiteral("/archive/7002.html"));
        QVERIFY(one.open(QIODevice::WriteOnly));

        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->ReplaceNote()->text(), QString());
        QStringList names;
        for (int item = 7001; item <= 7005; ++item)
            names << QStringLiteral("%1.html").arg(item);
        dialog->SetPageFileNames(names);
        QCOMPARE(dialog->ReplaceNote()->text(), QStringLiteral("No page here will be replaced."));
        QTest::keyClick(dialog->Dir1(), Qt::Key_Down);
        QCOMPARE(dialog->ReplaceNote()->text(), QStringLiteral("1 page here will be replaced."));
        Retype(dialog->PathBox(), sale);
        QCOMPARE(dialog->ReplaceNote()->text(), QStringLiteral("3 pages here will be replaced."));
        dialog->SetPageFileNames({});
        QCOMPARE(dialog->ReplaceNote()->text(), QString());
        QVERIFY(QDir(sale).removeRecursively());
        QVERIFY(one.remove());
    }

    void theLayoutDialogsChoiceStaysWhenThisOneIsCancelled() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QList<QWidget*> owners;
        dialog->SetLayoutOpener([&owners](QWidget* owner, ProgramSettings& settings) {
            owners.append(owner);
            // The seller chooses Violet and "Horizontal Top" there, with "Ok".
            LayoutDialog layout(settings, owner);
            layout.show();
            layout.ImageCombo1()->setCurrentIndex(18);
            Click(layout.Option1(2));
            Click(layout.OKButton());
        });
        Click(dialog->LayButton());
        QCOMPARE(owners, QList<QWidget*>{dialog.get()});
        QVERIFY(dialog->isVisible());
        Click(dialog->CancelButton());
        QCOMPARE(m_settings.SchemeIndex(), qint16(19));
        QCOMPARE(m_settings.LayoutIndex(), qint16(3));
        QVERIFY(dialog->ChosenFolder().isEmpty());
        QCOMPARE(m_settings.OutputFolder(), m_pages);
    }

    void theMachinesOwnVolumesHoldTheFolderUsedLast() {
        const QStringList roots = MountedVolumes::Instance().RootPaths();
        QVERIFY(roots.contains(QStringLiteral("/")));
        for (const QString& root : roots)
            QVERIFY2(QFileInfo(root).isDir(), qPrintable(root));
        QVERIFY(MountedVolumes::Instance().IsReady(QStringLiteral("/")));
        OutputFolderDialog dialog(m_settings);
        QCOMPARE(dialog.OpenFolder(), m_pages);
        QVERIFY(m_pages.startsWith(dialog.Drive1()->currentText()));
    }
};

QTEST_MAIN(OutputFolderDialogTest)
#include "OutputFolderDialogTest.moc"
