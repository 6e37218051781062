// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HtmlSourceWindow.h"

#include "ui/MessageBoxes.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// Text1's margins in the client area, which it keeps as the window grows or shrinks.
constexpr int TextLeftTwips = 240;
constexpr int TextTopTwips = 120;
constexpr int TextRightTwips = 210;
constexpr int TextBottomTwips = 225;

}  // namespace

HtmlSourceWindow::HtmlSourceWindow(MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), m_messages(messages) {
    setObjectName(QStringLiteral("viewHtml"));
    setWindowTitle(tr("Html Code"));
    // A window of its own in the task bar, so it carries the program's icon itself.
    setWindowIcon(ProgramIcon());
    resize(TwipsToPixels(ClientWidthTwips), TwipsToPixels(ClientHeightTwips));
    WindowPlacement::AddCloseKeys(this);

    m_text1 = new QPlainTextEdit(QStringLiteral("Text1"), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text1->setAccessibleName(tr("Html Code"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(TextLeftTwips), TwipsToPixels(TextTopTwips),
                               TwipsToPixels(TextRightTwips), TwipsToPixels(TextBottomTwips));
    layout->addWidget(m_text1);
    // In place from the start, not only once the window is first shown.
    layout->activate();
}

void HtmlSourceWindow::ShowPage(const QString& pagePath) {
    if (!isVisible())
        m_pagePath = pagePath;
    show();
    raise();
    activateWindow();
}

void HtmlSourceWindow::setVisible(bool visible) {
    // Loading and placing happen before the window appears, each time it is opened anew.
    if (visible && !isVisible()) {
        LoadPage();
        WindowPlacement::PlaceOnOwnerScreen(this, m_owner);
    }
    QWidget::setVisible(visible);
}

QStringList HtmlSourceWindow::PageLines(const QByteArray& bytes) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype at = 0; at < size; ++at) {
        const char c = bytes.at(at);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromLatin1(bytes.constData() + start, at - start));
        if (c == '\r' && at + 1 < size && bytes.at(at + 1) == '\n')
            ++at;
        start = at + 1;
    }
    if (start < size)
        lines.append(QString::fromLatin1(bytes.constData() + start, size - start));
    return lines;
}

void HtmlSourceWindow::LoadPage() {
    m_text1->clear();
    const QString& path = m_pagePath;
    if (path.isEmpty())
        return;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo(path).isDir() ? tr("it is a folder") : file.errorString();
        m_messages.Tell(
            this,
            tr("The page %1 cannot be shown: %2.").arg(QDir::toNativeSeparators(path), reason));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_messages.Tell(this, tr("The page %1 cannot be read to its end: %2.")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    // Each line followed by its line end, the last one too.
    QString text;
    for (const QString& line : PageLines(bytes))
        text += line + QLatin1Char('\n');
    m_text1->setPlainText(text);
}
