#pragma once

#include <QString>

class QWidget;

// The open and save dialogs for catalogue files. Each returns the full path of the chosen
// file, or the empty text when the user chose none. Tests put prepared answers in their place.
class FileDialogs {
public:
    virtual ~FileDialogs();

    virtual QString OpenFileName(QWidget* parent) = 0;
    virtual QString SaveFileName(QWidget* parent) = 0;

    // The one entry of the dialogs' filter.
    static QString Filter() { return QStringLiteral("Csv Files (*.csv)"); }
};
