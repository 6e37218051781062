// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PagePreviewWindow.h"

#include "app/LotcraftError.h"
#include "catalogue/ItemRecord.h"
#include "pages/PageBuilder.h"
#include "pages/PageInputs.h"
#include "ui/ProgramIcon.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

// The page view: local pictures from the application folder, placeholders for the rest, and
// links that lead nowhere, since a preview is for looking at.
class PagePreviewWindow::PageView : public QTextBrowser {
public:
    PageView(QString applicationFolder, QWidget* parent)
        : QTextBrowser(parent), m_folder(std::move(applicationFolder)) {
        setOpenLinks(false);
        setOpenExternalLinks(false);
    }

    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::ImageResource)
            return QTextBrowser::loadResource(type, name);
        if (name.isRelative()) {
            // Only a picture of the application folder itself, never a path beyond it.
            const QString file = QFileInfo(name.path()).fileName();
            const QImage picture(QDir(m_folder).filePath(file));
            if (!picture.isNull() && file == name.path())
                return picture;
        }
        return Placeholder(name.toString());
    }

private:
    QString m_folder;
};

PagePreviewWindow::PagePreviewWindow(QString applicationFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_applicationFolder(std::move(applicationFolder)) {
    setObjectName(QStringLiteral("PagePreview"));
    setWindowTitle(QStringLiteral("Page Preview"));
    setWindowIcon(ProgramIcon());
    resize(820, 700);
    auto* layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("PreviewCaption"));
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setWordWrap(true);
    m_view = new PageView(m_applicationFolder, this);
    m_view->setObjectName(QStringLiteral("PreviewPage"));
    layout->addWidget(m_caption);
    layout->addWidget(m_view, 1);
}

QString PagePreviewWindow::Caption() const {
    return m_caption->text();
}

void PagePreviewWindow::ShowNote(const QString& note) {
    m_page.clear();
    m_caption->setText(note);
    m_view->clear();
}

void PagePreviewWindow::ShowRecord(const ItemRecord& record, const ProgramSettings& settings,
                                   const SellerTexts& seller, const PagePictures& pictures) {
    QByteArray page;
    PageInputs inputs;
    try {
        inputs = PageInputs::Take(settings, seller, pictures);
        page = PageBuilder::Build(record, inputs);
    } catch (const LotcraftError& error) {
        ShowNote(QStringLiteral("No page can be made for this record: %1.").arg(error.Message()));
        return;
    }
    if (page.size() > LargestShownPage) {
        ShowNote(QStringLiteral("This page is %L1 KB long, too long to be shown here. Write the "
                                "pages and open it with View Page.")
                     .arg(page.size() / 1024));
        return;
    }
    m_page = page;
    m_caption->setText(
        QStringLiteral("Item %1, as HTMLS would write it now to %2. This window "
                       "writes nothing.")
            .arg(record.Field(ItemRecord::ItemNumber),
                 PageBuilder::PagePath(inputs.outputFolder, record.Field(ItemRecord::ItemNumber))));
    // The page is ISO-8859-1, with references for every other character.
    const int scrolled = m_view->verticalScrollBar()->value();
    m_view->setHtml(QString::fromLatin1(m_page));
    m_view->verticalScrollBar()->setValue(scrolled);
}

void PagePreviewWindow::BringForward() {
    show();
    raise();
    activateWindow();
}

QImage PagePreviewWindow::Placeholder(const QString& address) {
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0x40, 0x40, 0x40));
    const QRect text = image.rect().adjusted(12, 12, -12, -12);
    const QString shown = address.isEmpty() ? QStringLiteral("(no picture address)") : address;
    painter.drawText(text, Qt::AlignCenter | Qt::TextWrapAnywhere,
                     QStringLiteral("The item's picture\n\n") + shown);
    return image;
}
