// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/FieldScanner.h"

#include "app/LotcraftError.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include <unistd.h>

namespace {

// Sixteen bytes compared at once; the compiler makes vector instructions of it where the
// processor has them.
typedef unsigned char Bytes16 __attribute__((vector_size(16)));

// The index, in memory order, of the first byte of a word that is not zero.
int FirstNonZeroByte(std::uint64_t word) {
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    return __builtin_ctzll(word) / 8;
#else
    return __builtin_clzll(word) / 8;
#endif
}

// The index of the first comma, CR or LF among sixteen bytes, or 16 when none is.
int FirstDelimiter(Bytes16 bytes) {
    const auto found = (bytes == ',') | (bytes == '\r') | (bytes == '\n');
    std::uint64_t halves[2];
    std::memcpy(halves, &found, sizeof halves);
    if (halves[0] != 0)
        return FirstNonZeroByte(halves[0]);
    if (halves[1] != 0)
        return 8 + FirstNonZeroByte(halves[1]);
    return 16;
}

bool IsBlankOrLineEnd(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

}  // namespace

FieldScanner::FieldScanner(QByteArrayView bytes) : m_data(bytes.data()), m_size(bytes.size()) {}

FieldScanner::FieldScanner(int descriptor, qint64 expectedSize, qsizetype blockSize,
                           qint64 maxBytes)
    : m_descriptor(descriptor),
      m_blockSize(std::max<qsizetype>(blockSize, 1)),
      m_expectedSize(std::max<qint64>(expectedSize, 0)),
      m_maxBytes(maxBytes),
      m_inputEnded(false) {
    // A file smaller than a block fits at once, with room for the read that finds its end.
    m_capacity = qsizetype(std::clamp<qint64>(expectedSize + 1, 1, m_blockSize));
    m_buffer.reset(new char[size_t(m_capacity)]);
    m_data = m_buffer.get();
}

FieldScanner::~FieldScanner() = default;

bool FieldScanner::Extend(qint64 keep) {
    if (m_descriptor < 0 || m_inputEnded)
        return false;
    if (m_keepText)
        keep = std::min(keep, m_textStart);
    const qsizetype drop = Offset(keep);
    const qsizetype kept = m_size - drop;
    // The kept bytes move to the front. Once they fill half the buffer, it grows to hold the
    // rest of the file as well (a long field is copied once, not once for every block), and
    // at least doubles (a file that grows while read is copied a few times in all). Pages of
    // the buffer that are never filled cost no memory.
    if (kept > m_capacity / 2) {
        const qint64 rest = std::max<qint64>(m_expectedSize - m_bytesRead, 0);
        const qsizetype capacity = qsizetype(std::min<qint64>(
            std::max<qint64>(2 * qint64(m_capacity), kept + rest + 1), m_maxBytes + 1));
        std::unique_ptr<char[]> buffer(new char[size_t(capacity)]);
        std::memcpy(buffer.get(), m_data + drop, size_t(kept));
        m_buffer = std::move(buffer);
        m_capacity = capacity;
    } else if (drop > 0) {
        std::memmove(m_buffer.get(), m_data + drop, size_t(kept));
    }
    m_data = m_buffer.get();
    m_windowStart += drop;
    m_at -= drop;
    m_size = kept;

    for (;;) {
        const qsizetype room = std::min(m_capacity - m_size, m_blockSize);
        const ssize_t got = ::read(m_descriptor, m_buffer.get() + m_size, size_t(room));
        if (got > 0) {
            if (m_bytesRead + got > m_maxBytes) {
                m_exceeded = true;
                m_inputEnded = true;
                return false;
            }
            m_size += qsizetype(got);
            m_bytesRead += got;
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            m_error = LotcraftError::SystemReason(errno);
        m_inputEnded = true;
        return false;
    }
}

QByteArrayView FieldScanner::Peek(qsizetype count) {
    while (m_size - m_at < count && Extend(Here())) {
    }
    return QByteArrayView(m_data + m_at, std::min(count, m_size - m_at));
}

void FieldScanner::SetTextStart(qsizetype count) {
    m_at += std::min(count, m_size - m_at);
    m_textStart = Here();
}

QByteArray FieldScanner::TakeRest() {
    m_keepText = false;
    QByteArray rest;
    do {
        rest.append(m_data + m_at, m_size - m_at);
        m_at = m_size;
    } while (Extend(Here()));
    return rest;
}

void FieldScanner::Restart() {
    m_nonBlankAt = -1;
    m_at = Offset(m_textStart);
}

void FieldScanner::Rewind() {
    m_keepText = false;
    m_nonBlankAt = -1;
    m_at = Offset(m_textStart);
}

bool FieldScanner::OnlyBlankLeft() {
    // Where a long run of blank lines is left, each record would look through it again; a
    // known position beyond it answers at once.
    const qint64 from = Here();
    if (m_nonBlankAt >= from)
        return false;
    qsizetype at = m_at;
    for (;;) {
        while (at < m_size && IsBlankOrLineEnd(m_data[at]))
            ++at;
        if (at < m_size) {
            m_nonBlankAt = m_windowStart + at;
            return false;
        }
        const qint64 reached = m_windowStart + at;
        if (!Extend(from))
            return true;
        at = Offset(reached);
    }
}

bool FieldScanner::SkipBlankLine() {
    const qint64 from = Here();
    qsizetype at = m_at;
    for (;;) {
        while (at < m_size && m_data[at] == ' ')
            ++at;
        if (at < m_size)
            break;
        const qint64 reached = m_windowStart + at;
        if (!Extend(from))
            return false;
        at = Offset(reached);
    }
    if (m_data[at] != '\r' && m_data[at] != '\n')
        return false;
    m_at = at;
    Terminator(from);
    return true;
}

qint64 FieldScanner::NonBlankLinesFrom(qint64 position, bool lineBegun) {
    qint64 lines = 0;
    bool nonBlank = lineBegun;
    qsizetype at = std::clamp<qsizetype>(Offset(position + m_textStart), 0, m_size);
    m_keepText = false;
    for (;;) {
        for (; at < m_size; ++at) {
            const char c = m_data[at];
            if (c == '\r' || c == '\n') {
                lines += nonBlank;
                nonBlank = false;
            } else if (c != ' ') {
                nonBlank = true;
            }
        }
        m_at = m_size;
        if (!Extend(Here()))
            break;
        at = m_at;
    }
    return lines + nonBlank;
}

bool FieldScanner::SkipToDelimiter(qint64 keep) {
    // Every byte passed over is looked at anyway, so whether all are ASCII comes cheaply.
    Bytes16 seen = {};
    unsigned char seenOne = 0;
    for (;;) {
        const char* p = m_data + m_at;
        const char* const end = m_data + m_size;
        while (end - p >= 16) {
            Bytes16 bytes;
            std::memcpy(&bytes, p, sizeof bytes);
            seen |= bytes;
            const int found = FirstDelimiter(bytes);
            p += found;
            if (found < 16)
                break;
        }
        for (; p != end && *p != ',' && *p != '\r' && *p != '\n'; ++p)
            seenOne |= static_cast<unsigned char>(*p);
        m_at = p - m_data;
        if (m_at < m_size || !Extend(keep))
            break;
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &seen, sizeof halves);
    return ((halves[0] | halves[1] | seenOne) & 0x8080808080808080ULL) == 0;
}

FieldScanner::End FieldScanner::Terminator(qint64 keep) {
    if (m_at == m_size)
        return End::FileEnd;
    const char c = m_data[m_at++];
    if (c == ',')
        return End::Comma;
    if (c == '\r') {
        if (m_at == m_size)
            Extend(keep);
        if (m_at < m_size && m_data[m_at] == '\n')
            ++m_at;
    }
    // A line end with nothing after it ends the file.
    if (m_at == m_size && !Extend(keep))
        return End::FileEnd;
    return End::LineEnd;
}

FieldScanner::End FieldScanner::Next(bool wantText) {
    m_unclosed = false;
    m_textAfterQuote = false;
    m_text = QByteArrayView();
    for (;;) {
        while (m_at < m_size && m_data[m_at] == ' ')
            ++m_at;
        if (m_at < m_size || !Extend(Here()))
            break;
    }
    const qint64 start = Here();
    m_fieldStart = start;
    m_ascii = false;
    m_quoted = m_at < m_size && m_data[m_at] == '"';
    if (!m_quoted) {
        m_ascii = SkipToDelimiter(start);
        const qint64 stop = Here();
        const End end = Terminator(start);
        if (wantText)
            m_text = QByteArrayView(m_data + Offset(start), stop - start);
        return end;
    }

    // A quoted field: up to the quote that is not doubled, then any text up to the delimiter.
    ++m_at;
    bool doubled = false;
    qint64 close = 0;
    for (;;) {
        const void* quote =
            m_at < m_size ? std::memchr(m_data + m_at, '"', size_t(m_size - m_at)) : nullptr;
        if (!quote) {
            m_at = m_size;
            if (!Extend(start)) {
                m_unclosed = true;
                return End::FileEnd;
            }
            continue;
        }
        m_at = static_cast<const char*>(quote) - m_data + 1;
        if (m_at == m_size)
            Extend(start);
        if (m_at < m_size && m_data[m_at] == '"') {
            doubled = true;
            ++m_at;
            continue;
        }
        close = Here() - 1;
        break;
    }
    const qint64 tail = Here();
    SkipToDelimiter(start);
    const qint64 stop = Here();
    m_textAfterQuote =
        std::any_of(m_data + Offset(tail), m_data + Offset(stop), [](char c) { return c != ' '; });
    const End end = Terminator(start);
    if (!wantText)
        return end;
    if (!doubled && tail == stop) {
        m_text = QByteArrayView(m_data + Offset(start + 1), close - start - 1);
        return end;
    }
    // The text is pieced together without the second quote of each pair and with the tail:
    // in the window itself where the window is ours (the bytes are read, and only move
    // towards the start), in a buffer of its own where they are the caller's.
    char* out = nullptr;
    if (m_buffer && !m_keepText) {
        out = m_buffer.get() + Offset(start + 1);
    } else {
        m_pieced.resize(stop - start);
        out = m_pieced.data();
    }
    char* at = out;
    const char* p = m_data + Offset(start + 1);
    const char* const quotedEnd = m_data + Offset(close);
    while (p < quotedEnd) {
        // Inside the quotes every quote is the first of a doubled pair.
        const auto* quote = static_cast<const char*>(std::memchr(p, '"', size_t(quotedEnd - p)));
        const char* const pieceEnd = quote ? quote + 1 : quotedEnd;
        std::memmove(at, p, size_t(pieceEnd - p));
        at += pieceEnd - p;
        p = pieceEnd + 1;
    }
    std::memmove(at, m_data + Offset(tail), size_t(stop - tail));
    at += stop - tail;
    m_text = QByteArrayView(out, at - out);
    return end;
}
