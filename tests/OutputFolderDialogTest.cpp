// The output folder dialog on its own, over a folder tree of its own and a fixed list of
// volumes, one of them not ready.

#include "app/ProgramSettings.h"
#include "app/Startup.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/LayoutDialog.h"
#include "ui/MountedVolumes.h"
#include "ui/OutputFolderDialog.h"
#include "ui/VolumeSource.h"

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

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

QListWidgetItem* ItemFor(const QListWidget* list, const QString& path) {
    for (int row = 0; row < list->count(); ++row) {
        if (OutputFolderDialog::PathOf(list->item(row)) == path)
            return list->item(row);
    }
    return nullptr;
}

QPoint Centre(const QListWidget* list, const QListWidgetItem* item) {
    return list->visualItemRect(item).center();
}

// A double-click as the window system delivers it: press, release, then the double-click
// event and its release.
void DoubleClick(QListWidget* list, const QListWidgetItem* item) {
    QWidget* viewport = list->viewport();
    const QPoint at = Centre(list, item);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QMouseEvent press(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
}

bool AMessageBoxIsOpen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(window) && window->isVisible())
            return true;
    }
    return false;
}

}  // namespace

class OutputFolderDialogTest : public QObject {
    Q_OBJECT

private:
    // The tree: <volume>/Pages (the current folder) with "archive" and "Spring 2026", and
    // <volume>/Other; <volume> counts as a volume of its own, mounted inside "/".
    std::unique_ptr<QTemporaryDir> m_tree;
    QString m_volume;
    QString m_pages;
    QString m_startFolder;
    std::unique_ptr<FixedVolumes> m_volumes;
    ProgramSettings m_settings;

    std::unique_ptr<OutputFolderDialog> OpenDialog() {
        auto dialog = std::make_unique<OutputFolderDialog>(m_settings, *m_volumes);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            return nullptr;
        return dialog;
    }

private Q_SLOTS:
    void initTestCase() {
        m_startFolder = QDir::currentPath();
        m_tree = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tree->isValid());
        m_volume = QDir(m_tree->path()).canonicalPath();
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
        Startup::Run(m_settings);
        m_settings.SetOutputFolder(QStringLiteral("/previous/folder"));
        m_settings.SetOutputFolderChosen(false);
    }

    void cleanupTestCase() { QDir::setCurrent(m_startFolder); }

    void theWindowAndItsControlsStandAtTheirPlaces() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("frmSave"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Htmls"));
        // 6090 x 3195 twips, its client area at 2760, 3750 twips from the screen's corner.
        QCOMPARE(dialog->geometry(), QRect(184, 250, 406, 213));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));

        const auto* frame = dialog->findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("Output Location"));
        QCOMPARE(frame->geometry(), QRect(8, 16, 281, 169));
        QCOMPARE(dialog->Drive1()->geometry(), QRect(24, 40, 185, 21));
        QCOMPARE(dialog->Dir1()->geometry(), QRect(24, 72, 249, 96));
        QCOMPARE(dialog->LayButton()->geometry(), QRect(312, 24, 81, 25));
        QCOMPARE(dialog->OKButton()->geometry(), QRect(312, 128, 81, 25));
        QCOMPARE(dialog->CancelButton()->geometry(), QRect(312, 160, 81, 25));
        QCOMPARE(dialog->LayButton()->Caption(), QStringLiteral("Layout"));
        QCOMPARE(dialog->OKButton()->Caption(), QStringLiteral("Ok"));
        QCOMPARE(dialog->CancelButton()->Caption(), QStringLiteral("Cancel"));
        QCOMPARE(dialog->childAt(dialog->Dir1()->geometry().center())->parentWidget(),
                 dialog->Dir1());

        QList<QWidget*> chain;
        QWidget* widget = dialog->Drive1();
        do {
            if (widget->focusPolicy() != Qt::NoFocus)
                chain.append(widget);
            widget = widget->nextInFocusChain();
        } while (widget != dialog->Drive1());
        const QList<QWidget*> expected = {dialog->Drive1(), dialog->Dir1(), dialog->OKButton(),
                                          dialog->CancelButton(), dialog->LayButton()};
        QCOMPARE(chain, expected);
    }

    void theListsStartAtTheCurrentFolder() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->OpenFolder(), m_pages);
        QCOMPARE(dialog->Drive1()->currentText(), m_volume);
        QStringList drives;
        for (int entry = 0; entry < dialog->Drive1()->count(); ++entry)
            drives.append(dialog->Drive1()->itemText(entry));
        QCOMPARE(drives, m_volumes->RootPaths());

        // The path's folders down to the open one, then its subfolders by name; no files.
        QStringList paths;
        QListWidget* list = dialog->Dir1();
        for (int row = 0; row < list->count(); ++row)
            paths.append(OutputFolderDialog::PathOf(list->item(row)));
        QStringList expected{QStringLiteral("/")};
        QString path;
        for (const QString& name : m_pages.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            path += QLatin1Char('/') + name;
            expected.append(path);
        }
        expected << m_pages + QStringLiteral("/archive")
                 << m_pages + QStringLiteral("/Spring 2026");
        QCOMPARE(paths, expected);
        QCOMPARE(list->item(list->count() - 1)->text().trimmed(), QStringLiteral("Spring 2026"));
        QCOMPARE(OutputFolderDialog::PathOf(list->currentItem()), m_pages);

        // "Ok" at once stores the current folder.
        Click(dialog->OKButton());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(m_settings.OutputFolderChosen());
        QCOMPARE(m_settings.OutputFolder(), m_pages);
    }

    void aDoubleClickOpensAndASingleClickOnlyHighlights() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QListWidget* list = dialog->Dir1();
        QListWidgetItem* spring = ItemFor(list, m_pages + QStringLiteral("/Spring 2026"));
        QVERIFY(spring);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, Centre(list, spring));
        QCOMPARE(list->currentItem(), spring);
        QCOMPARE(dialog->OpenFolder(), m_pages);

        QListWidgetItem* archive = ItemFor(list, m_pages + QStringLiteral("/archive"));
        DoubleClick(list, archive);
        const QString archivePath = m_pages + QStringLiteral("/archive");
        QCOMPARE(dialog->OpenFolder(), archivePath);
        QCOMPARE(OutputFolderDialog::PathOf(list->item(list->count() - 1)), archivePath);
        QCOMPARE(OutputFolderDialog::PathOf(list->currentItem()), archivePath);

        // Up again through the path: the volume's own folder lists both its subfolders.
        QListWidgetItem* volume = ItemFor(list, m_volume);
        DoubleClick(list, volume);
        QCOMPARE(dialog->OpenFolder(), m_volume);
        QVERIFY(ItemFor(list, m_volume + QStringLiteral("/Other")));
        QVERIFY(ItemFor(list, m_pages));
        QVERIFY(!ItemFor(list, archivePath));

        DoubleClick(list, ItemFor(list, m_pages));
        DoubleClick(list, ItemFor(list, archivePath));
        Click(dialog->OKButton());
        QCOMPARE(m_settings.OutputFolder(), archivePath);
    }

    void theRootFolderKeepsItsSeparator() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QListWidget* list = dialog->Dir1();
        QListWidgetItem* root = list->item(0);
        QCOMPARE(OutputFolderDialog::PathOf(root), QStringLiteral("/"));
        DoubleClick(list, root);
        QCOMPARE(dialog->OpenFolder(), QStringLiteral("/"));
        // The folder list follows into the other volume, and so does the drive list.
        QCOMPARE(dialog->Drive1()->currentText(), QStringLiteral("/"));
        QCOMPARE(list->currentRow(), 0);
        Click(dialog->OKButton());
        QCOMPARE(m_settings.OutputFolder(), QStringLiteral("/"));
    }

    void aVolumeThatIsNotReadySendsTheDriveListBackSilently() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QComboBox* drives = dialog->Drive1();
        const QStringList before = [&dialog] {
            QStringList rows;
            for (int row = 0; row < dialog->Dir1()->count(); ++row)
                rows.append(dialog->Dir1()->item(row)->text());
            return rows;
        }();
        drives->setCurrentIndex(drives->findText(NotReady));
        QCOMPARE(drives->currentText(), m_volume);
        QCOMPARE(dialog->OpenFolder(), m_pages);
        QCOMPARE(dialog->Dir1()->count(), before.size());
        QCOMPARE(dialog->Dir1()->item(before.size() - 1)->text(), before.last());
        QVERIFY(!AMessageBoxIsOpen());

        // A ready volume opens at its root; choosing the first one again goes back to the
        // folder that was open on it.
        drives->setCurrentIndex(drives->findText(QStringLiteral("/")));
        QCOMPARE(dialog->OpenFolder(), QStringLiteral("/"));
        drives->setCurrentIndex(drives->findText(m_volume));
        QCOMPARE(dialog->OpenFolder(), m_pages);
        Click(dialog->OKButton());
        QCOMPARE(m_settings.OutputFolder(), m_pages);
    }

    void cancelAndTheCloseBoxChangeNothing() {
        for (int way = 0; way < 3; ++way) {
            auto dialog = OpenDialog();
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            dialog->SetOpenFolder(m_volume + QStringLiteral("/Other"));
            if (way == 0)
                Click(dialog->CancelButton());
            else if (way == 1)
                QVERIFY(dialog->close());
            else
                QTest::keyClick(dialog->Dir1(), Qt::Key_Escape);
            QVERIFY2(!dialog->isVisible(), qPrintable(QString::number(way)));
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            QVERIFY(!m_settings.OutputFolderChosen());
            QCOMPARE(m_settings.OutputFolder(), QStringLiteral("/previous/folder"));
        }
    }

    void enterOpensTheHighlightedFolderThenConfirms() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QListWidget* list = dialog->Dir1();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(OutputFolderDialog::PathOf(list->currentItem()),
                 m_pages + QStringLiteral("/archive"));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(dialog->OpenFolder(), m_pages + QStringLiteral("/archive"));
        QVERIFY(dialog->isVisible());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_settings.OutputFolder(), m_pages + QStringLiteral("/archive"));
        QVERIFY(m_settings.OutputFolderChosen());
    }

    void theMachinesOwnVolumesHoldTheCurrentFolder() {
        const QStringList roots = MountedVolumes::Instance().RootPaths();
        QVERIFY(roots.contains(QStringLiteral("/")));
        for (const QString& root : roots)
            QVERIFY2(QFileInfo(root).isDir(), qPrintable(root));
        QVERIFY(MountedVolumes::Instance().IsReady(QStringLiteral("/")));

        OutputFolderDialog dialog(m_settings);
        QCOMPARE(dialog.OpenFolder(), m_pages);
        QVERIFY(roots.contains(dialog.Drive1()->currentText()));
        QVERIFY(m_pages.startsWith(dialog.Drive1()->currentText()));
    }

    void theLayoutDialogsChoiceStaysWhenThisOneIsCancelled() {
        auto dialog = OpenDialog();
        QVERIFY(dialog);
        QWidget* owner = nullptr;
        int openings = 0;
        dialog->SetLayoutOpener([&](QWidget* layoutOwner, ProgramSettings& settings) {
            ++openings;
            owner = layoutOwner;
            // What the seller does in the layout dialog: Violet, "Horizontal Top", "Ok".
            LayoutDialog layout(settings, layoutOwner);
            layout.show();
            layout.ImageCombo1()->setCurrentIndex(18);
            Click(layout.Option1(2));
            Click(layout.OKButton());
        });
        Click(dialog->LayButton());
        QCOMPARE(openings, 1);
        QCOMPARE(owner, dialog.get());
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_settings.SchemeIndex(), qint16(19));
        QCOMPARE(m_settings.LayoutIndex(), qint16(3));

        Click(dialog->CancelButton());
        QCOMPARE(m_settings.SchemeIndex(), qint16(19));
        QCOMPARE(m_settings.LayoutIndex(), qint16(3));
        QVERIFY(!m_settings.OutputFolderChosen());
        QCOMPARE(m_settings.OutputFolder(), QStringLiteral("/previous/folder"));
    }
};

QTEST_MAIN(OutputFolderDialogTest)
#include "OutputFolderDialogTest.moc"
