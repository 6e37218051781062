// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTextBrowser>
#include <QWidget>

class ItemRecord;
class PagePictures;
class ProgramSettings;
class QLabel;
struct SellerTexts;

// Shows the page of a record as it would be written now, without writing any file: the bytes
// are built as a page run builds them, from the record and the page inputs of the moment. The
// page's own pictures are taken from the application folder; a picture elsewhere (the item's own,
// on a web server) is drawn as a framed placeholder showing its address.
class PagePreviewWindow : public QWidget {
    Q_OBJECT

public:
    // A page longer than this is not laid out here.
    static constexpr qsizetype LargestShownPage = 4 * 1024 * 1024;

    explicit PagePreviewWindow(QString applicationFolder, QWidget* parent = nullptr);

    // Builds and shows the record's page. A record no page can be made for shows why.
    // The page inputs are taken from the settings, the seller's texts and the pictures as
    // a page run takes them.
    void ShowRecord(const ItemRecord& record, const ProgramSettings& settings,
                    const SellerTexts& seller, const PagePictures& pictures);
    // Shows a note in place of a page.
    void ShowNote(const QString& note);

    // The page shown, as it was built; empty while a note is shown.
    const QByteArray& PageBytes() const { return m_page; }
    QTextBrowser* View() const { return m_view; }
    // The line above the page: which item and file, or the note.
    QString Caption() const;

    // Shows the window and brings it to the front.
    void BringForward();

    // The placeholder drawn for a picture that is not beside the pages.
    static QImage Placeholder(const QString& address);

private:
    class PageView;

    QString m_applicationFolder;
    QByteArray m_page;
    QLabel* m_caption;
    QTextBrowser* m_view;
};
