// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CatalogueFiles.h"

#include "app/LotcraftError.h"
#include "catalogue/CatalogueEncoding.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/SpreadsheetReader.h"
#include "editing/Grid.h"
#include "editing/RecordEditor.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "ui/WindowHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include <unistd.h>

CatalogueFiles::CatalogueFiles(QWidget& window, WindowHost& host, MessageBoxes& messages,
                               FileDialogs& dialogs, Grid& grid, RecordEditor& editor)
    : m_window(window),
      m_messages(messages),
      m_dialogs(dialogs),
      m_grid(grid),
      m_editor(editor),
      m_host(host) {}

QString CatalogueFiles::ClosingQuestion() {
    return QCoreApplication::translate("CatalogueFiles", "Do you want to save changes ?");
}

QString CatalogueFiles::DialogStart() const {
    if (!m_cataloguePath.isEmpty())
        return m_cataloguePath;
    if (!m_spreadsheetFrom.isEmpty()) {
        // A spreadsheet is never written over: its catalogue is saved as CSV beside it.
        const QFileInfo source(m_spreadsheetFrom);
        const QString suffix = QLatin1Char('.') + FileDialogs::Suffix();
        // A spreadsheet named as a CSV file gets a name of its own for its CSV.
        return source.dir().filePath(source.completeBaseName() +
                                     (source.suffix() == FileDialogs::Suffix()
                                          ? QStringLiteral(" (CSV)") + suffix
                                          : suffix));
    }
    if (!m_readInPartFrom.isEmpty()) {
        // A new name beside the file, so that the items not read are not lost by a slip.
        const QFileInfo source(m_readInPartFrom);
        return source.dir().filePath(
            QCoreApplication::translate("CatalogueFiles", "%1 (items 1-%2).%3")
                .arg(source.completeBaseName())
                .arg(m_grid.ItemCount())
                .arg(FileDialogs::Suffix()));
    }
    return m_catalogueFolder.isEmpty() ? QString() : m_catalogueFolder + QLatin1Char('/');
}

void CatalogueFiles::ChooseAndOpen() {
    const QString path = m_dialogs.OpenFileName(&m_window, DialogStart());
    if (!path.isEmpty())
        Open(path);
}

void CatalogueFiles::Open(const QString& path) {
    CatalogueReader::Result result = CatalogueReader::Read(path);
    if (result.records.empty() && result.failure) {
        // Nothing could be read: the grid keeps the catalogue it holds.
        m_messages.Tell(
            &m_window,
            QCoreApplication::translate("CatalogueFiles",
                                        "Lotcraft could not open the catalogue.\n\n") %
                result.failure->Message() %
                QCoreApplication::translate("CatalogueFiles",
                                            ".\n\nNo item was read, and the grid is as it "
                                            "was. Check the file, then open it again."));
        return;
    }
    if (!m_host.MayLeaveForm() || !MayPutCatalogueAway() || !MatchColumns(result, path))
        return;
    // What the heading was read as goes to the status line; the rest to the seller.
    const QString columnsNotice =
        result.columns.HasHeading()
            ? CatalogueReader::ColumnsNotice(result.columns, QFileInfo(path).fileName())
            : QString();
    if (result.columns.HasHeading() && !result.notices.isEmpty())
        result.notices.removeFirst();
    m_editor.BeginOpening();
    const int recordsRead = int(result.records.size());
    const int read = m_editor.AppendRead(std::move(result.records), std::move(result.columns));
    m_editor.EndOpening();
    // A catalogue read in part is not the file's catalogue: saving it over the file would
    // lose the items not read, so the window has no open file until it is saved.
    const bool inPart = result.failure.has_value() || read < recordsRead;
    m_cataloguePath = inPart || result.spreadsheet ? QString() : path;
    m_readInPartFrom = inPart ? path : QString();
    m_spreadsheetFrom = result.spreadsheet ? path : QString();
    m_itemsInFile = std::max<qint64>(result.itemsInFile, recordsRead);
    m_shiftedFrom = result.shiftedFrom;
    m_catalogueFolder = QFileInfo(path).absolutePath();
    m_host.CatalogueChanged(true);
    m_host.ShowStatus(columnsNotice);
    // What the reader noticed on the way (fields read as Windows-1252, short lines) comes
    // with the failure, or alone.
    const QString noticed =
        result.notices.isEmpty()
            ? QString()
            : QStringLiteral("\n\n") + result.notices.join(QStringLiteral("\n\n"));
    if (!result.failure) {
        if (!noticed.isEmpty())
            m_messages.Tell(
                &m_window,
                QCoreApplication::translate("CatalogueFiles", "The catalogue is open.") + noticed);
        return;
    }
    const QString readItems =
        read == 1
            ? QCoreApplication::translate("CatalogueFiles", "The one item read before that is")
            : QCoreApplication::translate("CatalogueFiles", "The %1 items read before that are")
                  .arg(read);
    m_messages.Tell(
        &m_window,
        QCoreApplication::translate("CatalogueFiles",
                                    "Lotcraft could not read the whole catalogue.\n\n") %
            result.failure->Message() % QStringLiteral(".\n\n") % readItems %
            QCoreApplication::translate("CatalogueFiles",
                                        " in the grid. Correct the file and open it again, "
                                        "or save the grid under a new name.") %
            noticed);
}

bool CatalogueFiles::MayPutCatalogueAway() {
    if (!m_editor.Unsaved())
        return true;
    switch (m_messages.AskToSave(&m_window, ClosingQuestion())) {
        case MessageBoxes::Answer::Yes: return Save();
        case MessageBoxes::Answer::No: return true;
        case MessageBoxes::Answer::Dismissed: break;
    }
    return false;
}

bool CatalogueFiles::Save() {
    if (m_cataloguePath.isEmpty())
        return SaveAs();
    return WriteTo(m_cataloguePath);
}

bool CatalogueFiles::SaveAs() {
    QString path = m_dialogs.SaveFileName(&m_window, DialogStart());
    if (path.isEmpty())
        return false;
    // A name typed without an extension is a catalogue all the same.
    if (QFileInfo(path).suffix().isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('.') + FileDialogs::Suffix();
    return WriteTo(path);
}

bool CatalogueFiles::MayReplaceReadInPart(const QString& path) {
    if (m_readInPartFrom.isEmpty())
        return true;
    const QFileInfo target(path);
    const QFileInfo source(m_readInPartFrom);
    if (!target.exists() || target.canonicalFilePath() != source.canonicalFilePath())
        return true;
    const int items = m_grid.ItemCount();
    const qint64 lost = m_itemsInFile - items;
    const QString held =
        lost > 0
            ? QCoreApplication::translate(
                  "CatalogueFiles", "%1 holds %2 items; the grid has %3. Replacing it loses %4.")
                  .arg(source.fileName())
                  .arg(m_itemsInFile)
                  .arg(items)
                  .arg(lost)
            : QCoreApplication::translate("CatalogueFiles",
                                          "The grid's items were read from %1 only in part.")
                  .arg(source.fileName());
    return m_messages.AskYesNo(
        &m_window,
        held + QCoreApplication::translate("CatalogueFiles", "\n\nDo you want to replace it ?"));
}

bool CatalogueFiles::MatchColumns(CatalogueReader::Result& result, const QString& path) {
    CatalogueColumns& columns = result.columns;
    const std::vector<int> missing = columns.MissingFields();
    if (!columns.HasHeading() || missing.empty() || columns.ExtraCount() == 0)
        return true;
    QStringList labels;
    for (const int position : missing)
        labels << CatalogueColumns::NameOfField(position);
    QStringList options{QCoreApplication::translate("CatalogueFiles", "(no column: left empty)")};
    options << columns.ExtraNames();
    QStringList heading;
    for (const CatalogueColumns::Column& column : columns.Columns())
        heading << column.name;
    // The seller's last choice for a file of this heading comes first.
    const QStringList kept = m_host.KeptColumnMatches(heading);
    std::vector<int> start;
    for (qsizetype index = 0; index < labels.size(); ++index)
        start.push_back(std::max<int>(0, int(options.indexOf(kept.value(index), 1))));
    const std::optional<std::vector<int>> chosen = m_messages.AskChoices(
        &m_window,
        QCoreApplication::translate(
            "CatalogueFiles",
            "The first line of %1 names its columns, but none of them is one of "
            "these fields. Choose the column that holds each field, or leave it "
            "empty; the columns not chosen are kept as they stand.")
            .arg(QFileInfo(path).fileName()),
        labels, options, start, QCoreApplication::translate("CatalogueFiles", "Open"));
    if (!chosen)
        return false;
    QStringList matches;
    for (size_t index = 0; index < missing.size(); ++index) {
        const QString name = options.value(index < chosen->size() ? (*chosen)[index] : 0);
        // A column chosen twice holds the first field chosen for it.
        const int extra = (index < chosen->size() && (*chosen)[index] > 0)
                              ? int(columns.ExtraNames().indexOf(name))
                              : -1;
        matches << (extra >= 0 ? name : QString());
        if (extra >= 0)
            columns.MatchField(missing[index], extra, result.records);
    }
    m_host.KeepColumnMatches(heading, matches);
    return true;
}

bool CatalogueFiles::IsSpreadsheet(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return SpreadsheetReader::KindOf(file.read(CatalogueEncoding::SampleSize)) !=
           SpreadsheetReader::Kind::None;
}

bool CatalogueFiles::WriteTo(const QString& path) {
    if (IsSpreadsheet(path)) {
        const QString other = m_spreadsheetFrom.isEmpty() ? QString() : DialogStart();
        m_messages.Tell(
            &m_window,
            QCoreApplication::translate("CatalogueFiles",
                                        "The catalogue was not saved.\n\n%1 is a spreadsheet, "
                                        "and Lotcraft saves catalogues as CSV files: saved over "
                                        "it, the spreadsheet would be lost. Choose another "
                                        "name%2.")
                .arg(QFileInfo(path).fileName(),
                     other.isEmpty() ? QString()
                                     : QCoreApplication::translate("CatalogueFiles", ", such as %1")
                                           .arg(QFileInfo(other).fileName())));
        return false;
    }
    if (!MayReplaceReadInPart(path))
        return false;
    try {
        CatalogueWriter::Write(path, m_grid.Columns(), m_grid.Records());
    } catch (const LotcraftError& error) {
        m_messages.Tell(&m_window, QCoreApplication::translate("CatalogueFiles",
                                                               "The catalogue was not saved.\n\n") %
                                       SaveFailureAdvice(path, error));
        return false;
    }
    m_cataloguePath = path;
    m_readInPartFrom.clear();
    m_spreadsheetFrom.clear();
    m_catalogueFolder = QFileInfo(path).absolutePath();
    m_editor.MarkSaved();
    m_host.CatalogueChanged(false);
    const int items = m_grid.ItemCount();
    m_host.ShowStatus(
        (items == 1
             ? QCoreApplication::translate("CatalogueFiles", "Saved 1 item to %2")
             : QCoreApplication::translate("CatalogueFiles", "Saved %1 items to %2").arg(items))
            .arg(QFileInfo(path).fileName()));
    return true;
}

QString CatalogueFiles::SaveFailureAdvice(const QString& path, const LotcraftError& error) {
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    if (QFileInfo(folder).isDir() && ::access(folderName.constData(), W_OK | X_OK) != 0) {
        // The save writes a new file beside the old one and then puts it in its place.
        const QString kept =
            QFileInfo::exists(path)
                ? QCoreApplication::translate("CatalogueFiles", "The file %1 is as it was.")
                      .arg(path)
                : QCoreApplication::translate("CatalogueFiles", "Nothing was written.");
        return QCoreApplication::translate(
                   "CatalogueFiles",
                   "Lotcraft saves a catalogue by writing a new file in its folder "
                   "and then putting it in place of the old one, and the folder %1 "
                   "does not let it make a new file. %2\n\nSave the catalogue into "
                   "a folder of your own, your home folder for instance, or ask "
                   "whoever looks after %1 to let you write there.")
            .arg(folder, kept);
    }
    return error.Message() %
           QCoreApplication::translate("CatalogueFiles",
                                       ".\n\nChoose another folder or file name, or make "
                                       "room on the disk, and save again.");
}
