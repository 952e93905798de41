#include "RestrictedPath.h"
#include "TestFiles.h"
#include "goals/GoalRecords.h"
#include "goals/GoalStore.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray record(const char* name, int percent = 0)
{
    return QByteArray("\"") + name + "\",#2008-01-15#,#2008-06-30#,\"\",#FALSE#," +
           QByteArray::number(percent) + "\r\n";
}

// Each goal read, as "name percent".
QStringList read(GoalStore& store)
{
    store.LoadGoals();
    QStringList goals;
    for (const GoalRecord& goal : store.goals())
        goals << goal.GoalName + u' ' + QString::number(goal.AchievedPercent);
    return goals;
}

} // namespace

class tst_GoalStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QFile::remove(m_path); }
    void goalsRoundTripWhateverTheirTexts();
    void readsWhatItCanAndSavesItExactly_data();
    void readsWhatItCanAndSavesItExactly();
    void fileNotReadWholeIsNeverReplaced_data();
    void fileNotReadWholeIsNeverReplaced();

private:
    QTemporaryDir m_folder;
    const QString m_path = GoalStore::pathIn(m_folder.path());
};

void tst_GoalStore::goalsRoundTripWhateverTheirTexts()
{
    static const QString alphabet = QStringLiteral("ab \"\",,##TRUEFALSE-1é€✓\t");
    QRandomGenerator random(5);
    // Names come from a one-line box; descriptions may hold line breaks.
    const auto text = [&](bool lineBreaks) {
        QString text;
        for (int i = random.bounded(0, 24); i > 0; --i)
            text += lineBreaks && random.bounded(10) == 0
                        ? u"\r\n"_qs
                        : alphabet[random.bounded(alphabet.size())];
        return text;
    };
    for (int round = 0; round < 1000; ++round) {
        Goals goals;
        for (int i = random.bounded(1, 5); i > 0; --i)
            goals << GoalRecord{.GoalName = text(false),
                                .StartingDate = QDate(2026, 1, 1).addDays(random.bounded(900)),
                                .EndingDate = QDate(2026, 1, 1).addDays(random.bounded(900)),
                                .GoalDesc = text(true),
                                .Achieved = random.bounded(2) == 1,
                                .AchievedPercent = qint16(random.bounded(101))};
        const QString written = GoalRecords::format(goals);
        QVERIFY2(GoalRecords::parse(written) == goals, qPrintable(written));
    }
}

void tst_GoalStore::readsWhatItCanAndSavesItExactly_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("goals");
    QTest::addColumn<QByteArray>("saved");

    const QByteArray whole = "\"Run a marathon\",#2008-01-15#,#2008-06-30#,"
                             "\"Train four times a week\",#FALSE#,40\r\n"
                             "\"Walk, run and swim\",#2008-01-16#,#2008-07-01#,"
                             "\"Mon\r\nWed\r\n\",#TRUE#,100\r\n";
    QTest::newRow("whole") << whole
                           << QStringList{u"Run a marathon 40"_qs, u"Walk, run and swim 100"_qs}
                           << whole;

    // A damaged record costs only itself.
    const QByteArray a = record("a", 10);
    const QByteArray b = record("b", 20);
    const QStringList ab = {u"a 10"_qs, u"b 20"_qs};
    const QByteArray tail = "\"x\",#2008-01-15#,#2008-06-30#,\"\",#FALSE#";
    QTest::newRow("missing field") << a + tail + "\r\n" + b << ab << a + b;
    QTest::newRow("date that is no date")
        << a + QByteArray(tail).replace("01-15", "02-30") + ",1\r\n" + b << ab << a + b;
    QTest::newRow("text after the last field") << a + tail + ",1 more\r\n" + b << ab << a + b;
    QTest::newRow("percentages out of range")
        << record("high", 150) + record("huge", 99999999) + record("low", -5)
        << QStringList{u"high 100"_qs, u"huge 100"_qs, u"low 0"_qs}
        << record("high", 100) + record("huge", 100) + record("low", 0);
    QTest::newRow("cut short") << a + b + "\"c\",#2008-01-15#,#2008-06-30#,\"first line\r\nsec"
                               << ab << a + b;
    QTest::newRow("binary") << QByteArray::fromHex("0001fffe220d0a00222c2c2389504e470d0a") + a
                            << QStringList{u"a 10"_qs} << a;
}

void tst_GoalStore::readsWhatItCanAndSavesItExactly()
{
    QFETCH(QByteArray, content);
    writeFile(m_path, content);
    GoalStore store(m_path);
    QTEST(read(store), "goals");
    QVERIFY(store.readWhole());
    QCOMPARE(fileBytes(m_path), content); // loading writes nothing
    QVERIFY(QFile::remove(m_path));
    QVERIFY(store.SaveGoals());
    QTEST(fileBytes(m_path), "saved");
}

void tst_GoalStore::fileNotReadWholeIsNeverReplaced_data()
{
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("unreadable") << true << record("a");
    QTest::newRow("enormous") << false
                              << record("a") + QByteArray(48 << 20, ',') + "\r\n" + record("b");
}

void tst_GoalStore::fileNotReadWholeIsNeverReplaced()
{
    QFETCH(bool, unreadable);
    QFETCH(QByteArray, content);
    writeFile(m_path, content);
    GoalStore store(m_path);
    {
        std::optional<RestrictedPath> guard;
        if (unreadable && !guard.emplace(m_path, QFile::WriteOwner).holds())
            QSKIP("permission bits do not bind here");
        QVERIFY(store.fileFound());
        QCOMPARE(read(store), unreadable ? QStringList() : QStringList{u"a 0"_qs});
        QVERIFY(!store.readWhole());
        store.goals() << GoalRecord{.GoalName = u"new"_qs};
        QVERIFY(!store.SaveGoals());
        QVERIFY(!store.SaveGoalsExcept({0}));
    }
    QVERIFY(fileBytes(m_path) == content);
}

QTEST_GUILESS_MAIN(tst_GoalStore)
#include "tst_goalstore.moc"
