// Kills a copy of this test that saves the data files through the program's own code,
// with SIGKILL at a random moment, many times over, and checks that every file is
// afterwards exactly the version before the save that was going on, or the version that
// save wrote. The message files, their index and the goal file are all written by one
// safe save, which the message file stands for here; the settings by the settings store.
// ZORVAN_KILL_SEED repeats a run; the seed in use is printed.
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
#include <unistd.h>

namespace {

enum File { Messages, Settings, FileCount };
const char* const fileNames[] = {"message file", "settings"};

// Where each file lives in a folder laid out as the program's data and settings.
QString path(File file, const QString& root)
{
    if (file == Messages)
        return *MessageLibrary(root + u"/data"_qs).messageFilePath(u"Stream"_qs);
    return root + u"/settings.ini"_qs;
}

// Writes the version of the file as the program saves it. Each version differs from the
// one before in every field, and is large enough that a kill often lands mid-save.
bool save(File file, int version, const QString& root)
{
    if (file == Messages) {
        const QString data = root + u"/data"_qs;
        QDir().mkpath(data + u"/plugins"_qs);
        QList<MessageRecord> messages;
        for (int i = 0; i < 3000 + version % 7; ++i)
            messages << MessageRecord{
                u"I grow stronger, message %1 of version %2"_qs.arg(i).arg(version),
                (i + version) % 3 != 0};
        return MessageLibrary(data).writeMessageFile(u"Stream"_qs, messages);
    }
    DisplaySettings settings{.autoDisplay = true,
                             .intervalPosition = 1000 + version,
                             .durationPosition = 2000 + version,
                             .messageOrder = 1,
                             .location = 1,
                             .fontColor = 0x10000 + version};
    settings.font = {.name = u"Font of version %1"_qs.arg(version),
                     .size = double(11 + version % 300)};
    const auto area = SettingsArea::inFile(path(Settings, root));
    SettingsStore::save(*area, settings);
    return area->sync();
}

// The child's side: saves every file in turn, version after version, saying on standard
// output when each save begins and ends. Each line is one write, so a kill never leaves
// half of one.
int saveForEver(const QString& root, int version)
{
    const auto say = [](const QByteArray& line) {
        return ::write(1, line.data(), size_t(line.size()));
    };
    for (;; ++version) {
        for (int file = 0; file < FileCount; ++file) {
            const QByteArray what = QByteArray::number(file) + ' ' + QByteArray::number(version);
            say("begin " + what + '\n');
            if (!save(File(file), version, root))
                return 1;
            say("end " + what + '\n');
        }
    }
}

} // namespace

class tst_KillDuringSaves : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyFileIsTheOldOrTheNewVersion();
};

void tst_KillDuringSaves::everyFileIsTheOldOrTheNewVersion()
{
    QTemporaryDir root, expected;
    int held[FileCount] = {}; // the version each file holds now
    for (int file = 0; file < FileCount; ++file)
        QVERIFY(save(File(file), 0, root.path()));
    // The bytes of a version, as a save of it into a folder of its own leaves them.
    const auto bytesOf = [&](File file, int version) {
        const QString folder = expected.filePath(QString::number(version));
        if (!QFile::exists(path(file, folder)))
            save(file, version, folder);
        return fileBytes(path(file, folder));
    };

    quint32 seed = QRandomGenerator::global()->generate();
    if (qEnvironmentVariableIsSet("ZORVAN_KILL_SEED"))
        seed = quint32(qEnvironmentVariable("ZORVAN_KILL_SEED").toULong());
    qInfo("ZORVAN_KILL_SEED=%u", seed);
    QRandomGenerator random(seed);

    const int rounds = 40;
    int killedMidSave = 0;
    for (int round = 0; round < rounds; ++round) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {u"--save-for-ever"_qs, root.path(),
                     QString::number(*std::max_element(held, held + FileCount) + 1)});
        QVERIFY(child.waitForReadyRead(10000));
        QThread::msleep(random.bounded(0, 300));
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit); // not ended by a failed save

        // Per file, the versions it may hold: the one it held, the last whose save ended,
        // and the one whose save began last.
        QList<int> allowed[FileCount];
        for (int file = 0; file < FileCount; ++file)
            allowed[file] = {held[file]};
        bool lastLineBegan = false;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 3)
                continue;
            lastLineBegan = words[0] == "begin";
            QList<int>& versions = allowed[words[1].toInt()];
            if (!lastLineBegan)
                versions = {};
            versions << words[2].toInt();
        }
        killedMidSave += lastLineBegan ? 1 : 0;

        for (int file = 0; file < FileCount; ++file) {
            const QByteArray now = fileBytes(path(File(file), root.path()));
            const auto whole =
                std::find_if(allowed[file].begin(), allowed[file].end(),
                             [&](int version) { return now == bytesOf(File(file), version); });
            QVERIFY2(
                whole != allowed[file].end(),
                qPrintable(u"round %1, %2: none of the versions it may hold (seed %3)"_qs.arg(round)
                               .arg(QLatin1String(fileNames[file]))
                               .arg(seed)));
            held[file] = *whole;
        }
        // Whatever a save leaves behind never shows up as a message file.
        QCOMPARE(MessageLibrary(root.filePath(u"data"_qs)).messageFiles().value_or(QStringList()),
                 QStringList{u"Stream"_qs});
    }
    qInfo("%d of %d kills landed in the middle of a save", killedMidSave, rounds);
    // Saves follow each other without a pause, so nearly every kill lands in one; far
    // fewer would mean the test no longer tests what it says.
    QVERIFY(killedMidSave >= rounds / 2);
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--save-for-ever") == 0)
        return saveForEver(QString::fromLocal8Bit(argv[2]), atoi(argv[3]));
    tst_KillDuringSaves test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kill_during_saves.moc"
