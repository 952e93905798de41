#include "RestrictedPath.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "platform/StartupEntry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <cstring>

using Step = StartupEntry::Failure::Step;

// The Linux entry: an XDG autostart desktop entry.
class tst_StartupEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestServices>(); }
    void cleanup() { m_test.reset(); }

    void entryStartsTheProgramFromItsFolder_data();
    void entryStartsTheProgramFromItsFolder();
    void presenceIsWhatCounts_data();
    void presenceIsWhatCounts();
    void placeWithoutAUsableConfigurationHome_data();
    void placeWithoutAUsableConfigurationHome();
    void unwritablePlaceIsReportedAndChangesNothing();

private:
    std::unique_ptr<TestServices> m_test;
    const QString m_name = QStringLiteral("ZorvanTest");

    StartupEntry& entry() { return *m_test->startup; }
};

void tst_StartupEntry::entryStartsTheProgramFromItsFolder_data()
{
    // A launcher first undoes the string escapes (\\ \t), then the quoting (\" \$ \` \\),
    // then reads %% as %.
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("exec");
    QTest::newRow("plain") << u"/opt/zorvan"_qs << QByteArray("/opt/zorvan/ZorvanTest /STARTUP");
    QTest::newRow("spaces") << u"/home/jo/My Programs/Zorvan 1.50"_qs
                            << QByteArray(
                                   "\"/home/jo/My Programs/Zorvan 1.50/ZorvanTest\" /STARTUP");
    QTest::newRow("shell characters")
        << u"/home/jo/it's \"mine\" $HOME `id` (a)&b;c|d<e>~f*?#"_qs
        << QByteArray("\"/home/jo/it's \\\\\"mine\\\\\" \\\\$HOME \\\\`id\\\\` "
                      "(a)&b;c|d<e>~f*?#/ZorvanTest\" /STARTUP");
    QTest::newRow("backslash") << u"/home/jo/a\\b"_qs
                               << QByteArray("\"/home/jo/a\\\\\\\\b/ZorvanTest\" /STARTUP");
    QTest::newRow("percent") << u"/home/jo/100%"_qs
                             << QByteArray("/home/jo/100%%/ZorvanTest /STARTUP");
    QTest::newRow("tab") << u"/home/jo/odd\tname"_qs
                         << QByteArray("\"/home/jo/odd\\tname/ZorvanTest\" /STARTUP");
    QTest::newRow("non-ASCII") << u"/home/jo/Grüße/程序"_qs
                               << QByteArray("/home/jo/Grüße/程序/ZorvanTest /STARTUP");
}

void tst_StartupEntry::entryStartsTheProgramFromItsFolder()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, exec);
    QVERIFY(!entry().isPresent(m_name));
    QVERIFY(!entry().set(m_name, folder, true).has_value());
    QVERIFY(entry().isPresent(m_name));

    const QByteArray text = fileBytes(m_test->startupEntryFile());
    QVERIFY2(text.startsWith("[Desktop Entry]\n"), text.constData());
    QVERIFY2(text.contains("\nType=Application\n"), text.constData());
    QVERIFY2(text.contains("\nExec=" + exec + "\n"), text.constData());
    QCOMPARE(QFile::permissions(m_test->startupEntryFile()) & QFile::WriteOther, 0);

    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_qs);
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (apt install desktop-file-utils)");
    QProcess validate;
    validate.start(validator, {m_test->startupEntryFile()});
    QVERIFY(validate.waitForFinished(10000));
    const QByteArray complaints =
        validate.readAllStandardOutput() + validate.readAllStandardError();
    QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());
}

void tst_StartupEntry::presenceIsWhatCounts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("present");
    QTest::newRow("any content") << QByteArray("garbage\n") << true;
    // What desktops write when the user switches an entry off in their own settings.
    QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nExec=x\nHidden=true\n") << false;
    QTest::newRow("switched off") << QByteArray(
                                         "[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n")
                                  << false;
    QTest::newRow("hidden elsewhere")
        << QByteArray("[Desktop Entry]\nExec=x\n[Desktop Action a]\nHidden=true\n") << true;
}

void tst_StartupEntry::presenceIsWhatCounts()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, present);
    writeFile(m_test->startupEntryFile(), text);
    QCOMPARE(entry().isPresent(m_name), present);
    QVERIFY(!entry().isPresent(u"ZorvanOther"_qs));

    // Removing is silent, also when there is nothing left to remove.
    QVERIFY(!entry().set(m_name, u"/opt/zorvan"_qs, false).has_value());
    QVERIFY(!QFile::exists(m_test->startupEntryFile()));
    QVERIFY(!entry().set(m_name, u"/opt/zorvan"_qs, false).has_value());
    QVERIFY(!entry().isPresent(m_name));
}

void tst_StartupEntry::placeWithoutAUsableConfigurationHome_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::newRow("unset") << QByteArray();
    // The base directory rules say a relative path is to be ignored.
    QTest::newRow("relative") << QByteArray("relative/config");
}

void tst_StartupEntry::placeWithoutAUsableConfigurationHome()
{
    QFETCH(QByteArray, configHome);
    QTemporaryDir home;
    const QByteArray homeBefore = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    if (configHome.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", configHome);

    const auto failure = entry().set(m_name, u"/opt/zorvan"_qs, true);
    const bool present = entry().isPresent(m_name);
    qputenv("HOME", homeBefore);
    QVERIFY(!failure.has_value());
    QVERIFY(present);
    QVERIFY(QFile::exists(home.filePath(u".config/autostart/ZorvanTest.desktop"_qs)));
}

void tst_StartupEntry::unwritablePlaceIsReportedAndChangesNothing()
{
    const QString folder = QFileInfo(m_test->startupEntryFile()).path();
    const auto failsWith = [this](Step step, int code) {
        const auto failure = entry().set(m_name, u"/opt/zorvan"_qs, true);
        QVERIFY(failure.has_value());
        QCOMPARE(failure->step, step);
        QCOMPARE(failure->code, code);
        QCOMPARE(failure->description, QString::fromLocal8Bit(std::strerror(code)));
    };
    // Root is not stopped by permission bits, but no one writes into a file.
    writeFile(folder, "not a folder");
    failsWith(Step::Opening, ENOTDIR);
    QCOMPARE(fileBytes(folder), QByteArray("not a folder"));
    QVERIFY(QFile::remove(folder));

    // A read-only folder keeps an older entry as it was, and with nothing else beside it;
    // an entry that already says what would be written needs no writing.
    const QByteArray older = "[Desktop Entry]\nExec=/old/ZorvanTest\n";
    writeFile(m_test->startupEntryFile(), older);
    {
        RestrictedPath guard(folder, RestrictedPath::readOnlyFolder);
        if (!guard.holds())
            QSKIP("permission bits do not bind here");
        failsWith(Step::Setting, EACCES);
    }
    QCOMPARE(fileBytes(m_test->startupEntryFile()), older);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"ZorvanTest.desktop"_qs});
    QVERIFY(!entry().set(m_name, u"/opt/zorvan"_qs, true).has_value());
    const QByteArray upToDate = fileBytes(m_test->startupEntryFile());
    RestrictedPath guard(folder, RestrictedPath::readOnlyFolder);
    QVERIFY(!entry().set(m_name, u"/opt/zorvan"_qs, true).has_value());
    QCOMPARE(fileBytes(m_test->startupEntryFile()), upToDate);
}

QTEST_GUILESS_MAIN(tst_StartupEntry)
#include "tst_startupentry.moc"
