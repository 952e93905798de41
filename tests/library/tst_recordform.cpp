#include "TimeLimits.h"
#include "library/MessageRecords.h"
#include "library/RecordReader.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using Field = RecordReader::Field;

class tst_RecordForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesTheRecordFormAndReadsItBack();
    void malformedContentNeverReadsPastTheEnd_data();
    void malformedContentNeverReadsPastTheEnd();
    void hugeMalformedContentReadsInLinearTime();
};

void tst_RecordForm::writesTheRecordFormAndReadsItBack()
{
    QCOMPARE(MessageRecords::format({{QString(), false}, {u"a, b"_qs, true}}),
             u"\"\",#FALSE#\r\n\"a, b\",#TRUE#\r\n"_qs);

    // Quotes anywhere, even before a flag, commas, hashes, spaces at the ends, other scripts.
    static const QStringList pieces = {u"\""_qs,        u","_qs,  u"#TRUE#"_qs, u"#FALSE#"_qs,
                                       u"\",#TRUE#"_qs, u" "_qs,  u"\t"_qs,     u"ab"_qs,
                                       u"é€"_qs,        u"我"_qs, u"✓"_qs,      u"-1"_qs};
    QRandomGenerator random(20261206);
    for (int round = 0; round < 2000; ++round) {
        QList<MessageRecord> messages;
        for (int i = random.bounded(1, 6); i > 0; --i) {
            QString text;
            for (int piece = random.bounded(0, 9); piece > 0; --piece)
                text += pieces[random.bounded(int(pieces.size()))];
            messages << MessageRecord{text, random.bounded(2) == 1};
        }
        QCOMPARE(MessageRecords::parse(MessageRecords::format(messages)), messages);
    }
}

void tst_RecordForm::malformedContentNeverReadsPastTheEnd_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QStringList>("texts"); // a line that is no record is a message

    QTest::newRow("plain lines") << u"I am calm\r\n  \r\n\r\nI am strong"_qs
                                 << QStringList{u"I am calm"_qs, u"I am strong"_qs};
    QTest::newRow("lone line ends, none at the end")
        << u"\"a\",#TRUE#\n\"b\",#TRUE#\r\"c\",#FALSE#"_qs
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs};
    QTest::newRow("stray quote") << u"\"never closed\r\n\"b\",#TRUE#\r\n"_qs
                                 << QStringList{u"\"never closed"_qs, u"b"_qs};
    QTest::newRow("missing flag") << u"\"a\",\r\n\"b\"\r\n"_qs
                                  << QStringList{u"\"a\","_qs, u"\"b\""_qs};
    QTest::newRow("nul bytes") << QString(u"\"a\0b\",#TRUE#\r\n\0\r\n"_qs)
                               << QStringList{QString(u"a\0b"_qs), QString(u"\0"_qs)};
}

void tst_RecordForm::malformedContentNeverReadsPastTheEnd()
{
    QFETCH(QString, content);
    QStringList read;
    for (const MessageRecord& message : MessageRecords::parse(content))
        read << message.text;
    QTEST(read, "texts");
}

void tst_RecordForm::hugeMalformedContentReadsInLinearTime()
{
    // Lines that each open a text and never close it, in a reader whose texts may run
    // over lines: every read fails, and none may search the rest of the file again.
    const QString content = QStringLiteral("\"x\",#2026-01-01#,\"y\r\n").repeated(200000);
    QElapsedTimer timer;
    timer.start();
    RecordReader reader(content, RecordReader::TextLines::Multiple);
    int lines = 0;
    for (; !reader.atEnd(); ++lines) {
        QVERIFY(!reader.read(
            {Field::Text, Field::Date, Field::Date, Field::Text, Field::Flag, Field::Number}));
        reader.takeLine();
    }
    QCOMPARE(lines, 200000);
    QVERIFY2(timer.elapsed() < 2000 * TimeLimits::scale,
             qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(tst_RecordForm)
#include "tst_recordform.moc"
