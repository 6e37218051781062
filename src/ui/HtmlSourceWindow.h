// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class MessageBoxes;
class QPlainTextEdit;

// The source window "viewHtml": the text of a page, line for line. The page is read when the
// window loads, that is when it is shown while not open; an open window keeps its text until
// it is closed and opened again.
class HtmlSourceWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int ClientWidthTwips = 8385;
    static constexpr int ClientHeightTwips = 5880;

    // A window of its own, with no owner. A page that cannot be read is told through the
    // message boxes.
    explicit HtmlSourceWindow(MessageBoxes& messages, QWidget* parent = nullptr);

    // Shows the window and brings it to the front; a window not open loads the page at
    // pagePath (none when it is empty).
    void ShowPage(const QString& pagePath);

    // The lines of a page's bytes, each without its line end (CR LF, LF or CR), decoded as
    // ISO-8859-1, the pages' own encoding.
    static QStringList PageLines(const QByteArray& bytes);

    QPlainTextEdit* Text1() const { return m_text1; }

    // The window the source window belongs to: it opens on that window's screen, over it,
    // wholly on the screen. Escape and Ctrl+W close it.
    void SetOwnerWindow(QWidget* owner) { m_owner = owner; }

    void setVisible(bool visible) override;

private:
    // Reads the page into Text1.
    void LoadPage();

    MessageBoxes& m_messages;
    QPointer<QWidget> m_owner;
    QString m_pagePath;
    QPlainTextEdit* m_text1;
};
