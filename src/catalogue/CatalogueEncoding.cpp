// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueEncoding.h"

#include <QUtf8StringView>

#include <cstdint>
#include <cstring>

namespace {

// Windows-1252 where it differs from ISO-8859-1 (bytes 0x80 to 0x9F); the five bytes it
// leaves undefined keep their ISO-8859-1 meaning.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Whether every byte is below 0x80, sixteen bytes at a time (the compiler makes vector
// instructions of it where the processor has them). Most fields are, and they are decoded
// the cheapest way.
bool IsAscii(const char* p, qsizetype size) {
    typedef unsigned char Bytes16 __attribute__((vector_size(16)));
    Bytes16 any = {};
    qsizetype i = 0;
    for (; i + 16 <= size; i += 16) {
        Bytes16 bytes;
        std::memcpy(&bytes, p + i, sizeof bytes);
        any |= bytes;
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &any, sizeof halves);
    std::uint64_t rest = halves[0] | halves[1];
    for (; i < size; ++i)
        rest |= static_cast<unsigned char>(p[i]);
    return (rest & 0x8080808080808080ULL) == 0;
}

bool StartsWith(QByteArrayView bytes, const char* prefix, qsizetype length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), prefix, size_t(length)) == 0;
}

bool IsDelimiter(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// Whether bytes read as UTF-8 text: valid UTF-8 (a character cut off by the end of the
// sample allowed) with no control character but tab, CR, LF and NUL, which a text file may
// hold here and there. The bytes of Cyrillic or Greek UTF-16 are valid UTF-8, but their
// high bytes (4 and 3) are control characters.
bool IsUtf8Text(QByteArrayView bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != 0 && byte != '\t' && byte != '\r' && byte != '\n')
            return false;
    }
    qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if (byte < 0x80)
            break;
        if (byte >= 0xC0) {
            const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            if (length > back)
                size -= back;
            break;
        }
    }
    return QUtf8StringView(bytes.data(), size).isValidUtf8();
}

}  // namespace

CatalogueEncoding::Detected CatalogueEncoding::Detect(QByteArrayView start) {
    if (StartsWith(start, "\xEF\xBB\xBF", 3))
        return {Kind::Bytes, 3};
    if (StartsWith(start, "\xFF\xFE\0\0", 4) || StartsWith(start, "\0\0\xFE\xFF", 4))
        return {Kind::Utf32, 4};
    if (StartsWith(start, "\xFF\xFE", 2))
        return {Kind::Utf16LE, 2};
    if (StartsWith(start, "\xFE\xFF", 2))
        return {Kind::Utf16BE, 2};

    // Without a mark: in UTF-16 every ASCII character (commas, digits, line ends) has a zero
    // byte, the high one, which stands second in little-endian order and first in
    // big-endian order, while the other byte is almost never zero.
    const qsizetype units = std::min(start.size(), SampleSize) / 2;
    qsizetype zerosFirst = 0, zerosSecond = 0;
    // Commas, CRs and LFs as UTF-16 code units of either order.
    qsizetype delimitersLE = 0, delimitersBE = 0;
    for (qsizetype i = 0; i < units; ++i) {
        const char first = start[2 * i];
        const char second = start[2 * i + 1];
        zerosFirst += first == 0;
        zerosSecond += second == 0;
        delimitersLE += second == 0 && IsDelimiter(first);
        delimitersBE += first == 0 && IsDelimiter(second);
    }
    if (zerosFirst + zerosSecond == 0)
        return {};
    // Text that is mostly English shows it in the share of zero bytes alone.
    if (zerosSecond * 8 >= units && zerosFirst * 16 <= zerosSecond)
        return {Kind::Utf16LE, 0};
    if (zerosFirst * 8 >= units && zerosSecond * 16 <= zerosFirst)
        return {Kind::Utf16BE, 0};
    // Chinese, Japanese or Korean text, or Cyrillic or Greek, holds few ASCII characters
    // besides the commas and line ends, so few zero bytes; but they stand on one side of
    // the units, the commas and line ends are units of one order, and the bytes are no
    // UTF-8 text. A character such as U+4E00 puts a zero on the other side now and then.
    if (!IsUtf8Text(start.first(std::min(start.size(), SampleSize)))) {
        const auto oneSided = [](qsizetype side, qsizetype other, qsizetype least) {
            return side >= least && other * 16 <= side;
        };
        if (oneSided(zerosSecond, zerosFirst, 8) || oneSided(delimitersLE, delimitersBE, 4))
            return {Kind::Utf16LE, 0};
        if (oneSided(zerosFirst, zerosSecond, 8) || oneSided(delimitersBE, delimitersLE, 4))
            return {Kind::Utf16BE, 0};
    }
    // A few zero bytes in UTF-8 or Windows-1252 text are characters of their own; many
    // zeros in no such pattern leave the encoding unknown.
    if ((zerosFirst + zerosSecond) * 16 >= units)
        return {Kind::Undecidable, 0};
    return {};
}

QByteArray CatalogueEncoding::Utf16ToUtf8(QByteArrayView bytes, Kind kind, qsizetype& damaged) {
    QStringDecoder decoder(
        kind == Kind::Utf16BE ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    damaged = 0;
    QString text = decoder.decode(bytes.first(bytes.size() - bytes.size() % 2));
    // The decoder passes a lone half of a surrogate pair through; UTF-8 has no form for it.
    QChar* at = text.data();
    QChar* const end = at + text.size();
    for (; at != end; ++at) {
        if (at->isHighSurrogate() && at + 1 != end && (at + 1)->isLowSurrogate()) {
            ++at;
        } else if (at->isSurrogate()) {
            *at = QChar::ReplacementCharacter;
            ++damaged;
        }
    }
    return text.toUtf8();
}

QString CatalogueEncoding::FromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] =
            QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

CatalogueEncoding::CatalogueEncoding()
    : m_utf8(QStringConverter::Utf8,
             QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom) {}

QString CatalogueEncoding::DecodeField(QByteArrayView bytes, bool ascii) {
    if (ascii || IsAscii(bytes.data(), bytes.size()))
        return QString::fromLatin1(bytes.data(), bytes.size());
    // Qt's own decoding drops a U+FEFF at the start of the text; this decoder keeps it, so
    // a value that starts with one survives an open and a save.
    if (QUtf8StringView(bytes.data(), bytes.size()).isValidUtf8())
        return m_utf8.decode(bytes);
    ++m_windows1252Fields;
    return FromWindows1252(bytes);
}
