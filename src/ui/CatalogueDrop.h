// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QDropEvent;
class QMimeData;
class QWidget;

// A catalogue file dropped anywhere on a window is opened, as LOAD CSV opens one: the window
// and every control in it take the drag of one local *.csv file, and pass any other drag on.
// The boxes and the grid so never take the file's name as text.
class CatalogueDrop : public QObject {
public:
    CatalogueDrop(QWidget& window, std::function<void(const QString& path)> open);

    // The catalogue file a drag carries: one local file named *.csv; empty otherwise.
    static QString DroppedCatalogue(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_open;
};
