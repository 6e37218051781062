// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageName.h"

#include <QCoreApplication>

QString PageName::FileName(const QString& itemNumber) {
    return itemNumber + QStringLiteral(".html");
}

PageName::Fault PageName::FaultOf(const QString& itemNumber) {
    if (itemNumber.isEmpty())
        return Fault::Empty;
    if (itemNumber.contains(QLatin1Char('/')))
        return Fault::Slash;
    if (itemNumber.contains(QChar(0)))
        return Fault::Nul;
    if (itemNumber == QLatin1String(".") || itemNumber == QLatin1String(".."))
        return Fault::FolderName;
    if (itemNumber.contains(QLatin1Char('\n')) || itemNumber.contains(QLatin1Char('\r')))
        return Fault::LineBreak;
    return Fault::None;
}

QString PageName::Why(Fault fault) {
    switch (fault) {
        case Fault::None: return QString();
        case Fault::Empty:
            return QCoreApplication::translate(
                       "PageName", "it is empty, so the page would be the hidden file \"%1\"")
                .arg(FileName(QString()));
        case Fault::Slash: return QCoreApplication::translate("PageName", "it holds \"/\"");
        case Fault::Nul: return QCoreApplication::translate("PageName", "it holds a NUL character");
        case Fault::FolderName: return QCoreApplication::translate("PageName", "it names a folder");
        case Fault::LineBreak:
            return QCoreApplication::translate("PageName", "it holds a line break");
    }
    return QString();
}

QString PageName::WriterRefusal(const QString& itemNumber) {
    const Fault fault = FaultOf(itemNumber);
    const bool refused = fault == Fault::Slash || fault == Fault::Nul || fault == Fault::FolderName;
    return refused ? Why(fault) : QString();
}

QString PageName::Shown(const QString& itemNumber) {
    QString shown = itemNumber;
    shown.replace(QChar(0), QStringLiteral("\\0"));
    shown.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return shown;
}
