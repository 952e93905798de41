// Kills a process that saves the data files through the program's own code, with
// SIGKILL at a random moment, many times over, and checks that every file is afterwards
// exactly the version before the save that was going on, or the version that save wrote.
// ZORVAN_KILL_SEED repeats a run; the seed in use is printed.
#include "SaveStream.h"
#include "library/MessageLibrary.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <map>

using SaveStream::File;

class tst_KillDuringSaves : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyFileIsTheOldOrTheNewVersion();
};

void tst_KillDuringSaves::everyFileIsTheOldOrTheNewVersion()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString dataFolder = root.filePath(u"data"_qs);
    const QString settingsFile = root.filePath(u"settings/settings.ini"_qs);
    QVERIFY(QDir().mkpath(dataFolder + u"/plugins"_qs));

    std::map<File, int> version; // what each file holds now
    for (const File file : SaveStream::files) {
        QVERIFY(SaveStream::save(file, 0, dataFolder, settingsFile));
        version[file] = 0;
    }

    quint32 seed = QRandomGenerator::global()->generate();
    if (qEnvironmentVariableIsSet("ZORVAN_KILL_SEED"))
        seed = quint32(qEnvironmentVariableIntValue("ZORVAN_KILL_SEED"));
    qInfo("ZORVAN_KILL_SEED=%u", seed);
    QRandomGenerator random(seed);

    const int rounds = 40;
    int killedMidSave = 0;
    for (int round = 0; round < rounds; ++round) {
        int newest = 0;
        for (const auto& [file, held] : version)
            newest = std::max(newest, held);
        QProcess driver;
        driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        driver.start(QStringLiteral(ZORVAN_SAVESTREAM),
                     {dataFolder, settingsFile, QString::number(newest)});
        QVERIFY(driver.waitForStarted(10000));
        // Let it get going: the first saves of a run must be among those cut short too.
        QVERIFY(driver.waitForReadyRead(10000));
        QThread::msleep(random.bounded(0, 300));
        driver.kill();
        QVERIFY(driver.waitForFinished(10000));
        QCOMPARE(driver.exitStatus(), QProcess::CrashExit);

        // Per file, the last save that began and the last that ended.
        std::map<File, int> began, ended;
        bool lastLineBegan = false;
        for (const QByteArray& line : driver.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 3)
                continue; // the end of the output, or a line the kill cut short
            QVERIFY2(words[0] != "failed", line.constData());
            const auto file = File(words[1].toInt());
            lastLineBegan = words[0] == "begin";
            (lastLineBegan ? began : ended)[file] = words[2].toInt();
        }
        killedMidSave += lastLineBegan ? 1 : 0;

        for (const File file : SaveStream::files) {
            const int old = ended.contains(file) ? ended[file] : version[file];
            QList<int> allowed{old};
            if (began.contains(file) && began[file] != old)
                allowed << began[file];
            bool whole = false;
            for (const int candidate : allowed) {
                if (SaveStream::holds(file, candidate, dataFolder, settingsFile)) {
                    version[file] = candidate;
                    whole = true;
                    break;
                }
            }
            const QString path = SaveStream::path(file, dataFolder, settingsFile);
            QVERIFY2(whole, qPrintable(QStringLiteral("round %1: the %2 (%3 bytes) is none of "
                                                      "versions %4 (seed %5)")
                                           .arg(round)
                                           .arg(SaveStream::name(file))
                                           .arg(QFileInfo(path).size())
                                           .arg(QStringList{QString::number(allowed.first()),
                                                            QString::number(allowed.last())}
                                                    .join(u" or "_qs))
                                           .arg(seed)));
        }
        // Whatever a save leaves behind never shows up as a message file.
        QCOMPARE(MessageLibrary(dataFolder).listMessageFiles(), QStringList{u"Stream"_qs});
    }
    qInfo("%d of %d kills landed in the middle of a save", killedMidSave, rounds);
    // Saves follow each other without a pause, so nearly every kill lands in one; far
    // fewer would mean the test no longer tests what it says.
    QVERIFY(killedMidSave >= rounds / 2);
}

QTEST_GUILESS_MAIN(tst_KillDuringSaves)
#include "tst_kill_during_saves.moc"
