// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeLimits.h"
#include "goals/GoalRecords.h"
#include "library/MessageRecords.h"
#include "platform/TextFile.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

class tst_RecordForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextReadsBackAsWritten()
    {
        // A quote is written twice; everything else, line breaks too, as it is.
        QCOMPARE(
            MessageRecords::format({{QString(), false}, {u"a, b\r\nc"_qs, true}, {u"\""_qs, true}}),
            u"\"\",#FALSE#\r\n\"a, b\r\nc\",#TRUE#\r\n\"\"\"\",#TRUE#\r\n"_qs);

        // Quotes anywhere, line breaks, whatever looks like the end of a record or a whole
        // record of its own, other scripts (apart at "|"): through the disk and back.
        static const QStringList pieces =
            u"\"|,|#TRUE#|\",#FALSE#|\",#FALSE#,5|\"\"| |\t|ab|é€|我|✓|-1|\r\n|\n|\r|#2026-01-01#|"
            u"\r\n\"Phantom\",#2026-01-01#,#2026-02-01#,\"x\",#TRUE#,99"_qs.split(u'|');
        QRandomGenerator random(20261206);
        const auto text = [&] {
            QString text;
            for (int piece = random.bounded(0, 9); piece > 0; --piece)
                text += pieces[random.bounded(int(pieces.size()))];
            return text;
        };
        const auto throughDisk = [](const QString& text) {
            return TextFile::decode(TextFile::encode(text));
        };
        for (int round = 0; round < 2000; ++round) {
            QList<MessageRecord> messages;
            Goals goals;
            for (int i = random.bounded(1, 5); i > 0; --i) {
                messages << MessageRecord{text(), random.bounded(2) == 1};
                goals << GoalRecord{.GoalName = text(),
                                    .StartingDate = QDate(2026, 1, 1).addDays(random.bounded(900)),
                                    .EndingDate = QDate(2026, 1, 1).addDays(random.bounded(900)),
                                    .GoalDesc = text(),
                                    .Achieved = random.bounded(2) == 1,
                                    .AchievedPercent = qint16(random.bounded(101))};
            }
            const QString writtenMessages = MessageRecords::format(messages);
            QVERIFY2(MessageRecords::parse(throughDisk(writtenMessages)) == messages,
                     qPrintable(writtenMessages));
            const QString writtenGoals = GoalRecords::format(goals);
            const GoalRecords::Content read = GoalRecords::parse(throughDisk(writtenGoals));
            QVERIFY2(read.goals == goals, qPrintable(writtenGoals));
            QCOMPARE(read.kept.join(QString()), QString());
        }
    }

    void readsWhatOlderVersionsWrote_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QStringList>("read"); // a line that is no record is a message

        QTest::newRow("plain lines") << u"I am calm\r\n  \r\n\r\nI am strong"_qs
                                     << QStringList{u"[x] I am calm"_qs, u"[x] I am strong"_qs};
        QTest::newRow("lone line ends, none at the end")
            << u"\"a\",#TRUE#\n\"b\",#TRUE#\r\"c\",#FALSE#"_qs
            << QStringList{u"[x] a"_qs, u"[x] b"_qs, u"[ ] c"_qs};
        QTest::newRow("not in the exact written form")
            << u"\"I am calm\" ,#TRUE#\r\n\"b\",#true#\r\n \"c\" , #FALSE#  \t\r\n"_qs
            << QStringList{u"[x] I am calm"_qs, u"[x] b"_qs, u"[ ] c"_qs};
        // Older versions left quotes in texts as they were.
        QTest::newRow("quotes left single")
            << u"\"I breathe \"deeply\"\",#TRUE#\r\n\"a\",#TRUE#\",#FALSE#\r\n\"\"b\",#TRUE#\r\n"
               u"\"5'11\"\",#TRUE#\r\n"_qs
            << QStringList{u"[x] I breathe \"deeply\""_qs, u"[ ] a\",#TRUE#"_qs, u"[x] \"b"_qs,
                           u"[x] 5'11\""_qs};
        QTest::newRow("stray quote") << u"\"never closed\r\n\"b\",#TRUE#\r\n"_qs
                                     << QStringList{u"[x] \"never closed"_qs, u"[x] b"_qs};
        QTest::newRow("missing flag")
            << u"\"a\",\r\n\"b\"\r\n"_qs << QStringList{u"[x] \"a\","_qs, u"[x] \"b\""_qs};
        QTest::newRow("nul bytes") << QString(u"\"a\0b\",#TRUE#\r\n\0\r\n"_qs)
                                   << QStringList{QString(u"[x] a\0b"_qs), QString(u"[x] \0"_qs)};
    }

    void readsWhatOlderVersionsWrote()
    {
        QFETCH(QString, content);
        const QList<MessageRecord> messages = MessageRecords::parse(content);
        QStringList read;
        for (const MessageRecord& message : messages)
            read << (message.checked ? u"[x] "_qs : u"[ ] "_qs) + message.text;
        QTEST(read, "read");
        // A save writes them in the form of today, which reads back the same.
        QCOMPARE(MessageRecords::parse(MessageRecords::format(messages)), messages);
    }

    void hugeMalformedContentReadsInLinearTime()
    {
        // Lines that each open a text and never close it, where texts may run over lines;
        // and lines whose quotes all pair up, so that a text runs on into the next line:
        // every read fails, and none may search the rest of the file again.
        const QString content = u"\"x\",#2026-01-01#,\"y\r\n"_qs.repeated(100000) +
                                u"\"\"\"a\"\"\r\n"_qs.repeated(100000);
        QElapsedTimer timer;
        timer.start();
        const GoalRecords::Content goals = GoalRecords::parse(content);
        QVERIFY(goals.goals.isEmpty());
        QCOMPARE(goals.kept, QStringList{content});
        QCOMPARE(MessageRecords::parse(content).size(), 200000);
        QVERIFY2(timer.elapsed() < 3000 * TimeLimits::scale,
                 qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(tst_RecordForm)
#include "tst_recordform.moc"
