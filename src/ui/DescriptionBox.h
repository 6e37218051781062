// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QString>

#include <vector>

// The form's multi-line box, t_desc. It gives back exactly the value it was given: a text
// box keeps lines, not the characters that ended them, and shows a no-break space or a line
// separator as something else, so the box remembers the value and how each of its lines
// ended. Untouched, the value comes back unchanged; edited, only what the user changed is
// new, and a line break typed in it is CR LF, the catalogue's line end.
//
// A value too long to lay out while typing (a very long line, or megabytes of text) is shown
// only in part and cannot be edited here; the whole value is still what the box gives back.
class DescriptionBox : public QPlainTextEdit {
    Q_OBJECT

public:
    // The most characters in all, and in one line, that the box lets the user edit.
    static constexpr qsizetype EditableLength = 4'000'000;
    static constexpr qsizetype EditableLineLength = 20'000;
    // How much of a longer value it shows.
    static constexpr qsizetype ShownLength = 10'000;

    explicit DescriptionBox(QWidget* parent = nullptr);

    void SetValue(const QString& value);
    QString Value() const;
    // The value is too long to edit here: the box shows its beginning, read only.
    bool Abridged() const { return m_abridged; }

private:
    static bool Editable(const QString& value);

    QString m_value;
    // The document's own text as it was shown: its lines joined by U+2029.
    QString m_shownText;
    // Where each line of the shown text ends, and the characters that ended it in the value.
    std::vector<qsizetype> m_breakAt;
    std::vector<QString> m_breaks;
    bool m_abridged = false;
};
