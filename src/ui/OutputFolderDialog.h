// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class ProgramSettings;
class QComboBox;
class QGroupBox;
class QListWidget;
class QListWidgetItem;
class VolumeSource;
class XpButton;

// The output folder dialog "frmSave": the folder that receives the pages and pictures, and
// the way to the layout dialog. "Ok" chooses the folder open in the folder list and accepts;
// "Cancel" and the close box choose nothing. Both lists start at the process's current
// folder.
class OutputFolderDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientLeftTwips = 2760;
    static constexpr int ClientTopTwips = 3750;
    static constexpr int ClientWidthTwips = 6090;
    static constexpr int ClientHeightTwips = 3195;

    // Opens the layout dialog over the given window and returns when it has closed.
    using LayoutOpener = std::function<void(QWidget* owner, ProgramSettings& settings)>;

    // The drive list shows the volumes of the source given, which must outlive the dialog.
    explicit OutputFolderDialog(ProgramSettings& settings, QWidget* parent = nullptr);
    OutputFolderDialog(ProgramSettings& settings, const VolumeSource& volumes,
                       QWidget* parent = nullptr);

    // The folder open in the folder list: no trailing separator, except for "/".
    const QString& OpenFolder() const { return m_openFolder; }
    // The folder "Ok" chose; empty until then.
    const QString& ChosenFolder() const { return m_chosenFolder; }
    // Opens a folder in the folder list, as a double-click on it does.
    void SetOpenFolder(const QString& folder);
    // The full path a row of the folder list stands for.
    static QString PathOf(const QListWidgetItem* item);

    void SetLayoutOpener(LayoutOpener opener);

    QComboBox* Drive1() const { return m_drive1; }
    QListWidget* Dir1() const { return m_dir1; }
    XpButton* LayButton() const { return m_layButton; }
    XpButton* OKButton() const { return m_okButton; }
    XpButton* CancelButton() const { return m_cancelButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The seller picked a volume in the drive list.
    void OpenChosenVolume();
    void ChooseOpenFolder();
    void OpenLayoutDialog();

    void FillDir1();
    // The volume holding a folder: the one with the longest root folder above it.
    QString VolumeOf(const QString& folder) const;
    // Shows a volume in the drive list without treating it as the user's choice.
    void ShowDrive(const QString& rootPath);

    ProgramSettings& m_settings;
    const VolumeSource& m_volumes;
    LayoutOpener m_layoutOpener;
    QStringList m_roots;
    QString m_openFolder;
    QString m_chosenFolder;
    // The folder last open on each volume: choosing a volume again goes back there.
    QHash<QString, QString> m_folderOnVolume;
    bool m_showingDrive = false;

    QGroupBox* m_frame1;
    QComboBox* m_drive1;
    QListWidget* m_dir1;
    XpButton* m_layButton;
    XpButton* m_okButton;
    XpButton* m_cancelButton;
};
