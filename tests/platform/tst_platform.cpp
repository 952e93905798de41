#include "TestFiles.h"
#include "platform/DataFolder.h"
#include "platform/TextFile.h"
#include "platform/WindowSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

class tst_Platform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesUtf8AndOlderFiles_data();
    void decodesUtf8AndOlderFiles();
    void failedWriteLeavesTheOldFile();
    void choosesTheDataFolder();
    void preparesANewDataFolderOnce();
    void waylandSessionsRunThroughXWayland_data();
    void waylandSessionsRunThroughXWayland();
};

void tst_Platform::decodesUtf8AndOlderFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf-8") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                         "e \xE2\x82\xAC \xE6\x88\x91")
                           << u"Grüße € 我"_qs;
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBFJa") << u"Ja"_qs;
    // Bytes that are not UTF-8 come from an older Windows installation.
    QTest::newRow("windows-1252") << QByteArray("Gr\xFC\xDF"
                                                "e \x80 \x93ok\x94")
                                  << u"Grüße € \u201Cok\u201D"_qs;
    QTest::newRow("nul byte") << QByteArray("a\0b", 3) << QString(u"a\0b"_qs);
}

void tst_Platform::decodesUtf8AndOlderFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextFile::decode(bytes), text);
    // Nothing typed is ever lost to a "?" on the way back.
    QCOMPARE(TextFile::decode(TextFile::encode(text)), text);
}

void tst_Platform::failedWriteLeavesTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"FileNames.txt"_qs);
    QVERIFY(TextFile::write(path, u"\"old\",#TRUE#\r\n"_qs));
    QCOMPARE(fileBytes(path), QByteArray("\"old\",#TRUE#\r\n"));

    // The disk fills up in the middle of the write (a file size limit stands in for it,
    // and holds for every user, root included): the old file stays whole.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = TextFile::write(path, QString(10000, QLatin1Char('x')));
    setrlimit(RLIMIT_FSIZE, &previous);
    QVERIFY(!written);
    QCOMPARE(fileBytes(path), QByteArray("\"old\",#TRUE#\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"FileNames.txt"_qs});
}

void tst_Platform::choosesTheDataFolder()
{
    QTemporaryDir program;
    const QString perUser = program.filePath(u"per-user"_qs);
    // No "plugins" beside the program: an installed copy keeps its data per user.
    QCOMPARE(DataFolder::choose({}, program.path(), perUser), perUser);
    // With "plugins" in a folder it may write, the copy is portable.
    QVERIFY(QDir(program.path()).mkdir(u"plugins"_qs));
    QCOMPARE(DataFolder::choose({}, program.path(), perUser), program.path());
    // The command line wins over both.
    QCOMPARE(DataFolder::choose(u"/given"_qs, program.path(), perUser), u"/given"_qs);
}

void tst_Platform::preparesANewDataFolderOnce()
{
    QTemporaryDir root;
    const QString samples = root.filePath(u"samples"_qs);
    writeFile(samples + u"/Confidence.txt"_qs, "\"I can\",#TRUE#\r\n");
    writeFile(samples + u"/FileNames.txt"_qs, "\"Confidence\",#TRUE#\r\n");

    const QString folder = root.filePath(u"data"_qs);
    const QString sample = folder + u"/plugins/Confidence.txt"_qs;
    QVERIFY(DataFolder::prepare(folder, samples));
    QCOMPARE(fileBytes(sample), QByteArray("\"I can\",#TRUE#\r\n"));
    QCOMPARE(fileBytes(folder + u"/FileNames.txt"_qs), QByteArray("\"Confidence\",#TRUE#\r\n"));
    QVERIFY(QFileInfo(sample).isWritable());

    // An existing folder is the user's: the samples never come back over their changes.
    QVERIFY(QFile::remove(sample));
    QVERIFY(DataFolder::prepare(folder, samples));
    QVERIFY(!QFile::exists(sample));
}

void tst_Platform::waylandSessionsRunThroughXWayland_data()
{
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("platform");

    using B = QByteArray;
    QTest::newRow("wayland with xwayland") << B("wayland-0") << B(":0") << B() << B() << B("xcb");
    QTest::newRow("wayland without xwayland") << B("wayland-0") << B() << B() << B() << B();
    QTest::newRow("user's variable")
        << B("wayland-0") << B(":0") << B("wayland") << B() << B("wayland");
    QTest::newRow("user's argument") << B("wayland-0") << B(":0") << B() << B("-platform") << B();
}

void tst_Platform::waylandSessionsRunThroughXWayland()
{
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, platform);

    const auto set = [](const char* name, const QByteArray& value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    set("WAYLAND_DISPLAY", wayland);
    set("DISPLAY", display);
    set("QT_QPA_PLATFORM", chosen);
    qunsetenv("XDG_SESSION_TYPE");
    QByteArray program = "program", next = "wayland";
    char* argv[] = {program.data(), argument.data(), next.data()};
    WindowSystem::preferX11(argument.isEmpty() ? 1 : 3, argv);
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), platform);
}

QTEST_GUILESS_MAIN(tst_Platform)
#include "tst_platform.moc"
