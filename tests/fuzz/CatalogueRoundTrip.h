// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Reads any bytes as a catalogue, from memory and from a file read a few bytes at a time,
// which must agree; writes what was read and reads that again: the second reading must give
// the same records, with no failure and nothing to tell. Returns what went wrong, or empty.
QString CheckCatalogueRoundTrip(const QByteArray& bytes);
