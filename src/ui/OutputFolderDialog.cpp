// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OutputFolderDialog.h"

#include "app/ProgramSettings.h"
#include "controls/xpbutton/PropertyBag.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/DesktopMessageBoxes.h"
#include "ui/FormControls.h"
#include "ui/LayoutDialog.h"
#include "ui/MountedVolumes.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include <filesystem>
#include <system_error>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int IndentPerLevel = 2;

// A path as typed made absolute: "~" is the home folder, a file: address its local path, and
// a relative path is taken inside the folder given.
QString Absolute(QString text, const QString& inside) {
    if (text.startsWith(QLatin1String("file://")))
        text = QUrl(text).toLocalFile();
    if (text == QLatin1String("~"))
        text = QDir::homePath();
    else if (text.startsWith(QLatin1String("~/")))
        text = QDir::homePath() + text.mid(1);
    return QDir::cleanPath(QDir(inside).absoluteFilePath(text));
}

// Makes a folder and the folders above it that are missing; the reason it cannot, or
// nothing.
std::optional<QString> MakeFolders(const QString& folder) {
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        return QString::fromLocal8Bit(error.message().c_str());
    if (!QFileInfo(folder).isDir())
        return OutputFolderDialog::tr("it is not a folder");
    return std::nullopt;
}

QString FileNotFolder(const QString& path) {
    return OutputFolderDialog::tr(
               "\"%1\" is a file, not a folder. Choose a folder in the list, or type "
               "the path of one.")
        .arg(path);
}

QString CannotBeMade(const QString& folder, const QString& reason) {
    return OutputFolderDialog::tr("The folder \"%1\" cannot be made: %2.").arg(folder, reason);
}

}  // namespace

OutputFolderDialog::OutputFolderDialog(ProgramSettings& settings, QWidget* parent)
    : OutputFolderDialog(settings, MountedVolumes::Instance(), parent) {}

OutputFolderDialog::OutputFolderDialog(ProgramSettings& settings, const VolumeSource& volumes,
                                       QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_volumes(volumes),
      m_messages(&DesktopMessageBoxes::Instance()),
      m_layoutOpener([](QWidget* owner, ProgramSettings& layoutSettings) {
          LayoutDialog dialog(layoutSettings, owner);
          dialog.exec();
      }),
      m_folderNamePrompt([](QWidget* owner) -> std::optional<QString> {
          bool ok = false;
          const QString name =
              QInputDialog::getText(owner, tr("New Folder"), tr("Name of the new folder:"),
                                    QLineEdit::Normal, QString(), &ok);
          return ok ? std::optional<QString>(name) : std::nullopt;
      }) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(120), TwipsToPixels(240), TwipsToPixels(195),
                               TwipsToPixels(120));
    layout->setSpacing(TwipsToPixels(345));
    auto* left = new QVBoxLayout;
    left->setSpacing(TwipsToPixels(15));
    layout->addLayout(left);

    m_frame1 = new QGroupBox(tr("Output Location"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frame = new QVBoxLayout(m_frame1);
    left->addWidget(m_frame1);

    m_drive1 = new QComboBox(m_frame1);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setEditable(false);
    m_drive1->setAccessibleName(tr("Drive"));
    m_drive1->setMinimumWidth(TwipsToPixels(2775));
    const QIcon driveIcon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    m_roots = m_volumes.RootPaths();
    for (const QString& root : m_roots)
        m_drive1->addItem(driveIcon, root, root);
    frame->addWidget(m_drive1, 0, Qt::AlignLeft);

    // Room for a few lines of folders, more at a larger font.
    m_dir1 = new QListWidget(m_frame1);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setAccessibleName(tr("Folders"));
    m_dir1->setMinimumSize(
        std::max(TwipsToPixels(3735), 36 * m_dir1->fontMetrics().averageCharWidth()),
        std::max(TwipsToPixels(1440), 6 * m_dir1->fontMetrics().lineSpacing()));
    m_dir1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_dir1->installEventFilter(this);
    frame->addWidget(m_dir1, 1);

    // Under the frame, as wide as it: the folder "Ok" will use, and what a run would replace.
    left->addSpacing(TwipsToPixels(90));
    m_pathBox = new QLineEdit(this);
    m_pathBox->setObjectName(QStringLiteral("PathBox"));
    m_pathBox->setMinimumWidth(40 * m_pathBox->fontMetrics().averageCharWidth());
    m_pathBox->installEventFilter(this);
    m_pathLabel = new QLabel(tr("&Pages go to:"), this);
    m_pathLabel->setObjectName(QStringLiteral("PathLabel"));
    m_pathLabel->setBuddy(m_pathBox);
    m_pathBox->setAccessibleName(tr("Pages go to"));
    m_replaceNote = new QLabel(this);
    m_replaceNote->setObjectName(QStringLiteral("ReplaceNote"));
    // A line's room even while there is nothing to say, so that the dialog keeps its height.
    m_replaceNote->setMinimumHeight(m_replaceNote->fontMetrics().height());
    left->addWidget(m_pathLabel);
    left->addWidget(m_pathBox);
    left->addWidget(m_replaceNote);

    m_layButton = FormControls::DialogButton(this, QStringLiteral("layButton"), tr("Layout"), 1215);
    // The longest caption of the dialog, in a tighter face so that it stays on one line.
    PropertyBag newFolder =
        PropertyBag::FromText(FormControls::DialogButtonProperties(tr("New Folder")));
    QFont tight(font());
    tight.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    tight.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
    newFolder.Write(QStringLiteral("Font"), tight, font());
    m_newFolderButton =
        FormControls::DialogButton(this, QStringLiteral("NewFolderButton"), newFolder, 1215);
    m_okButton = FormControls::DialogButton(this, QStringLiteral("OKButton"), tr("Ok"), 1215);
    m_cancelButton =
        FormControls::DialogButton(this, QStringLiteral("CancelButton"), tr("Cancel"), 1215);
    m_okButton->SetDefaultButton(true);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, TwipsToPixels(120), 0, 0);
    buttons->setSpacing(TwipsToPixels(105));
    buttons->addWidget(m_layButton);
    buttons->addWidget(m_newFolderButton);
    buttons->addSpacing(TwipsToPixels(600));
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    FormControls::MakeLaidOutDialog(this, QStringLiteral("frmSave"), tr("Htmls"));
    // Not centred: the client area stands at a fixed place from the screen's top left.
    const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    setGeometry(QRect(FormControls::Place(ClientLeftTwips, ClientTopTwips, 0, 0).topLeft() + origin,
                      size()));

    // Reading order: the left column from the top, then the buttons from the top.
    setTabOrder(m_drive1, m_dir1);
    setTabOrder(m_dir1, m_pathBox);
    setTabOrder(m_pathBox, m_layButton);
    setTabOrder(m_layButton, m_newFolderButton);
    setTabOrder(m_newFolderButton, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);

    connect(m_drive1, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showingDrive)
            OpenChosenVolume();
    });
    // A double-click opens a folder; a single click only highlights it, and the path box
    // follows the highlight.
    connect(m_dir1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { SetOpenFolder(PathOf(item)); });
    connect(m_dir1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
        if (!m_fillingDir1 && current)
            m_pathBox->setText(PathOf(current));
    });
    connect(m_pathBox, &QLineEdit::textChanged, this, &OutputFolderDialog::ShowReplaceNote);
    connect(m_okButton, &XpButton::Click, this, &OutputFolderDialog::ChooseShownFolder);
    connect(m_cancelButton, &XpButton::Click, this, &QDialog::reject);
    connect(m_layButton, &XpButton::Click, this, &OutputFolderDialog::OpenLayoutDialog);
    connect(m_newFolderButton, &XpButton::Click, this, &OutputFolderDialog::MakeNewFolder);

    // The folder used last; else the seller's own default, shown in the path box while the
    // list opens the nearest folder above it that exists.
    const QString first = FirstFolder(m_settings);
    if (first != DefaultFolder()) {
        SetOpenFolder(first);
    } else {
        const QString fallback = first;
        QString nearest = fallback;
        while (!QFileInfo(nearest).isDir()) {
            const QString above = QFileInfo(nearest).path();
            if (above == nearest)
                break;
            nearest = above;
        }
        SetOpenFolder(QFileInfo(nearest).isDir() ? nearest : QDir::rootPath());
        m_pathBox->setText(fallback);
    }
    m_drive1->setFocus();
}

QString OutputFolderDialog::FirstFolder(const ProgramSettings& settings) {
    const QFileInfo saved(settings.OutputFolder());
    return !settings.OutputFolder().isEmpty() && saved.isDir() ? saved.absoluteFilePath()
                                                               : DefaultFolder();
}

QString OutputFolderDialog::DefaultFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir::cleanPath(documents + QStringLiteral("/Lotcraft pages"));
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

QString OutputFolderDialog::PathShown() const {
    const QString text = m_pathBox->text();
    // Blanks around a pasted path are dropped, unless a folder's name holds them.
    const QString exact = Absolute(text, m_openFolder);
    if (text.trimmed().isEmpty())
        return QString();
    if (text == text.trimmed() || QFileInfo::exists(exact))
        return exact;
    return Absolute(text.trimmed(), m_openFolder);
}

void OutputFolderDialog::SetPageFileNames(const QStringList& names) {
    m_pageFileNames = QSet<QString>(names.cbegin(), names.cend());
    ShowReplaceNote();
}

void OutputFolderDialog::SetLayoutOpener(LayoutOpener opener) {
    m_layoutOpener = std::move(opener);
}

void OutputFolderDialog::SetFolderNamePrompt(FolderNamePrompt prompt) {
    m_folderNamePrompt = std::move(prompt);
}

void OutputFolderDialog::SetMessageBoxes(MessageBoxes& messages) {
    m_messages = &messages;
}

void OutputFolderDialog::FillDir1() {
    m_fillingDir1 = true;
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
    m_fillingDir1 = false;
    m_pathBox->setText(PathOf(open));
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

void OutputFolderDialog::ReturnToPathBox() {
    m_pathBox->setFocus();
    m_pathBox->selectAll();
}

void OutputFolderDialog::ChooseShownFolder() {
    const QString folder = PathShown();
    if (folder.isEmpty()) {
        m_messages->Tell(this, tr("Type the folder the pages go to, or choose one "
                                  "in the list."));
        ReturnToPathBox();
        return;
    }
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        m_messages->Tell(this, FileNotFolder(folder));
        ReturnToPathBox();
        return;
    }
    if (!info.exists()) {
        // The default folder is the seller's own and is made without a question; any other
        // folder that is not there may be a typing slip.
        if (folder != DefaultFolder() &&
            !m_messages->AskYesNo(this, tr("There is no folder \"%1\". Make it?").arg(folder))) {
            ReturnToPathBox();
            return;
        }
        if (const std::optional<QString> reason = MakeFolders(folder)) {
            m_messages->Tell(this, CannotBeMade(folder, *reason));
            ReturnToPathBox();
            return;
        }
    }
    m_chosenFolder = folder;
    accept();
}

void OutputFolderDialog::MakeNewFolder() {
    const QString parent = PathShown();
    if (parent.isEmpty()) {
        m_messages->Tell(this, tr("Type the folder to make the new folder in, or "
                                  "choose one in the list."));
        ReturnToPathBox();
        return;
    }
    if (QFileInfo(parent).exists() && !QFileInfo(parent).isDir()) {
        m_messages->Tell(this, FileNotFolder(parent));
        ReturnToPathBox();
        return;
    }
    const std::optional<QString> answer = m_folderNamePrompt(this);
    const QString name = answer ? answer->trimmed() : QString();
    if (name.isEmpty())
        return;
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)) || name == QLatin1String(".") ||
        name == QLatin1String("..")) {
        m_messages->Tell(this, tr("\"%1\" cannot name a folder: a name holds no "
                                  "\"/\" and is not \".\" or \"..\".")
                                   .arg(name));
        return;
    }
    const QString folder = QDir::cleanPath(parent + QLatin1Char('/') + name);
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        m_messages->Tell(this,
                         tr("There is a file named \"%1\" in \"%2\" already.").arg(name, parent));
        return;
    }
    if (info.exists()) {
        m_messages->Tell(this, tr("The folder \"%1\" is there already; it is open "
                                  "now.")
                                   .arg(folder));
    } else if (const std::optional<QString> reason = MakeFolders(folder)) {
        m_messages->Tell(this, CannotBeMade(folder, *reason));
        return;
    }
    SetOpenFolder(folder);
    m_dir1->setFocus();
}

void OutputFolderDialog::ShowReplaceNote() {
    const QString folder = PathShown();
    const QFileInfo info(folder);
    QString note;
    if (folder.isEmpty()) {
        note = QString();
    } else if (info.exists() && !info.isDir()) {
        note = tr("This is a file, not a folder.");
    } else if (!info.exists()) {
        note = tr("There is no such folder yet: Ok makes it.");
    } else if (!m_pageFileNames.isEmpty()) {
        // One pass over the folder: a run replaces files and links (broken ones too) of a
        // page's name, never a folder.
        int replaced = 0;
        QDirIterator entries(folder, QDir::Files | QDir::System | QDir::Hidden);
        while (entries.hasNext()) {
            entries.next();
            if (m_pageFileNames.contains(entries.fileName()))
                ++replaced;
        }
        if (replaced == 0)
            note = tr("No page here will be replaced.");
        else if (replaced == 1)
            note = tr("1 page here will be replaced.");
        else
            note = tr("%1 pages here will be replaced.").arg(replaced);
    }
    m_replaceNote->setText(note);
}

void OutputFolderDialog::OpenLayoutDialog() {
    m_layoutOpener(this, m_settings);
}

void OutputFolderDialog::keyPressEvent(QKeyEvent* event) {
    // Enter confirms, Escape cancels (QDialog's own).
    if (FormControls::IsEnterKey(event)) {
        ChooseShownFolder();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool OutputFolderDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_dir1 || watched == m_pathBox) && FormControls::IsEnterKey(event)) {
        ChooseShownFolder();
        return true;
    }
    // In the folder list, Right opens the highlighted folder; Left and Backspace open the
    // folder above the open one.
    if (watched == m_dir1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Right) {
                const QString highlighted = PathOf(m_dir1->currentItem());
                if (!highlighted.isEmpty() && highlighted != m_openFolder)
                    SetOpenFolder(highlighted);
                return true;
            }
            if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Backspace) {
                const QString above = QFileInfo(m_openFolder).path();
                if (m_openFolder != QDir::rootPath())
                    SetOpenFolder(above);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
