#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The picture files that lie in the application folder: those the pages name, which are
// copied beside the pages, and the two marks a row gets once its page is made.
class PagePictures {
public:
    // The picture files of the two marks.
    static constexpr const char* PageMarkFile = "watch-icon.gif";
    static constexpr const char* DoneMarkFile = "OK.jpg";

    explicit PagePictures(QString applicationFolder);

    const QString& ApplicationFolder() const { return m_applicationFolder; }

    // The files copied beside the pages, in the order they are copied.
    static QStringList CopiedFiles();

    // The mark beside a row's page path, and the mark in the row's first column. Each is
    // loaded from the application folder at its first use and then kept; a file that is
    // missing or is no picture throws LotcraftError naming it.
    const QImage& PageMark() { return LoadOnce(m_pageMark, PageMarkFile); }
    const QImage& DoneMark() { return LoadOnce(m_doneMark, DoneMarkFile); }

    // Copies the pictures into the output folder, replacing files of the same names, unless
    // the output folder is the application folder itself (compared as texts, letter case
    // counting). Throws LotcraftError naming the file at the first copy that fails; the
    // pictures before it stay copied.
    void Cop(const QString& outputFolder) const;

private:
    const QImage& LoadOnce(QImage& mark, const char* name) const;

    QString m_applicationFolder;
    QImage m_pageMark;
    QImage m_doneMark;
};
