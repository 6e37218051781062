// Handing found records over for decoding: whole records in order, in batches, on one thread
// or two, and a failure on either side that ends both before it reaches the caller.

#include "catalogue/RecordHandover.h"

#include <QtTest>

#include <stdexcept>
#include <vector>

namespace {

using Batch = RecordHandover::Batch;
using Field = RecordHandover::Field;

// Finds `records` records of ten fields: record n's fields are "n.1" to "n.10", except that
// field 3 of every 7th record is a decoded text and field 10 of every 5th is missing; every
// 11th record is dropped part way.
void Find(RecordHandover& handover, int records) {
    for (int n = 1; n <= records; ++n) {
        for (int position = 1; position <= RecordHandover::FieldsPerRecord; ++position) {
            const QByteArray text = QByteArray::number(n) + '.' + QByteArray::number(position);
            if (position == 3 && n % 7 == 0)
                handover.AddText(QString::fromLatin1(text) + QLatin1Char('!'), n % 14 == 0);
            else if (position == 10 && n % 5 == 0)
                handover.AddMissingField();
            else
                handover.AddField(text, true);
            if (position == 4 && n % 11 == 0)
                break;
        }
        if (n % 11 == 0)
            handover.DropRecord();
        else
            handover.EndRecord();
    }
}

// The records of a batch as texts, "-" for a missing field.
QStringList Texts(const Batch& batch) {
    QStringList texts;
    for (const Field& field : batch.fields) {
        if (field.length == Field::Missing)
            texts << QStringLiteral("-");
        else if (field.length == Field::Decoded)
            texts << batch.texts[size_t(field.offset)] +
                         (field.windows1252 ? QStringLiteral("w") : QString());
        else
            texts << QString::fromLatin1(batch.bytes.mid(field.offset, field.length));
    }
    return texts;
}

QStringList Expected(int records) {
    QStringList texts;
    for (int n = 1; n <= records; ++n) {
        if (n % 11 == 0)
            continue;
        for (int position = 1; position <= RecordHandover::FieldsPerRecord; ++position) {
            QString text = QStringLiteral("%1.%2").arg(n).arg(position);
            if (position == 3 && n % 7 == 0)
                text += n % 14 == 0 ? QStringLiteral("!w") : QStringLiteral("!");
            else if (position == 10 && n % 5 == 0)
                text = QStringLiteral("-");
            texts << text;
        }
    }
    return texts;
}

}  // namespace

class RecordHandoverTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeRecordsArriveInOrder_data() {
        QTest::addColumn<bool>("threaded");
        QTest::newRow("one thread") << false;
        QTest::newRow("two threads") << true;
    }

    void wholeRecordsArriveInOrder() {
        QFETCH(bool, threaded);
        // Enough records for many batches, and none at all.
        for (const int records : {5000, 0}) {
            QStringList texts;
            int batches = 0;
            RecordHandover::Run(
                threaded, [&](RecordHandover& handover) { Find(handover, records); },
                [&](const Batch& batch) {
                    ++batches;
                    QCOMPARE(batch.fields.size() % RecordHandover::FieldsPerRecord, size_t(0));
                    texts << Texts(batch);
                });
            QCOMPARE(texts, Expected(records));
            QVERIFY(records == 0 ? batches == 0 : batches > 1);
        }
    }

    void aFailureOnEitherSideEndsBoth_data() { wholeRecordsArriveInOrder_data(); }

    void aFailureOnEitherSideEndsBoth() {
        QFETCH(bool, threaded);
        // Decoding fails at its second batch, and the failure reaches the caller. On one
        // thread it ends the finding at once; on two the finding runs to its end (it is
        // never left waiting for an empty batch).
        int found = 0;
        int decoded = 0;
        try {
            RecordHandover::Run(
                threaded,
                [&](RecordHandover& handover) {
                    Find(handover, 5000);
                    found = 5000;
                },
                [&](const Batch&) {
                    if (++decoded == 2)
                        throw std::runtime_error("out of memory");
                });
            QFAIL("the decoding's failure was lost");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QByteArray(error.what()), QByteArray("out of memory"));
        }
        QCOMPARE(found, threaded ? 5000 : 0);
        QCOMPARE(decoded, 2);

        // Finding fails part way: the full batches found before it are decoded (two of 1024
        // records), then the failure comes.
        decoded = 0;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 RecordHandover::Run(
                                     threaded,
                                     [&](RecordHandover& handover) {
                                         Find(handover, 3000);
                                         throw std::runtime_error("cannot read");
                                     },
                                     [&](const Batch&) { ++decoded; }));
        QCOMPARE(decoded, 2);
    }
};

QTEST_APPLESS_MAIN(RecordHandoverTest)
#include "RecordHandoverTest.moc"
