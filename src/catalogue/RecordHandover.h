#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <vector>

// Hands the fields of scanned records, as bytes, from the code that finds them in a file to
// the code that decodes them into texts, a batch of records at a time. Finding fields is
// reading and scanning bytes; decoding is making the texts, most of it getting new memory
// for them. Both take about as long, so on a processor with more than one core the finding
// runs on a thread of its own while the caller decodes what has been found so far.
class RecordHandover {
public:
    // A field of a record: `length` bytes from `offset` of the batch's bytes; no field at
    // all (Missing) where a short line had none; or a text decoded already (Decoded), the
    // batch's text number `offset`.
    struct Field {
        static constexpr qsizetype Missing = -1;
        static constexpr qsizetype Decoded = -2;
        qsizetype offset = 0;
        qsizetype length = 0;
        bool ascii = false;        // the bytes are known to be ASCII
        bool windows1252 = false;  // the decoded text was read as Windows-1252
    };
    // Whole records only, each of FieldsPerRecord fields.
    struct Batch {
        QByteArray bytes;
        std::vector<QString> texts;
        std::vector<Field> fields;
    };
    static constexpr int FieldsPerRecord = 10;

    using Finder = std::function<void(RecordHandover&)>;
    using Decoder = std::function<void(const Batch&)>;

    // Runs find, which gives the records it finds through AddField and EndRecord, and hands
    // them to decode, batch by batch and in order, on the caller's thread. With `threaded`,
    // find runs on a thread of its own meanwhile; find must then touch nothing that decode
    // does. Returns once both are done.
    static void Run(bool threaded, const Finder& find, const Decoder& decode);

    // Whether Run would use a thread of its own here, for a text of `size` bytes: only a
    // large text on a processor of more than one core gains from it.
    static bool Worthwhile(qint64 size);

    // Adds a field to the record being found: its bytes, or its text where decoding it at
    // once spares copying many bytes.
    void AddField(QByteArrayView bytes, bool ascii);
    void AddText(const QString& text, bool windows1252);
    void AddMissingField();
    // Ends the record being found, which must have all its fields.
    void EndRecord();
    // Forgets the fields of the record being found, which will not be ended.
    void DropRecord();

private:
    struct Shared;
    RecordHandover(Shared& shared, Batch* batch);
    // Passes the batch on; with `more`, takes an empty one to go on with.
    void Pass(bool more);

    Shared& m_shared;
    Batch* m_batch;
    // Where the record being found begins in m_batch.
    qsizetype m_recordBytes = 0;
    size_t m_recordTexts = 0;
    size_t m_recordFields = 0;
};
