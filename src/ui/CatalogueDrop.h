// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QDropEvent;
class QMimeData;
class QWidget;

// A catalogue file dropped anywhere on a window is opened, as LOAD CSV opens one: the window
// and every control in it take the drag of one local file, and pass any other drag on. The
// boxes and the grid so never take the file's name as text, and a file that is no catalogue
// (a spreadsheet dropped by mistake) is told as LOAD CSV tells it, never ignored.
class CatalogueDrop : public QObject {
public:
    CatalogueDrop(QWidget& window, std::function<void(const QString& path)> open);

    // The file a drag carries: one local file; empty otherwise.
    static QString DroppedCatalogue(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_open;
};
