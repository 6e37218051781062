// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <memory>

// Walks the bytes of a catalogue field by field, by the reading rules of CatalogueReader.
//
// The bytes come from memory, or from a file descriptor through a window that is read a
// block at a time and grows only as far as one field (or one run of blank lines) needs, so a
// large catalogue is never held whole as bytes. Until Rewind, the window keeps everything
// from the start of the text, so that a first look at the text's shape can be followed by
// the reading proper without reading the file twice. Reading stops at the end of the file, at a
// read error, or past a limit; to the fields all three look like the end of the file, and
// Error() tells them apart. The file is read with plain reads, never mapped: a file that
// shrinks or grows meanwhile gives whatever bytes the reads returned.
class FieldScanner {
public:
    enum class End { Comma, LineEnd, FileEnd };

    // Scans bytes held in memory; they must outlive the scanner.
    explicit FieldScanner(QByteArrayView bytes);
    // Scans an open descriptor from its current offset, blockSize bytes at a time at most;
    // expectedSize (what is left of the file, or 0) sizes the window. More than maxBytes in
    // all is an error.
    FieldScanner(int descriptor, qint64 expectedSize, qsizetype blockSize, qint64 maxBytes);
    ~FieldScanner();
    FieldScanner(const FieldScanner&) = delete;
    FieldScanner& operator=(const FieldScanner&) = delete;

    // Up to `count` of the bytes ahead, fewer at the end of the file.
    QByteArrayView Peek(qsizetype count);
    // Passes over `count` bytes (a signature); the text then begins after them.
    void SetTextStart(qsizetype count);
    // All bytes that are left, for a text that must be converted as a whole.
    QByteArray TakeRest();
    // Back to the start of the text, to read it again; from then on the window keeps only
    // what the field being scanned needs.
    void Rewind();
    // Back to the start of the text for another first look: the window still keeps
    // everything, as before any Rewind.
    void Restart();

    // Nothing but blanks and line ends is left.
    bool OnlyBlankLeft();
    // Where the line ahead holds nothing but blanks before its line end, passes over it and
    // its line end and returns true; otherwise moves nowhere. Called at the start of a line.
    bool SkipBlankLine();

    // How many bytes of the text lie behind: the position of the next field.
    qint64 Position() const { return Here() - m_textStart; }
    // The position where the field Next scanned last starts (its quote, if it has one).
    qint64 FieldStart() const { return m_fieldStart - m_textStart; }
    // Reads the rest of the file and counts the lines from the position (Position(), or
    // FieldStart() after a field whose text was not taken) to the end of the text that hold
    // anything but blanks; the line the position is in counts when it holds anything but
    // blanks after the position, or when lineBegun says that it did before. Fields cannot
    // be scanned after it.
    qint64 NonBlankLinesFrom(qint64 position, bool lineBegun);

    // Scans the next field and tells how it ended. FileEnd also stands for a line end with
    // nothing after it. Unclosed() is then set when the file ended inside a quoted field.
    // With wantText, Text() holds the field's bytes (quotes taken off, doubled quotes made
    // single) until the next call.
    End Next(bool wantText);
    QByteArrayView Text() const { return m_text; }
    // Whether Text() is known to be ASCII; false when it is not, or not known.
    bool TextIsAscii() const { return m_ascii; }
    // Whether the field was in quotes, and so may hold line ends.
    bool Quoted() const { return m_quoted; }
    // Whether text other than blanks follows the field's closing quote before its comma or
    // line end (`"Works well" 12" ruler,`): most often a quote that was never meant to open
    // the field, closed by an inch mark further on.
    bool TextAfterQuote() const { return m_textAfterQuote; }
    bool Unclosed() const { return m_unclosed; }

    // The system's reason when a read failed, or empty.
    const QString& Error() const { return m_error; }
    // Whether the file held more than maxBytes.
    bool Exceeded() const { return m_exceeded; }

private:
    qint64 Here() const { return m_windowStart + m_at; }
    qsizetype Offset(qint64 position) const { return qsizetype(position - m_windowStart); }
    // Reads more into the window, keeping the bytes from position `keep` on; false when
    // nothing more can be read.
    bool Extend(qint64 keep);
    // Moves to the next comma, CR or LF, or to the end of the file; true when every byte
    // passed over is ASCII (false may also come from a few bytes beyond).
    bool SkipToDelimiter(qint64 keep);
    End Terminator(qint64 keep);

    // The window: m_data[0, m_size) are the bytes from position m_windowStart on.
    const char* m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_at = 0;
    qint64 m_windowStart = 0;
    qint64 m_textStart = 0;
    bool m_keepText = true;
    qint64 m_fieldStart = 0;

    // Reading from a descriptor (m_descriptor >= 0).
    int m_descriptor = -1;
    std::unique_ptr<char[]> m_buffer;
    qsizetype m_capacity = 0;
    qsizetype m_blockSize = 0;
    qint64 m_expectedSize = 0;
    qint64 m_maxBytes = 0;
    qint64 m_bytesRead = 0;
    bool m_inputEnded = true;
    bool m_exceeded = false;
    QString m_error;

    // A position known to hold a byte other than blank or line end, or -1.
    qint64 m_nonBlankAt = -1;

    QByteArrayView m_text;
    QByteArray m_pieced;
    bool m_unclosed = false;
    bool m_ascii = false;
    bool m_quoted = false;
    bool m_textAfterQuote = false;
};
