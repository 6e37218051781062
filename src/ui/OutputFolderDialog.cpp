// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OutputFolderDialog.h"

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/FormControls.h"
#include "ui/LayoutDialog.h"
#include "ui/MountedVolumes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int IndentPerLevel = 2;

}  // namespace

OutputFolderDialog::OutputFolderDialog(ProgramSettings& settings, QWidget* parent)
    : OutputFolderDialog(settings, MountedVolumes::Instance(), parent) {}

OutputFolderDialog::OutputFolderDialog(ProgramSettings& settings, const VolumeSource& volumes,
                                       QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_volumes(volumes),
      m_layoutOpener([](QWidget* owner, ProgramSettings& layoutSettings) {
          LayoutDialog dialog(layoutSettings, owner);
          dialog.exec();
      }) {
    FormControls::MakeFixedDialog(this, QStringLiteral("frmSave"), QStringLiteral("Htmls"),
                                  ClientWidthTwips, ClientHeightTwips);
    // Not centred: the client area stands at a fixed place from the screen's top left.
    const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    setGeometry(
        FormControls::Place(ClientLeftTwips, ClientTopTwips, ClientWidthTwips, ClientHeightTwips)
            .translated(origin));

    m_frame1 = new QGroupBox(QStringLiteral("Output Location"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(FormControls::Place(120, 240, 4215, 2535));

    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setEditable(false);
    m_drive1->setGeometry(FormControls::Place(360, 600, 2775, 315));
    const QIcon driveIcon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    m_roots = m_volumes.RootPaths();
    for (const QString& root : m_roots)
        m_drive1->addItem(driveIcon, root, root);

    m_dir1 = new QListWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setGeometry(FormControls::Place(360, 1080, 3735, 1440));
    m_dir1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_dir1->installEventFilter(this);

    m_layButton =
        FormControls::Button(this, QStringLiteral("layButton"),
                             FormControls::DialogButtonProperties(QStringLiteral("Layout")),
                             FormControls::Place(4680, 360, 1215, 375));
    m_okButton = FormControls::Button(this, QStringLiteral("OKButton"),
                                      FormControls::DialogButtonProperties(QStringLiteral("Ok")),
                                      FormControls::Place(4680, 1920, 1215, 375));
    m_cancelButton =
        FormControls::Button(this, QStringLiteral("CancelButton"),
                             FormControls::DialogButtonProperties(QStringLiteral("Cancel")),
                             FormControls::Place(4680, 2400, 1215, 375));
    m_okButton->SetDefaultButton(true);

    setTabOrder(m_drive1, m_dir1);
    setTabOrder(m_dir1, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_layButton);

    connect(m_drive1, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showingDrive)
            OpenChosenVolume();
    });
    // A double-click opens a folder; a single click only highlights it.
    connect(m_dir1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { SetOpenFolder(PathOf(item)); });
    connect(m_okButton, &XpButton::Click, this, &OutputFolderDialog::ChooseOpenFolder);
    connect(m_cancelButton, &XpButton::Click, this, &QDialog::reject);
    connect(m_layButton, &XpButton::Click, this, &OutputFolderDialog::OpenLayoutDialog);

    const QString current = QDir::currentPath();
    SetOpenFolder(QFileInfo(current).isDir() ? current : QDir::rootPath());
    m_drive1->setFocus();
}

void OutputFolderDialog::SetOpenFolder(const QString& folder) {
    m_openFolder = QDir::cleanPath(folder);
    const QString volume = VolumeOf(m_openFolder);
    m_folderOnVolume.insert(volume, m_openFolder);
    ShowDrive(volume);
    FillDir1();
}

QString OutputFolderDialog::PathOf(const QListWidgetItem* item) {
    return item ? item->data(PathRole).toString() : QString();
}

void OutputFolderDialog::SetLayoutOpener(LayoutOpener opener) {
    m_layoutOpener = std::move(opener);
}

void OutputFolderDialog::FillDir1() {
    m_dir1->clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto add = [this](const QIcon& icon, int level, const QString& name,
                            const QString& path) {
        auto* item = new QListWidgetItem(
            icon, QString(level * IndentPerLevel, QLatin1Char(' ')) + name, m_dir1);
        item->setData(PathRole, path);
        return item;
    };

    // The folders of the path, from the root down to the open one.
    QStringList names = m_openFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QListWidgetItem* open = add(openIcon, 0, QDir::rootPath(), QDir::rootPath());
    QString path;
    for (int level = 0; level < names.size(); ++level) {
        path += QLatin1Char('/') + names.at(level);
        open = add(openIcon, level + 1, names.at(level), path);
    }
    // Then the open folder's own subfolders.
    const QFileInfoList subfolders =
        QDir(m_openFolder)
            .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& subfolder : subfolders) {
        add(closedIcon, int(names.size()) + 1, subfolder.fileName(),
            QDir::cleanPath(m_openFolder + QLatin1Char('/') + subfolder.fileName()));
    }
    // The open folder highlighted, near the top with its parent above it, so that the
    // subfolders below it are in view.
    m_dir1->setCurrentItem(open);
    const int parentRow = qMax(0, m_dir1->row(open) - 1);
    m_dir1->scrollToItem(m_dir1->item(m_dir1->count() - 1));
    m_dir1->scrollToItem(m_dir1->item(parentRow), QAbstractItemView::PositionAtTop);
}

QString OutputFolderDialog::VolumeOf(const QString& folder) const {
    QString best;
    for (const QString& root : m_roots) {
        const bool holds = root == QDir::rootPath() || folder == root ||
                           folder.startsWith(root + QLatin1Char('/'));
        if (holds && root.size() > best.size())
            best = root;
    }
    return best;
}

void OutputFolderDialog::ShowDrive(const QString& rootPath) {
    m_showingDrive = true;
    m_drive1->setCurrentIndex(m_drive1->findData(rootPath));
    m_showingDrive = false;
}

void OutputFolderDialog::OpenChosenVolume() {
    const QString root = m_drive1->currentData().toString();
    if (root.isEmpty())
        return;
    // A volume that cannot be read sends the list back to the open folder's volume, silently.
    if (!m_volumes.IsReady(root)) {
        ShowDrive(VolumeOf(m_openFolder));
        return;
    }
    // The volume's folder open last in this dialog, or its root folder.
    QString folder = m_folderOnVolume.value(root, root);
    if (!QFileInfo(folder).isDir())
        folder = root;
    // A root folder that is gone leaves the folder list where it is.
    if (!QFileInfo(folder).isDir())
        return;
    SetOpenFolder(folder);
}

void OutputFolderDialog::ChooseOpenFolder() {
    m_chosenFolder = m_openFolder;
    accept();
}

void OutputFolderDialog::OpenLayoutDialog() {
    m_layoutOpener(this, m_settings);
}

void OutputFolderDialog::keyPressEvent(QKeyEvent* event) {
    // Enter confirms, Escape cancels (QDialog's own).
    if (FormControls::IsEnterKey(event)) {
        ChooseOpenFolder();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool OutputFolderDialog::eventFilter(QObject* watched, QEvent* event) {
    // In the folder list Enter opens the highlighted folder, as a double-click does; on the
    // open folder itself it confirms.
    if (watched == m_dir1 && FormControls::IsEnterKey(event)) {
        const QString highlighted = PathOf(m_dir1->currentItem());
        if (highlighted.isEmpty() || highlighted == m_openFolder)
            ChooseOpenFolder();
        else
            SetOpenFolder(highlighted);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
