// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ItemRecord.h"

#include <QString>

// What the main window's form shows, without any widget: the record in the nine boxes below
// the grid, the page path box t_html, the buttons whose state the record editing changes,
// and the two counters. The window copies the boxes' texts into the record before an
// operation and shows the whole description after it.
struct EditForm {
    // The record of the nine boxes t_Item to t_cat. Its Spare, which no box shows, is that of
    // the row the form was filled from, and empty for a new record.
    ItemRecord record;
    // t_html: the row's page path, "< html not generated >", or nothing.
    QString pagePathText;
    // The nine boxes, and t_html.
    bool fieldsEnabled = false;
    bool pagePathEnabled = false;

    // "Update", or "Insert" while a new record is being entered.
    QString updateCaption = QStringLiteral("Update");
    bool updateEnabled = false;
    bool cancelVisible = false;
    bool deleteEnabled = false;
    bool htmlsEnabled = false;
    bool saveEnabled = false;
    bool viewPageEnabled = false;
    bool viewHtmlEnabled = false;

    // Label6 shows the items in the grid, Label7 the pages written since the last reset; the
    // page count goes on past 32767.
    int itemCount = 0;
    qint64 pageCount = 0;
};
