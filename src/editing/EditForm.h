#pragma once

#include "catalogue/ItemRecord.h"

#include <QString>

#include <array>

// What the main window's form shows, without any widget: the ten boxes below the grid, the
// buttons whose state the record editing changes, and the two counters' labels. The window
// copies the boxes' texts in before an operation and shows the whole description after it.
struct EditForm {
    // The boxes by the grid column they show: 1 t_Item to 9 t_cat in column order, and
    // 10 t_html, the page path. Index 0 is unused.
    static constexpr int HtmlBox = ItemRecord::HtmlColumn;
    static constexpr int BoxCount = HtmlBox + 1;
    std::array<QString, BoxCount> boxText{};
    std::array<bool, BoxCount> boxEnabled{};

    // "Update", or "Insert" while a new record is being entered.
    QString updateCaption = QStringLiteral("Update");
    bool updateEnabled = false;
    bool cancelVisible = false;
    bool deleteEnabled = false;
    bool htmlsEnabled = false;
    bool saveEnabled = false;
    bool viewPageEnabled = false;
    bool viewHtmlEnabled = false;

    // Label6 shows the item count, Label7 the page count.
    QString itemCountText = QStringLiteral("0");
    QString pageCountText = QStringLiteral("0");
};
