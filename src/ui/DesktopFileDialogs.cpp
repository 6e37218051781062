// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopFileDialogs.h"

#include "ui/MessageBoxes.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString Chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

DesktopFileDialogs& DesktopFileDialogs::Instance() {
    static DesktopFileDialogs instance;
    return instance;
}

QString DesktopFileDialogs::OpenFileName(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, MessageBoxes::Title(),
                       start.isEmpty() ? QString() : QFileInfo(start).absolutePath(), OpenFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

QString DesktopFileDialogs::OpenTemplateName(QWidget* parent, const QString& start) {
    QFileDialog dialog(
        parent,
        QCoreApplication::translate("DesktopFileDialogs", "Add columns from an eBay template"),
        start.isEmpty() ? QString() : QFileInfo(start).absolutePath(),
        QCoreApplication::translate("DesktopFileDialogs", "eBay templates (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

QString DesktopFileDialogs::SaveFileName(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, MessageBoxes::Title(), QString(), Filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(Suffix());
    if (!suggested.isEmpty()) {
        const QFileInfo file(suggested);
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.fileName());
    }
    return Chosen(dialog);
}
