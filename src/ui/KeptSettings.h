// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listings/ListingOptions.h"
#include "pages/SellerTexts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QSettings;

// What the main window keeps between runs, in the desktop's usual place for settings: the
// seller's texts, the layout and scheme, the folders last used for catalogues and pages, and
// the window's size and place, and the values an export for eBay asked for. A value that is
// missing, or that no longer makes sense (a layout or scheme out of range), is left as the program
// starts it.
class KeptSettings {
public:
    struct Values {
        SellerTexts seller = SellerTexts::Starting();
        qint16 layoutIndex = 1;
        qint16 schemeIndex = 1;
        QString catalogueFolder;
        QString outputFolder;
        // QWidget::saveGeometry's bytes; empty for the first size, centred.
        QByteArray windowGeometry;
    };

    explicit KeptSettings(QSettings& store) : m_store(store) {}

    // The values kept, over `starting` where one is missing or out of range. A store that
    // cannot be read gives `starting` whole, and `notice` says so, and whether the file is
    // written over. KeptSettingsFile looks at the file before a store is made on it.
    Values Read(const Values& starting, QString* notice = nullptr) const;
    void Write(const Values& values);

    // The values an export for eBay asked for last; `starting` where none is kept or one
    // makes no sense (a dispatch time out of range).
    ListingOptions ReadListingOptions(const ListingOptions& starting = ListingOptions()) const;
    void WriteListingOptions(const ListingOptions& options);

    // The columns a seller matched to the fields of a catalogue with this heading.
    QStringList ReadColumnMatches(const QStringList& heading) const;
    void WriteColumnMatches(const QStringList& heading, const QStringList& matches);

private:
    QSettings& m_store;
};
