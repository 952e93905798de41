// SPDX-License-Identifier: GPL-3.0-or-later
// Kills a copy of this test that saves the data files through the program's own code,
// with SIGKILL at a random moment, many times over (saves follow each other without a
// pause, so nearly every kill lands in one), and checks that every file is afterwards
// exactly the version before the save that was going on, or the version that save wrote. The
// message files, their index and the goal file are all written by one safe save, which the message
// file stands for here; the settings by the settings store. ZORVAN_KILL_SEED repeats a run; the
// seed in use is printed.
#include "TestFiles.h"
#include "library/MessageLibrary.h"
#include "platform/SettingsArea.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr int fileCount = 2; // the message file, the settings

// Where each file lives in a folder laid out as the program's data and settings.
QString path(int file, const QString& root)
{
    return file == 0 ? *MessageLibrary(root + u"/data"_qs).messageFilePath(u"Stream"_qs)
                     : root + u"/settings.ini"_qs;
}

// Writes the version of the file as the program saves it. Each version differs from the
// one before in fields far apart, and is large enough that a kill often lands mid-save.
bool save(int file, int version, const QString& root)
{
    if (file == 0) {
        QDir().mkpath(root + u"/data/plugins"_qs);
        QList<MessageRecord> messages;
        for (int i = 0; i < 3000 + version % 7; ++i)
            messages << MessageRecord{
                u"I grow stronger, message %1 of version %2"_qs.arg(i).arg(version),
                (i + version) % 3 != 0};
        return MessageLibrary(root + u"/data"_qs).writeMessageFile(u"Stream"_qs, messages);
    }
    DisplaySettings settings{.intervalPosition = 1000 + version, .fontColor = 0x10000 + version};
    settings.font = {.name = u"Font of version %1"_qs.arg(version),
                     .size = double(11 + version % 300)};
    const auto area = SettingsArea::inFile(path(file, root));
    SettingsStore::save(*area, settings);
    return area->sync();
}

// The child's side: saves every file in turn, version after version, saying on standard
// output which file and version each save that ended wrote. Each line is one write, so a
// kill never leaves half of one.
int saveForEver(const QString& root, int version)
{
    for (;; ++version) {
        for (int file = 0; file < fileCount; ++file) {
            if (!save(file, version, root))
                return 1;
            const QByteArray line =
                QByteArray::number(file) + ' ' + QByteArray::number(version) + '\n';
            if (::write(1, line.data(), size_t(line.size())) != line.size())
                return 2;
        }
    }
}

} // namespace

class tst_KillDuringSaves : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyFileIsTheOldOrTheNewVersion()
    {
        QTemporaryDir root, expected;
        int held[fileCount] = {}; // the version each file holds now
        for (int file = 0; file < fileCount; ++file)
            QVERIFY(save(file, 0, root.path()));
        // The bytes of a version, as a save of it into a folder of its own leaves them.
        const auto bytesOf = [&](int file, int version) {
            const QString folder = expected.filePath(QString::number(version));
            if (!QFile::exists(path(file, folder)))
                save(file, version, folder);
            return fileBytes(path(file, folder));
        };

        const quint32 seed = qEnvironmentVariableIsSet("ZORVAN_KILL_SEED")
                                 ? quint32(qEnvironmentVariable("ZORVAN_KILL_SEED").toULong())
                                 : QRandomGenerator::global()->generate();
        qInfo("ZORVAN_KILL_SEED=%u", seed);
        QRandomGenerator random(seed);

        for (int round = 0; round < 40; ++round) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            const int first = *std::max_element(held, held + fileCount) + 1;
            child.start(QCoreApplication::applicationFilePath(),
                        {u"--save-for-ever"_qs, root.path(), QString::number(first)});
            QVERIFY(child.waitForReadyRead(10000));
            QThread::msleep(random.bounded(0, 300));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit); // not ended by a failed save

            // Per file, the versions it may hold: the last whose save ended (or the one it
            // held), and the one whose save came next.
            int ended[fileCount] = {held[0], held[1]}, next[fileCount] = {first, first};
            for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() == 2) {
                    ended[words[0].toInt()] = words[1].toInt();
                    next[words[0].toInt()] = words[1].toInt() + 1;
                }
            }
            for (int file = 0; file < fileCount; ++file) {
                const QByteArray now = fileBytes(path(file, root.path()));
                const int version = now == bytesOf(file, ended[file]) ? ended[file] : next[file];
                QVERIFY2(
                    now == bytesOf(file, version),
                    qPrintable(u"round %1, file %2, seed %3"_qs.arg(round).arg(file).arg(seed)));
                held[file] = version;
            }
            // Whatever a save leaves behind never shows up as a message file.
            QCOMPARE(
                MessageLibrary(root.filePath(u"data"_qs)).messageFiles().value_or(QStringList()),
                QStringList{u"Stream"_qs});
        }
    }
};

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--save-for-ever") == 0)
        return saveForEver(QString::fromLocal8Bit(argv[2]), atoi(argv[3]));
    tst_KillDuringSaves test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kill_during_saves.moc"
