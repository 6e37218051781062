// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listings/ListingOptions.h"
#include "pages/SellerTexts.h"

#include <QString>
#include <QStringList>

// What the main window's parts (opening and saving, the page run, the export) ask of the
// window around them.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // A row of the grid in the form and scrolled into view: a finding's row.
    virtual void RevealRow(int row) = 0;
    virtual void ShowStatus(const QString& text) = 0;
    // The counters changed: show them and repaint them now, in the middle of a long run.
    virtual void ShowCounters() = 0;
    // The Seller, Location and Country boxes as they are now.
    virtual SellerTexts Seller() const = 0;
    // The page run and the export once more, once the seller has seen the check's findings.
    virtual void WritePagesChecked() = 0;
    virtual void ExportChecked() = 0;
    // The export's values kept from the last export, and keeping new ones.
    virtual ListingOptions KeptListingOptions() const = 0;
    virtual void KeepListingOptions(const ListingOptions& options) = 0;
    // The columns the seller chose, last time, for the fields a heading names no column for
    // (a column's name, or empty for none, a field after another), and keeping new ones.
    virtual QStringList KeptColumnMatches(const QStringList& heading) const = 0;
    virtual void KeepColumnMatches(const QStringList& heading, const QStringList& matches) = 0;
    // Before the form is emptied: false when its changes not yet stored must stay.
    virtual bool MayLeaveForm() = 0;
    // A catalogue was opened (true) or saved: the form shows what the grid holds now.
    virtual void CatalogueChanged(bool opened) = 0;
};
