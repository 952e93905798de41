#include "TimeLimits.h"
#include "library/MessageRecords.h"
#include "library/RecordReader.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using Field = RecordReader::Field;
using Messages = QList<MessageRecord>;

class tst_RecordForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesTheRecordForm();
    void textsWithQuotesAndCommasReadBackWhole_data();
    void textsWithQuotesAndCommasReadBackWhole();
    void messagesRoundTripWhateverTheirText();
    void messageFilesReadAsTheGeneralReaderReadsThem();
    void malformedContentNeverReadsPastTheEnd_data();
    void malformedContentNeverReadsPastTheEnd();
    void hugeMalformedContentReadsInLinearTime();
};

void tst_RecordForm::writesTheRecordForm()
{
    // A seven-character message that takes part in the display: 18 bytes.
    QCOMPARE(MessageRecords::format({{u"Breathe"_qs, true}}).toUtf8(),
             QByteArray("\"Breathe\",#TRUE#\r\n"));
    QCOMPARE(MessageRecords::format({{QString(), false}, {u"a, b"_qs, true}}),
             u"\"\",#FALSE#\r\n\"a, b\",#TRUE#\r\n"_qs);
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
    const Messages messages = {{text, true}, {u"next"_qs, false}, {text, false}};
    QCOMPARE(MessageRecords::parse(MessageRecords::format(messages)), messages);
}

void tst_RecordForm::messagesRoundTripWhateverTheirText()
{
    static const QString alphabet = QStringLiteral("ab \"\",,##TRUEFALSE-1é€我✓\t");
    QRandomGenerator random(20261206);
    for (int round = 0; round < 2000; ++round) {
        Messages messages;
        for (int i = random.bounded(1, 6); i > 0; --i) {
            QString text;
            for (int c = random.bounded(0, 24); c > 0; --c)
                text += alphabet[random.bounded(int(alphabet.size()))];
            messages << MessageRecord{text, random.bounded(2) == 1};
        }
        QCOMPARE(MessageRecords::parse(MessageRecords::format(messages)), messages);
    }
}

void tst_RecordForm::messageFilesReadAsTheGeneralReaderReadsThem()
{
    // Message files take a quicker road for the lines the program writes; on any content
    // it must end where the general reader ends.
    const auto readByRecords = [](const QString& content) {
        Messages records;
        RecordReader reader(content);
        while (!reader.atEnd()) {
            if (reader.atBlankLine())
                reader.takeLine();
            else if (const auto record = reader.read({Field::Text, Field::Flag}))
                records << MessageRecord{record->at(0).text, record->at(1).flag};
            else
                records << MessageRecord{reader.takeLine().toString(), true};
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
        for (int i = random.bounded(0, 30); i > 0; --i)
            content += pieces[random.bounded(int(pieces.size()))];
        QCOMPARE(MessageRecords::parse(content), readByRecords(content));
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
