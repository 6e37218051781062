// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// The character encodings a catalogue file may come in, and the decoding of its fields.
//
// A file is UTF-8 or Windows-1252 (decided field by field), or UTF-16. Which one it is shows
// in its first bytes: a signature (byte order mark), or for UTF-16 without one its shape:
// the zero bytes that every ASCII character brings, all on one side of the 16-bit units,
// and the commas and line ends that are 16-bit units, in bytes that are no UTF-8 text. Every
// character the field rules look at (comma, quote, CR, LF, blank) is a single byte in UTF-8 and
// Windows-1252, so fields are found in the bytes and only their texts are decoded; UTF-16 is turned
// into UTF-8 first.
class CatalogueEncoding {
public:
    enum class Kind {
        Bytes,  // UTF-8 where a field is valid UTF-8, Windows-1252 where it is not
        Utf16LE,
        Utf16BE,
        Utf32,        // recognised by its mark, and refused
        Undecidable,  // many zero bytes in no pattern: some 16-bit encoding, but which?
    };
    struct Detected {
        Kind kind = Kind::Bytes;
        // The length of the signature at the start, which is no part of the text.
        int signatureLength = 0;
    };
    // How many of the first bytes Detect wants to see, where the file has them.
    static constexpr qsizetype SampleSize = 64 * 1024;
    static Detected Detect(QByteArrayView start);

    // UTF-16 without its signature as UTF-8. Half of a surrogate pair becomes U+FFFD and is
    // counted in `damaged`; a last odd byte, half a unit, is left out (the caller tells it).
    static QByteArray Utf16ToUtf8(QByteArrayView bytes, Kind kind, qsizetype& damaged);

    static QString FromWindows1252(QByteArrayView bytes);

    CatalogueEncoding();

    // A field's text: UTF-8 when its bytes are valid UTF-8 (a leading U+FEFF kept as a
    // character), Windows-1252 when they are not. `ascii` tells that the bytes are known to
    // be ASCII, which spares looking at them twice.
    QString DecodeField(QByteArrayView bytes, bool ascii = false);
    // How many fields DecodeField read as Windows-1252.
    qsizetype Windows1252Fields() const { return m_windows1252Fields; }

private:
    QStringDecoder m_utf8;
    qsizetype m_windows1252Fields = 0;
};
