// SPDX-License-Identifier: GPL-3.0-or-later
// The output folder dialog on its own, over a folder tree of its own and a fixed list of
// volumes, one of them not ready.

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
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
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

}  // namespace

class OutputFolderDialogTest : public QObject {
    Q_OBJECT

private:
    // <volume>/Pages, the current folder, holds "archive" and "Spring 2026" and a file;
    // <volume> counts as a volume of its own, mounted inside "/".
    QTemporaryDir m_tree;
    QString m_volume;
    QString m_pages;
    QString m_startFolder;
    std::unique_ptr<FixedVolumes> m_volumes;
    ProgramSettings m_settings;

    std::unique_ptr<OutputFolderDialog> OpenDialog() {
        auto dialog = std::make_unique<OutputFolderDialog>(m_settings, *m_volumes);
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
        QVERIFY(QDir::setCurrent(m_pages));
        m_settings = ProgramSettings();
        m_settings.SetOutputFolder(QStringLiteral("/previous/folder"));
    }

    void cleanupTestCase() { QDir::setCurrent(m_startFolder); }

    void theWindowShowsEveryControlAtItsPlace() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("frmSave"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Htmls"));
        QCOMPARE(dialog->geometry(), QRect(184, 250, 406, 213));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        const auto* frame = dialog->findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QCOMPARE(frame->title(), QStringLiteral("Output Location"));
        QCOMPARE(frame->geometry(), QRect(8, 16, 281, 169));
        QCOMPARE(dialog->Drive1()->geometry(), QRect(24, 40, 185, 21));
        QCOMPARE(dialog->Dir1()->geometry(), QRect(24, 72, 249, 96));
        QCOMPARE(dialog->childAt(dialog->Dir1()->geometry().center())->parentWidget(),
                 dialog->Dir1());
        QCOMPARE(dialog->LayButton()->geometry(), QRect(312, 24, 81, 25));
        QCOMPARE(dialog->CancelButton()->geometry(), QRect(312, 160, 81, 25));
        QCOMPARE(dialog->LayButton()->Caption() + dialog->OKButton()->Caption() +
                     dialog->CancelButton()->Caption(),
                 QStringLiteral("LayoutOkCancel"));
        const QList<QWidget*> expected = {dialog->Drive1(), dialog->Dir1(), dialog->OKButton(),
                                          dialog->CancelButton(), dialog->LayButton()};
        QCOMPARE(FocusChain(dialog->Drive1()), expected);
    }

    void theListsStartAtTheCurrentFolderAndOkChoosesIt() {
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

        Click(dialog->OKButton());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->ChosenFolder(), m_pages);
    }

    void aDoubleClickOpensAndASingleClickOnlyHighlights() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QListWidget* list = dialog->Dir1();
        const QString spring = m_pages + QStringLiteral("/Spring 2026");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, Centre(list, spring));
        QCOMPARE(OutputFolderDialog::PathOf(list->currentItem()), spring);
        QCOMPARE(dialog->OpenFolder(), m_pages);

        // Up the path, then down into another branch.
        DoubleClick(list, m_volume);
        QCOMPARE(dialog->OpenFolder(), m_volume);
        QCOMPARE(Paths(list).mid(Paths(list).indexOf(m_volume) + 1),
                 (QStringList{m_volume + QStringLiteral("/Other"), m_pages}));
        DoubleClick(list, m_pages);
        DoubleClick(list, spring);
        QCOMPARE(dialog->OpenFolder(), spring);
        QCOMPARE(Paths(list).last(), spring);
        Click(dialog->OKButton());
        QCOMPARE(dialog->ChosenFolder(), spring);
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
        drives->setCurrentIndex(drives->findText(m_volume));
        QCOMPARE(dialog->OpenFolder(), m_pages);
    }

    void cancelTheCloseBoxAndEscapeChangeNothing() {
        for (int way = 0; way < 3; ++way) {
            auto dialog = OpenDialog();
            QVERIFY(dialog);
            dialog->SetOpenFolder(m_volume + QStringLiteral("/Other"));
            if (way == 0)
                Click(dialog->CancelButton());
            else if (way == 1)
                QVERIFY(dialog->close());
            else
                QTest::keyClick(dialog->Dir1(), Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            QVERIFY(dialog->ChosenFolder().isEmpty());
            QCOMPARE(m_settings.OutputFolder(), QStringLiteral("/previous/folder"));
        }
    }

    void enterOpensTheHighlightedFolderThenConfirms() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QListWidget* list = dialog->Dir1();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(dialog->OpenFolder(), m_pages + QStringLiteral("/archive"));
        QVERIFY(dialog->isVisible());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->ChosenFolder(), m_pages + QStringLiteral("/archive"));
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
        QCOMPARE(m_settings.OutputFolder(), QStringLiteral("/previous/folder"));
    }

    void theMachinesOwnVolumesHoldTheCurrentFolder() {
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
