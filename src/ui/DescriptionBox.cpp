// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DescriptionBox.h"

#include <QTextDocument>

#include <algorithm>

namespace {

constexpr char16_t kBlockBreak = 0x2029;  // how the document joins its lines
constexpr char16_t kLineSeparator = 0x2028;
// Besides CR, LF and U+2029 the document also ends a line at these two.
constexpr char16_t kFrameStart = 0xFDD0;
constexpr char16_t kFrameEnd = 0xFDD1;

bool EndsLine(char16_t c) {
    return c == u'\r' || c == u'\n' || c == kBlockBreak || c == kFrameStart || c == kFrameEnd;
}

}  // namespace

DescriptionBox::DescriptionBox(QWidget* parent) : QPlainTextEdit(parent) {}

bool DescriptionBox::Editable(const QString& value) {
    if (value.size() > EditableLength)
        return false;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (EndsLine(value[i].unicode()) || value[i].unicode() == kLineSeparator)
            lineStart = i + 1;
        else if (i - lineStart >= EditableLineLength)
            return false;
    }
    return true;
}

void DescriptionBox::SetValue(const QString& value) {
    if (value == m_value && Value() == value)
        return;
    m_value = value;
    m_breakAt.clear();
    m_breaks.clear();
    m_abridged = !Editable(value);
    setReadOnly(m_abridged);
    if (m_abridged) {
        qsizetype shown = ShownLength;
        if (value[shown - 1].isHighSurrogate())
            --shown;
        setPlainText(value.left(shown) +
                     tr("\n\n[... and %L1 characters more. The description is too long to be "
                        "edited here; it is kept whole and stored as it is.]")
                         .arg(value.size() - shown));
        m_shownText.clear();
        return;
    }
    setPlainText(value);
    m_shownText = document()->toRawText();
    // The document ends a line wherever the value does, in the same order.
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (!EndsLine(c))
            continue;
        const qsizetype length =
            c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n' ? 2 : 1;
        m_breaks.push_back(value.mid(i, length));
        i += length - 1;
    }
    for (qsizetype i = 0; i < m_shownText.size(); ++i) {
        if (m_shownText[i].unicode() == kBlockBreak)
            m_breakAt.push_back(i);
    }
    if (m_breakAt.size() != m_breaks.size()) {
        // Not expected; edited lines then simply end in CR LF.
        m_breakAt.clear();
        m_breaks.clear();
    }
}

QString DescriptionBox::Value() const {
    if (m_abridged)
        return m_value;
    const QString text = document()->toRawText();
    if (text == m_shownText)
        return m_value;

    // Only the part between what is unchanged at the start and at the end is new.
    const qsizetype oldSize = m_shownText.size();
    const qsizetype newSize = text.size();
    const qsizetype common = std::min(oldSize, newSize);
    qsizetype prefix = 0;
    while (prefix < common && text[prefix] == m_shownText[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix &&
           text[newSize - 1 - suffix] == m_shownText[oldSize - 1 - suffix])
        ++suffix;

    // The line end the value had at a place of the shown text, if it had one there.
    const auto originalBreak = [this](qsizetype at) -> const QString* {
        const auto found = std::lower_bound(m_breakAt.begin(), m_breakAt.end(), at);
        if (found == m_breakAt.end() || *found != at)
            return nullptr;
        return &m_breaks[size_t(found - m_breakAt.begin())];
    };

    QString value;
    value.reserve(newSize + newSize / 16);
    for (qsizetype i = 0; i < newSize; ++i) {
        const char16_t c = text[i].unicode();
        const bool typed = i >= prefix && i < newSize - suffix;
        if (c != kBlockBreak && !(typed && c == kLineSeparator)) {
            value += text[i];
            continue;
        }
        const QString* kept = nullptr;
        if (i < prefix)
            kept = originalBreak(i);
        else if (!typed)
            kept = originalBreak(i - newSize + oldSize);
        value += kept ? *kept : QStringLiteral("\r\n");
    }
    return value;
}
