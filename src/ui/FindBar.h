// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;

// The bar over the grid's top edge that Ctrl+F shows: what is typed in it shows only the rows
// that hold it, and the window's item counter says how many; Enter goes to the next of them;
// Escape (the window's) closes it.
class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with the focus in its box, its text selected to be typed over.
    void Open();
    QString Text() const;
    void Clear();
    QLineEdit* Box() const { return m_box; }

Q_SIGNALS:
    void TextChanged(const QString& text);
    void NextRequested();

private:
    QLineEdit* m_box;
};
