#pragma once

#include <QByteArray>
#include <QString>

// Reads any bytes as a catalogue, writes what was read and reads that again: the second
// reading must give the same records, with no failure. Returns what went wrong, or empty.
QString CheckCatalogueRoundTrip(const QByteArray& bytes);
