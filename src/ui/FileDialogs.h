// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The open and save dialogs for catalogue files. Each returns the full path of the chosen
// file, or the empty text when the user chose none. Tests put prepared answers in their place.
class FileDialogs {
public:
    virtual ~FileDialogs();

    // Opens in the folder of `start`, the catalogue open last (empty: the dialog's own choice).
    virtual QString OpenFileName(QWidget* parent, const QString& start) = 0;
    // Offers `suggested`, the open catalogue's folder and name (empty: none).
    virtual QString SaveFileName(QWidget* parent, const QString& suggested) = 0;

    // eBay's category template, a CSV file, to add its item specifics' columns from; by
    // default through the open dialog.
    virtual QString OpenTemplateName(QWidget* parent, const QString& start) {
        return OpenFileName(parent, start);
    }

    // The save dialog's filter.
    static QString Filter();
    // The open dialog's filter: catalogue files and the spreadsheets read as catalogues.
    static QString OpenFilter();
    // The extension a catalogue's name gets when it is typed without one.
    static QString Suffix() { return QStringLiteral("csv"); }
};
