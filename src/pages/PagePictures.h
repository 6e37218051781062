// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The picture files that lie in the application folder: those the pages name, which are
// copied beside the pages, and the two marks a row gets once its page is made; and which
// files the program ships in that folder, so that no page or picture replaces them.
class PagePictures {
public:
    // The picture files of the two marks.
    static constexpr const char* PageMarkFile = "watch-icon.gif";
    static constexpr const char* DoneMarkFile = "OK.jpg";

    explicit PagePictures(QString applicationFolder);

    const QString& ApplicationFolder() const { return m_applicationFolder; }

    // The files copied beside the pages, in the order they are copied.
    static QStringList CopiedFiles();
    // Every file the program ships in the application folder besides the programs: the
    // pictures and the help page.
    static QStringList ShippedFiles();

    // Whether folder is the application folder as the file system sees it (the same device
    // and inode), by whatever path it is reached: a link, a bind mount, /lib for /usr/lib.
    bool IsApplicationFolder(const QString& folder) const;

    // The mark beside a row's page path, and the mark in the row's first column. Each is
    // loaded from the application folder at its first use and then kept; a file that is
    // missing or is no picture throws LotcraftError naming it.
    const QImage& PageMark() { return LoadOnce(m_pageMark, PageMarkFile); }
    const QImage& DoneMark() { return LoadOnce(m_doneMark, DoneMarkFile); }

    // Copies the pictures into the output folder, replacing files of the same names, unless
    // the output folder is the application folder itself. A picture whose name in the output
    // folder already is the application folder's file is left alone. Each copy gets its name
    // only once it is whole (FolderWriter), so two runs into one folder can copy at once.
    // Throws LotcraftError naming the file at the first copy that fails; the pictures before
    // it stay copied.
    void CopyPagePictures(const QString& outputFolder) const;

private:
    const QImage& LoadOnce(QImage& mark, const char* name) const;

    QString m_applicationFolder;
    QImage m_pageMark;
    QImage m_doneMark;
};
