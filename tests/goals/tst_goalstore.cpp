// SPDX-License-Identifier: GPL-3.0-or-later
#include "RestrictedPath.h"
#include "TestFiles.h"
#include "goals/GoalStore.h"
#include "platform/DataFolder.h"
#include "platform/TextFile.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray record(const char* name, qint64 percent = 0)
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
    void readsWhatItCanAndSavesItExactly_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("goals");
        // Empty: the content as it was; else the text saved (in UTF-8 here), which the file
        // holds in this system's encoding.
        QTest::addColumn<QByteArray>("saved");

        QTest::newRow("quotes as older versions left them")
            << QByteArray("\"say \"hi\"\",#2008-01-15#,#2008-06-30#,\"a \"b\" c\",#FALSE#,0\r\n")
            << QStringList{u"say \"hi\" 0"_qs}
            << QByteArray(
                   "\"say \"\"hi\"\"\",#2008-01-15#,#2008-06-30#,\"a \"\"b\"\" c\",#FALSE#,0\r\n");

        // A damaged record costs nothing else, and stays where it is.
        const QByteArray a = record("a", 10);
        const QByteArray b = record("b", 20);
        const QStringList ab = {u"a 10"_qs, u"b 20"_qs};
        const QByteArray tail = "\"x\",#2008-01-15#,#2008-06-30#,\"\",#FALSE#";
        QTest::newRow("missing field") << a + tail + "\r\n" + b << ab << QByteArray();
        QTest::newRow("date that is no date")
            << a + QByteArray(tail).replace("01-15", "02-30") + ",1\r\n" + b << ab << QByteArray();
        QTest::newRow("text after the last field")
            << a + tail + ",1 more\r\n" + b << ab << QByteArray();
        QTest::newRow("cut short")
            << a + b + "\"c\",#2008-01-15#,#2008-06-30#,\"first line\r\nsec" << ab << QByteArray();
        QTest::newRow("percentages out of range")
            << record("high", 150) + record("huge", 1000000000) +
                   record("endless").replace(",0\r\n", ",9999999999999999999999999\r\n") +
                   record("low", -5)
            << QStringList{u"high 100"_qs, u"huge 100"_qs, u"endless 100"_qs, u"low 0"_qs}
            << record("high", 100) + record("huge", 100) + record("endless", 100) +
                   record("low", 0);
        // Text is kept.
        QTest::newRow("binary") << QByteArray::fromHex("0001fffe220d0a00222c2c2389504e470d0a") + a
                                << QStringList{u"a 10"_qs}
                                << QByteArray::fromHex(
                                       "0001c3bfc3be220d0a00222c2c23e280b0504e470d0a") +
                                       a;
    }

    void readsWhatItCanAndSavesItExactly()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, saved);
        writeFile(m_path, content);
        GoalStore store(m_path);
        QTEST(read(store), "goals");
        QCOMPARE(store.reading(), GoalStore::Reading::Whole);
        QCOMPARE(fileBytes(m_path), content); // loading writes nothing
        QVERIFY(QFile::remove(m_path));
        QVERIFY(store.SaveGoals());
        QCOMPARE(fileBytes(m_path),
                 saved.isEmpty() ? content : TextFile::encode(QString::fromUtf8(saved)));
    }

    void fileNotReadWholeIsNeverReplaced_data()
    {
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("unreadable") << true << record("a");
        QTest::newRow("enormous") << false
                                  << record("a") + QByteArray(48 << 20, ',') + "\r\n" + record("b");
    }

    void fileNotReadWholeIsNeverReplaced()
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
            QCOMPARE(store.reading(),
                     unreadable ? GoalStore::Reading::Unreadable : GoalStore::Reading::TooLarge);
            store.goals() << GoalRecord{.GoalName = u"new"_qs};
            QVERIFY(!store.SaveGoals());
            QVERIFY(!store.SaveGoalsExcept({0}));
        }
        QVERIFY(fileBytes(m_path) == content);
    }

private:
    QTemporaryDir m_folder;
    const QString m_path = DataFolder::goalFile(m_folder.path());
};

QTEST_GUILESS_MAIN(tst_GoalStore)
#include "tst_goalstore.moc"
