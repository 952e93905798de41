// SPDX-License-Identifier: GPL-3.0-or-later
#include "RestrictedPath.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "platform/DataFolder.h"
#include "platform/StartupEntry.h"
#include "platform/TextFile.h"
#include "platform/WindowSystem.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {
const QString name = QStringLiteral("ZorvanTest");
} // namespace

class tst_Platform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesUtf8AndOlderFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf-8") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                             "e \xE2\x82\xAC \xE6\x88\x91")
                               << u"Grüße € 我"_qs;
        // Bytes that are not UTF-8 come from an older Windows installation.
        QTest::newRow("windows-1252") << QByteArray("Gr\xFC\xDF"
                                                    "e \x80 \x93ok\x94")
                                      << u"Grüße € \u201Cok\u201D"_qs;
        // One line that is not UTF-8 changes nothing in the others; a sequence cut short at
        // the end is not lost.
        QTest::newRow("mixed") << QByteArray("Caf\xC3\xA9\r\n\xFF\xFE\r\nna\xC3\xAFve\n\xC3")
                               << u"Café\r\nÿþ\r\nnaïve\nÃ"_qs;
        // (UTF-8's byte-order mark, and UTF-16's with the little end first: tst_library.)
        QTest::newRow("utf-16, big end first")
            << QByteArray("\xFE\xFF\0G\0r\0\xFC\0\xDF", 10) << u"Grüß"_qs;
    }

    void decodesUtf8AndOlderFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextFile::decode(bytes), text);
        // Nothing typed is ever lost to a "?" on the way back.
        QCOMPARE(TextFile::decode(TextFile::encode(text)), text);
    }

    void failedWriteLeavesTheOldFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"FileNames.txt"_qs);
        QVERIFY(TextFile::write(path, u"\"old\",#TRUE#\r\n"_qs));

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

    void dataFolderIsChosenAndSeededOnce()
    {
        QTemporaryDir program;
        const QString perUser = program.filePath(u"per-user"_qs);
        // No "plugins" beside the program: an installed copy keeps its data per user.
        QCOMPARE(DataFolder::choose({}, program.path(), perUser), perUser);
        QCOMPARE(DataFolder::choose(u"/given"_qs, program.path(), perUser), u"/given"_qs);

        // An existing folder is the user's: the samples never come back over their changes.
        const QString samples = program.filePath(u"samples"_qs);
        writeFile(samples + u"/Confidence.txt"_qs, "\"I can\",#TRUE#\r\n");
        const QString sample = perUser + u"/plugins/Confidence.txt"_qs;
        QVERIFY(DataFolder::prepare(perUser, samples));
        QCOMPARE(fileBytes(sample), QByteArray("\"I can\",#TRUE#\r\n"));
        QVERIFY(QFileInfo(sample).isWritable());
        QVERIFY(QFile::remove(sample));
        QVERIFY(DataFolder::prepare(perUser, samples));
        QVERIFY(!QFile::exists(sample));

        // With "plugins" in a folder it may write, the copy is portable.
        QVERIFY(QDir(program.path()).mkdir(u"plugins"_qs));
        QCOMPARE(DataFolder::choose({}, program.path(), perUser), program.path());
        RestrictedPath guard(program.path(), RestrictedPath::readOnlyFolder);
        if (guard.holds())
            QCOMPARE(DataFolder::choose({}, program.path(), perUser), perUser);
    }

    void waylandSessionsRunThroughXWayland()
    {
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        qputenv("DISPLAY", ":0");
        qunsetenv("XDG_SESSION_TYPE");
        qunsetenv("QT_QPA_PLATFORM");
        QByteArray program = "program";
        char* argv[] = {program.data()};
        WindowSystem::preferX11(1, argv);
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb"));
        // The user's own choice stands.
        qputenv("QT_QPA_PLATFORM", "wayland");
        WindowSystem::preferX11(1, argv);
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("wayland"));
    }
    // The Linux entry that starts the program with the session: an XDG autostart entry.
    void entryStartsTheProgramFromItsFolder_data()
    {
        // A launcher first undoes the string escapes (\\ \t), then the quoting (\" \$ \` \\),
        // then reads %% as %.
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("exec");
        QTest::newRow("spaces") << u"/home/jo/My Programs/Zorvan 1.50"_qs
                                << QByteArray(
                                       "\"/home/jo/My Programs/Zorvan 1.50/ZorvanTest\" /STARTUP");
        QTest::newRow("shell characters")
            << u"/home/jo/it's \"mine\" $HOME `id` (a)&b;c|d<e>~f*?#"_qs
            << QByteArray("\"/home/jo/it's \\\\\"mine\\\\\" \\\\$HOME \\\\`id\\\\` "
                          "(a)&b;c|d<e>~f*?#/ZorvanTest\" /STARTUP");
        QTest::newRow("one reserved character")
            << u"/home/jo/Jo's"_qs << QByteArray("\"/home/jo/Jo's/ZorvanTest\" /STARTUP");
        QTest::newRow("backslash")
            << u"/home/jo/a\\b"_qs << QByteArray("\"/home/jo/a\\\\\\\\b/ZorvanTest\" /STARTUP");
        QTest::newRow("percent") << u"/home/jo/100%"_qs
                                 << QByteArray("/home/jo/100%%/ZorvanTest /STARTUP");
    }

    void entryStartsTheProgramFromItsFolder()
    {
        TestServices test;
        QFETCH(QString, folder);
        QFETCH(QByteArray, exec);
        QVERIFY(!test.startup->set(name, folder, true).has_value());
        QVERIFY(test.startup->isPresent(name));
        const QByteArray text = fileBytes(test.startupEntryFile());
        QVERIFY2(text.contains("\nExec=" + exec + "\n"), text.constData());
        QCOMPARE(QFile::permissions(test.startupEntryFile()) & QFile::WriteOther, 0);

        const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_qs);
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (apt install desktop-file-utils)");
        QProcess validate;
        validate.start(validator, {test.startupEntryFile()});
        QVERIFY(validate.waitForFinished(10000));
        const QByteArray complaints =
            validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());
    }

    void presenceAndAFolderThatCannotBeWritten()
    {
        TestServices test;
        // What desktops write when the user switches an entry off in their own settings.
        writeFile(test.startupEntryFile(), "[Desktop Entry]\nExec=x\nHidden=true\n");
        QVERIFY(!test.startup->isPresent(name));
        writeFile(test.startupEntryFile(), "garbage\n");
        QVERIFY(test.startup->isPresent(name));
        QVERIFY(!test.startup->isPresent(u"ZorvanOther"_qs));

        // Removing is silent, also when there is nothing left to remove.
        QVERIFY(!test.startup->set(name, u"/opt/zorvan"_qs, false).has_value());
        QVERIFY(!QFile::exists(test.startupEntryFile()));
        QVERIFY(!test.startup->set(name, u"/opt/zorvan"_qs, false).has_value());

        // In a folder that cannot be written, the entry stays as it was.
        QVERIFY(!test.startup->set(name, u"/opt/zorvan"_qs, true).has_value());
        const QByteArray written = fileBytes(test.startupEntryFile());
        RestrictedPath guard(QFileInfo(test.startupEntryFile()).path(),
                             RestrictedPath::readOnlyFolder);
        if (!guard.holds())
            QSKIP("permission bits do not bind here");
        // An entry that already says what would be written needs no writing.
        QVERIFY(!test.startup->set(name, u"/opt/zorvan"_qs, true).has_value());
        // The message box says why, with the system's number and words for it.
        const auto failure = test.startup->set(name, u"/opt/moved"_qs, true);
        QVERIFY(failure && failure->step == StartupEntry::Failure::Step::Setting);
        QCOMPARE(failure->code, EACCES);
        QCOMPARE(failure->description, QString::fromLocal8Bit(std::strerror(EACCES)));
        QCOMPARE(fileBytes(test.startupEntryFile()), written);
    }
};

QTEST_GUILESS_MAIN(tst_Platform)
#include "tst_platform.moc"
