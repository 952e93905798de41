#include "goals/GoalRecords.h"
#include "goals/GoalStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

GoalRecord goal(const QString& name, int percent = 0, bool achieved = false,
                const QString& description = QString())
{
    return GoalRecord{.GoalName = name,
                      .StartingDate = QDate(2008, 1, 15),
                      .EndingDate = QDate(2008, 6, 30),
                      .GoalDesc = description,
                      .Achieved = achieved,
                      .AchievedPercent = qint16(percent)};
}

QByteArray record(const char* name, int percent = 0)
{
    return QByteArray("\"") + name + "\",#2008-01-15#,#2008-06-30#,\"\",#FALSE#," +
           QByteArray::number(percent) + "\r\n";
}

QStringList names(const Goals& goals)
{
    QStringList list;
    for (const GoalRecord& goal : goals)
        list << goal.GoalName;
    return list;
}

} // namespace

class tst_GoalStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void writesTheGoalFile();
    void goalsRoundTripWhateverTheirTexts();
    void leavesOutGoalsWhenAsked();
    void neverEmptiesTheFileWithoutGoals();
    void damagedRecordsCostOnlyThemselves_data();
    void damagedRecordsCostOnlyThemselves();
    void whatIsNoFileReadsAsNoGoals();
    void unreadableFileIsNeverReplaced();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;

    void writeFile(const QByteArray& bytes) const;
    QByteArray fileBytes() const;
};

void tst_GoalStore::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_path = GoalStore::pathIn(m_folder->path());
}

void tst_GoalStore::writeFile(const QByteArray& bytes) const
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray tst_GoalStore::fileBytes() const
{
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void tst_GoalStore::writesTheGoalFile()
{
    GoalStore store(m_path);
    store.goals() << goal(u"Run a marathon"_qs, 40, false, u"Train four times a week"_qs)
                  << goal(u"Walk, run and swim"_qs, 100, true, u"Mon\r\nWed\r\n"_qs);
    QVERIFY(store.SaveGoals());
    QCOMPARE(fileBytes(), QByteArray("\"Run a marathon\",#2008-01-15#,#2008-06-30#,"
                                     "\"Train four times a week\",#FALSE#,40\r\n"
                                     "\"Walk, run and swim\",#2008-01-15#,#2008-06-30#,"
                                     "\"Mon\r\nWed\r\n\",#TRUE#,100\r\n"));

    GoalStore again(m_path);
    again.LoadGoals();
    QCOMPARE(again.goals(), store.goals());
    QVERIFY(again.readWhole());
}

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
    for (int round = 0; round < 500; ++round) {
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

void tst_GoalStore::leavesOutGoalsWhenAsked()
{
    GoalStore store(m_path);
    for (const char* name : {"g0", "g1", "g2", "g3", "g4"})
        store.goals() << goal(QString::fromLatin1(name));
    QVERIFY(store.SaveGoalsExcept({3, 1}));
    QCOMPARE(fileBytes(), record("g0") + record("g2") + record("g4"));
    QCOMPARE(store.goals().size(), 5); // the list waits for the reload
    store.LoadGoals();
    QCOMPARE(names(store.goals()), (QStringList{u"g0"_qs, u"g2"_qs, u"g4"_qs}));

    // Leaving out every goal leaves the file, empty.
    QVERIFY(store.SaveGoalsExcept({0, 1, 2, 7, -1}));
    QVERIFY(QFile::exists(m_path));
    QCOMPARE(fileBytes(), QByteArray());
    store.LoadGoals();
    QVERIFY(!GoalStore::HasGoals(store.goals()));
}

void tst_GoalStore::neverEmptiesTheFileWithoutGoals()
{
    writeFile("not a goal\r\n");
    GoalStore store(m_path);
    store.LoadGoals();
    QVERIFY(!GoalStore::HasGoals(store.goals()));
    QVERIFY(!store.SaveGoals());
    QVERIFY(!store.SaveGoalsExcept({0}));
    QCOMPARE(fileBytes(), QByteArray("not a goal\r\n"));
}

void tst_GoalStore::damagedRecordsCostOnlyThemselves_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("goals");
    QTest::addColumn<QList<int>>("percents");

    const QByteArray a = record("a", 10);
    const QByteArray b = record("b", 20);
    QTest::newRow("missing field") << a + "\"x\",#2008-01-15#,#2008-06-30#,\"\",#FALSE#\r\n" + b
                                   << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    QTest::newRow("date that is no date")
        << a + "\"x\",#2008-02-30#,#2008-06-30#,\"\",#FALSE#,1\r\n" + b
        << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    QTest::newRow("text after the last field")
        << a + "\"x\",#2008-01-15#,#2008-06-30#,\"\",#FALSE#,1 more\r\n" + b
        << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    QTest::newRow("percentages out of range")
        << record("high", 150) + record("huge", 99999999) +
               "\"low\",#2008-01-15#,#2008-06-30#,\"\",#FALSE#,-5\r\n"
        << QStringList{u"high"_qs, u"huge"_qs, u"low"_qs} << QList<int>{100, 100, 0};
    QTest::newRow("more digits than any number")
        << a + record("x", 1).replace(",1\r", ",1234567890123456789012\r") + b
        << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    QTest::newRow("cut short in a description")
        << a + b + "\"c\",#2008-01-15#,#2008-06-30#,\"first line\r\nsecond"
        << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    QTest::newRow("cut short in a date")
        << a + "\"c\",#2008-0" << QStringList{u"a"_qs} << QList<int>{10};
    QTest::newRow("no final line end")
        << a + b.chopped(2) << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    QTest::newRow("blank lines and lone line feeds")
        << "\r\n" + QByteArray(a).replace("\r\n", "\n") + "  \n\n" + b
        << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    QTest::newRow("date with a time of day")
        << QByteArray("\"t\",#2008-01-15 10:30:00#,#2008-06-30#,\"\",#TRUE#,5\r\n")
        << QStringList{u"t"_qs} << QList<int>{5};
    // A date whose time of day runs over a line end once joined a name that ran over
    // lines to the next line; saved back, the goal read as another one.
    QTest::newRow("date broken by a line end")
        << a + "\"x\r\n\"c\",#2008-01-15 1:\r0#,#2008-06-30#,\"\",#TRUE#,5\r\n" + b
        << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    // A name without quotes that held one came back, between quotes, as another goal.
    QTest::newRow("quote in a name without quotes")
        << a +
               "x\",#2008-01-15#,#2008-06-30#,\"d\",#2008-01-15#,#2008-06-30#,d,#TRUE#,1\r\n"
               "y\",#TRUE#,2\r\n" +
               b
        << QStringList{u"a"_qs, u"b"_qs} << QList<int>{10, 20};
    QTest::newRow("binary") << QByteArray::fromHex("0001fffe220d0a00222c2c2389504e470d0a") + a
                            << QStringList{u"a"_qs} << QList<int>{10};
    QTest::newRow("older code page") << QByteArray("\"Caf\xe9\",#2008-01-15#,#2008-06-30#,"
                                                   "\"\",#FALSE#,3\r\n")
                                     << QStringList{u"Café"_qs} << QList<int>{3};
    QTest::newRow("nothing") << QByteArray() << QStringList{} << QList<int>{};
}

void tst_GoalStore::damagedRecordsCostOnlyThemselves()
{
    QFETCH(QByteArray, content);
    writeFile(content);
    GoalStore store(m_path);
    store.LoadGoals();
    QTEST(names(store.goals()), "goals");
    QList<int> percents;
    for (const GoalRecord& goal : store.goals())
        percents << goal.AchievedPercent;
    QTEST(percents, "percents");
    QVERIFY(store.readWhole());
    // Loading writes nothing.
    QCOMPARE(fileBytes(), content);

    // What was read survives a save unchanged.
    if (GoalStore::HasGoals(store.goals())) {
        const Goals read = store.goals();
        QVERIFY(store.SaveGoals());
        store.LoadGoals();
        QCOMPARE(store.goals(), read);
    }
}

void tst_GoalStore::whatIsNoFileReadsAsNoGoals()
{
    GoalStore store(m_path);
    QVERIFY(!store.fileFound());
    store.LoadGoals();
    QVERIFY(!GoalStore::HasGoals(store.goals()));
    QVERIFY(!QFile::exists(m_path));

    // A folder by that name, or a pipe that would block the reader for ever.
    QVERIFY(QDir().mkpath(m_path));
    QVERIFY(!store.fileFound());
    store.LoadGoals();
    QVERIFY(!GoalStore::HasGoals(store.goals()));
    QVERIFY(QDir().rmdir(m_path));
    QCOMPARE(::mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
    QVERIFY(!store.fileFound());
    store.LoadGoals();
    QVERIFY(!GoalStore::HasGoals(store.goals()));
}

void tst_GoalStore::unreadableFileIsNeverReplaced()
{
    if (::geteuid() == 0)
        QSKIP("every file can be read by the superuser");
    writeFile(record("a"));
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::WriteOwner));
    GoalStore store(m_path);
    QVERIFY(store.fileFound());
    store.LoadGoals();
    QVERIFY(!GoalStore::HasGoals(store.goals()));
    QVERIFY(!store.readWhole());
    store.goals() << goal(u"new"_qs);
    QVERIFY(!store.SaveGoals());
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(fileBytes(), record("a"));
}

QTEST_GUILESS_MAIN(tst_GoalStore)
#include "tst_goalstore.moc"
