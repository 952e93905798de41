#include "TimeLimits.h"
#include "library/MessageRecords.h"
#include "library/RecordReader.h"
#include "library/RecordWriter.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using Field = RecordReader::Field;

namespace {

using Message = MessageRecord;

QString writeMessages(const QList<Message>& messages)
{
    return MessageRecords::format(messages);
}

QList<Message> readMessages(const QString& content)
{
    return MessageRecords::parse(content);
}

QString randomText(QRandomGenerator& random, bool lineBreaks)
{
    static const QString alphabet = QStringLiteral("ab \"\",,##TRUEFALSE-1é€我✓\t");
    QString text;
    const int length = random.bounded(0, 24);
    for (int i = 0; i < length; ++i) {
        if (lineBreaks && random.bounded(12) == 0)
            text += QStringLiteral("\r\n");
        else
            text += alphabet[random.bounded(int(alphabet.size()))];
    }
    return text;
}

} // namespace

class tst_RecordForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesTheRecordForm();
    void readsItsOwnRecords();
    void textsWithQuotesAndCommasReadBackWhole_data();
    void textsWithQuotesAndCommasReadBackWhole();
    void messagesRoundTripWhateverTheirText();
    void messageFilesReadAsTheGeneralReaderReadsThem();
    void goalRecordsRoundTripWithLineBreaks();
    void malformedContentNeverReadsPastTheEnd_data();
    void malformedContentNeverReadsPastTheEnd();
    void hugeMalformedContentReadsInLinearTime();
};

void tst_RecordForm::writesTheRecordForm()
{
    // A seven-character message that takes part in the display: 18 bytes.
    QCOMPARE(writeMessages({{u"Breathe"_qs, true}}), u"\"Breathe\",#TRUE#\r\n"_qs);
    QCOMPARE(writeMessages({{u"Breathe"_qs, true}}).toUtf8().size(), 18);
    QCOMPARE(writeMessages({{QString(), false}, {u"a, b"_qs, true}}),
             u"\"\",#FALSE#\r\n\"a, b\",#TRUE#\r\n"_qs);
    QCOMPARE(writeMessages({}), QString());

    RecordWriter goal;
    goal.text(u"Run a marathon"_qs)
        .date(QDate(2008, 1, 15))
        .date(QDate(2008, 6, 30))
        .text(u"Train four times a week"_qs)
        .flag(false)
        .number(40)
        .endRecord();
    QCOMPARE(goal.result(), u"\"Run a marathon\",#2008-01-15#,#2008-06-30#,"
                            "\"Train four times a week\",#FALSE#,40\r\n"_qs);
}

void tst_RecordForm::readsItsOwnRecords()
{
    const QString content =
        u"\"Run a marathon\",#2008-01-15#,#2008-06-30#,"
        "\"Train four times a week\",#FALSE#,40\r\n"
        "\"Walk, run and swim\",#2008-02-01#,#2008-02-29#,\"\",#TRUE#,100\r\n"_qs;
    RecordReader reader(content, RecordReader::TextLines::Multiple);
    const auto fields = {Field::Text, Field::Date, Field::Date,
                         Field::Text, Field::Flag, Field::Number};
    auto first = reader.read(fields);
    QVERIFY(first);
    QCOMPARE(first->at(0).text, u"Run a marathon"_qs);
    QCOMPARE(first->at(1).date, QDate(2008, 1, 15));
    QCOMPARE(first->at(2).date, QDate(2008, 6, 30));
    QCOMPARE(first->at(3).text, u"Train four times a week"_qs);
    QCOMPARE(first->at(4).flag, false);
    QCOMPARE(first->at(5).number, 40);
    auto second = reader.read(fields);
    QVERIFY(second);
    QCOMPARE(second->at(0).text, u"Walk, run and swim"_qs);
    QCOMPARE(second->at(4).flag, true);
    QCOMPARE(second->at(5).number, 100);
    QVERIFY(reader.atEnd());
    QVERIFY(!reader.read(fields));
}

void tst_RecordForm::textsWithQuotesAndCommasReadBackWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quoted word") << u"I say \"yes\" to life"_qs;
    QTest::newRow("leading quote") << u"\"Calm\" is my word"_qs;
    QTest::newRow("trailing quote") << u"Say \"hi\""_qs;
    QTest::newRow("lone quote") << u"\""_qs;
    QTest::newRow("flag inside") << u"a\",#TRUE#"_qs;
    QTest::newRow("commas") << u"Walk, run, and swim,"_qs;
    QTest::newRow("hashes") << u"#1 #TRUE# me"_qs;
    QTest::newRow("spaces around") << u"  wide  "_qs;
}

void tst_RecordForm::textsWithQuotesAndCommasReadBackWhole()
{
    QFETCH(QString, text);
    const QList<Message> messages = {{text, true}, {u"next"_qs, false}, {text, false}};
    QCOMPARE(readMessages(writeMessages(messages)), messages);
}

void tst_RecordForm::messagesRoundTripWhateverTheirText()
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 2000; ++round) {
        QList<Message> messages;
        const int count = random.bounded(1, 6);
        for (int i = 0; i < count; ++i)
            messages << Message{randomText(random, false), random.bounded(2) == 1};
        const QString written = writeMessages(messages);
        QCOMPARE(readMessages(written), messages);
    }
}

void tst_RecordForm::messageFilesReadAsTheGeneralReaderReadsThem()
{
    // Message files take a quicker road for the lines the program writes; on any content
    // it must end where the general reader ends.
    const auto readByRecords = [](const QString& content) {
        QList<Message> records;
        RecordReader reader(content);
        while (!reader.atEnd()) {
            if (reader.atBlankLine())
                reader.takeLine();
            else if (const auto record = reader.read({Field::Text, Field::Flag}))
                records << Message{record->at(0).text, record->at(1).flag};
            else
                records << Message{reader.takeLine().toString(), true};
        }
        return records;
    };
    static const QStringList pieces = {
        u"\""_qs,         u","_qs,         u"#TRUE#"_qs,     u"#FALSE#"_qs, u"#true#"_qs,
        u" "_qs,          u"\r"_qs,        u"\n"_qs,         u"\r\n"_qs,    u"ab"_qs,
        u"é"_qs,          u"\",#TRUE#"_qs, u"\",#FALSE#"_qs, u"\r\n\""_qs,  u"\n\"x\",#TRUE#"_qs,
        QString(QChar(0))};
    QRandomGenerator random(1206);
    for (int round = 0; round < 5000; ++round) {
        QString content;
        const int length = random.bounded(0, 30);
        for (int i = 0; i < length; ++i)
            content += pieces[random.bounded(int(pieces.size()))];
        QCOMPARE(readMessages(content), readByRecords(content));
    }
}

void tst_RecordForm::goalRecordsRoundTripWithLineBreaks()
{
    QRandomGenerator random(42);
    const auto fields = {Field::Text, Field::Date, Field::Date,
                         Field::Text, Field::Flag, Field::Number};
    for (int round = 0; round < 1000; ++round) {
        RecordWriter writer;
        QList<QStringList> texts;
        const int count = random.bounded(1, 5);
        for (int i = 0; i < count; ++i) {
            texts << QStringList{randomText(random, true), randomText(random, true)};
            writer.text(texts.last()[0])
                .date(QDate(2026, 1, 1).addDays(i))
                .date(QDate(2026, 2, 1))
                .text(texts.last()[1])
                .flag(i % 2)
                .number(i * 7)
                .endRecord();
        }
        RecordReader reader(writer.result(), RecordReader::TextLines::Multiple);
        for (int i = 0; i < count; ++i) {
            const auto record = reader.read(fields);
            QVERIFY2(record, qPrintable(writer.result()));
            QCOMPARE(record->at(0).text, texts[i][0]);
            QCOMPARE(record->at(1).date, QDate(2026, 1, 1).addDays(i));
            QCOMPARE(record->at(3).text, texts[i][1]);
            QCOMPARE(record->at(5).number, i * 7);
        }
        QVERIFY(reader.atEnd());
    }
}

void tst_RecordForm::malformedContentNeverReadsPastTheEnd_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QStringList>("texts"); // a line that is no record is a message

    QTest::newRow("plain lines") << u"I am calm\r\n  \r\n\r\nI am strong"_qs
                                 << QStringList{u"I am calm"_qs, u"I am strong"_qs};
    QTest::newRow("no final line end")
        << u"\"a\",#TRUE#\r\n\"b\",#FALSE#"_qs << QStringList{u"a"_qs, u"b"_qs};
    QTest::newRow("lone line feeds")
        << u"\"a\",#TRUE#\n\"b\",#TRUE#\n"_qs << QStringList{u"a"_qs, u"b"_qs};
    QTest::newRow("lone carriage returns")
        << u"\"a\",#TRUE#\r\"b\",#TRUE#\r"_qs << QStringList{u"a"_qs, u"b"_qs};
    QTest::newRow("stray quote") << u"\"never closed\r\n\"b\",#TRUE#\r\n"_qs
                                 << QStringList{u"\"never closed"_qs, u"b"_qs};
    QTest::newRow("missing flag") << u"\"a\",\r\n\"b\"\r\n"_qs
                                  << QStringList{u"\"a\","_qs, u"\"b\""_qs};
    QTest::newRow("text after flag")
        << u"\"a\",#TRUE# more\r\n"_qs << QStringList{u"\"a\",#TRUE# more"_qs};
    QTest::newRow("nul bytes") << QString(u"\"a\0b\",#TRUE#\r\n\0\r\n"_qs)
                               << QStringList{QString(u"a\0b"_qs), QString(u"\0"_qs)};
    QTest::newRow("only a quote") << u"\""_qs << QStringList{u"\""_qs};
    QTest::newRow("empty") << QString() << QStringList{};
}

void tst_RecordForm::malformedContentNeverReadsPastTheEnd()
{
    QFETCH(QString, content);
    QFETCH(QStringList, texts);
    QStringList read;
    for (const Message& message : readMessages(content))
        read << message.text;
    QCOMPARE(read, texts);
}

void tst_RecordForm::hugeMalformedContentReadsInLinearTime()
{
    // Lines that each open a text and never close it, in a reader whose texts may run
    // over lines: every read fails, and none may search the rest of the file again.
    QString content;
    for (int i = 0; i < 200000; ++i)
        content += QStringLiteral("\"x\",#2026-01-01#,\"y\r\n");
    const auto fields = {Field::Text, Field::Date, Field::Date,
                         Field::Text, Field::Flag, Field::Number};
    QElapsedTimer timer;
    timer.start();
    RecordReader reader(content, RecordReader::TextLines::Multiple);
    int lines = 0;
    while (!reader.atEnd()) {
        QVERIFY(!reader.read(fields));
        reader.takeLine();
        ++lines;
    }
    QCOMPARE(lines, 200000);
    QVERIFY2(timer.elapsed() < 2000 * TimeLimits::scale,
             qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(tst_RecordForm)
#include "tst_recordform.moc"
