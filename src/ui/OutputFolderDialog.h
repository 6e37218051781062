// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class MessageBoxes;
class ProgramSettings;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class VolumeSource;
class XpButton;

// The output folder dialog "frmSave": the folder that receives the pages and pictures, and
// the way to the layout dialog. The path box always shows the folder "Ok" will use: the
// highlighted one in the folder list, or a path the seller typed or pasted. "Ok" takes it,
// making it when it does not exist yet; "Cancel" and the close box choose nothing. The
// dialog first offers the folder of the settings (the one used last), or else
// DefaultFolder(), never the process's current folder.
class OutputFolderDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientLeftTwips = 2760;
    static constexpr int ClientTopTwips = 3750;

    // Opens the layout dialog over the given window and returns when it has closed.
    using LayoutOpener = std::function<void(QWidget* owner, ProgramSettings& settings)>;
    // Asks for the name of a new folder; nothing when the seller cancels.
    using FolderNamePrompt = std::function<std::optional<QString>(QWidget* owner)>;

    // The drive list shows the volumes of the source given, which must outlive the dialog.
    explicit OutputFolderDialog(ProgramSettings& settings, QWidget* parent = nullptr);
    OutputFolderDialog(ProgramSettings& settings, const VolumeSource& volumes,
                       QWidget* parent = nullptr);

    // The folder offered when the settings name none that exists: "Lotcraft pages" in the
    // seller's Documents folder. It need not exist; "Ok" makes it.
    static QString DefaultFolder();
    // The folder Ok offers first: the one used last while it is a folder, else DefaultFolder().
    static QString FirstFolder(const ProgramSettings& settings);

    // The folder open in the folder list: no trailing separator, except for "/".
    const QString& OpenFolder() const { return m_openFolder; }
    // The folder "Ok" chose; empty until then. No trailing separator, except for "/".
    const QString& ChosenFolder() const { return m_chosenFolder; }
    // Opens a folder in the folder list, as a double-click on it does, and highlights it.
    void SetOpenFolder(const QString& folder);
    // The full path a row of the folder list stands for.
    static QString PathOf(const QListWidgetItem* item);
    // The folder "Ok" would use now: the path box's text made absolute (a relative path is
    // taken inside the open folder, "~" is the home folder), without a trailing separator.
    QString PathShown() const;

    // The page files a run would write ("7001.html", ...): the replace note says how many of
    // them the folder in the path box already holds.
    void SetPageFileNames(const QStringList& names);

    void SetLayoutOpener(LayoutOpener opener);
    void SetFolderNamePrompt(FolderNamePrompt prompt);
    // Where the dialog's messages go; the desktop's message boxes until set. The object
    // must outlive the dialog.
    void SetMessageBoxes(MessageBoxes& messages);

    QComboBox* Drive1() const { return m_drive1; }
    QListWidget* Dir1() const { return m_dir1; }
    QLineEdit* PathBox() const { return m_pathBox; }
    QLabel* ReplaceNote() const { return m_replaceNote; }
    XpButton* LayButton() const { return m_layButton; }
    XpButton* NewFolderButton() const { return m_newFolderButton; }
    XpButton* OKButton() const { return m_okButton; }
    XpButton* CancelButton() const { return m_cancelButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The seller picked a volume in the drive list.
    void OpenChosenVolume();
    // "Ok": takes the folder the path box shows, or says why not and stays open.
    void ChooseShownFolder();
    void MakeNewFolder();
    void OpenLayoutDialog();
    void ShowReplaceNote();

    void FillDir1();
    // The volume holding a folder: the one with the longest root folder above it.
    QString VolumeOf(const QString& folder) const;
    // Shows a volume in the drive list without treating it as the user's choice.
    void ShowDrive(const QString& rootPath);
    // Gives the path box back to the seller with its text selected, after a message.
    void ReturnToPathBox();

    ProgramSettings& m_settings;
    const VolumeSource& m_volumes;
    MessageBoxes* m_messages;
    LayoutOpener m_layoutOpener;
    FolderNamePrompt m_folderNamePrompt;
    QStringList m_roots;
    QString m_openFolder;
    QString m_chosenFolder;
    QSet<QString> m_pageFileNames;
    // The folder last open on each volume: choosing a volume again goes back there.
    QHash<QString, QString> m_folderOnVolume;
    bool m_showingDrive = false;
    // Set while the folder list is refilled, when its highlight passes through nothing.
    bool m_fillingDir1 = false;

    QGroupBox* m_frame1;
    QComboBox* m_drive1;
    QListWidget* m_dir1;
    QLabel* m_pathLabel;
    QLineEdit* m_pathBox;
    QLabel* m_replaceNote;
    XpButton* m_layButton;
    XpButton* m_newFolderButton;
    XpButton* m_okButton;
    XpButton* m_cancelButton;
};
