#include "RestrictedPath.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "platform/StartupEntry.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <cstring>

// The Linux entry: an XDG autostart desktop entry.
class tst_StartupEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestServices>(); }
    void cleanup() { m_test.reset(); }

    void entryStartsTheProgramFromItsFolder_data();
    void entryStartsTheProgramFromItsFolder();
    void presenceIsWhatCounts();
    void readOnlyFolderKeepsTheEntryAsItWas();

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
    QTest::newRow("spaces") << u"/home/jo/My Programs/Zorvan 1.50"_qs
                            << QByteArray(
                                   "\"/home/jo/My Programs/Zorvan 1.50/ZorvanTest\" /STARTUP");
    QTest::newRow("shell characters")
        << u"/home/jo/it's \"mine\" $HOME `id` (a)&b;c|d<e>~f*?#"_qs
        << QByteArray("\"/home/jo/it's \\\\\"mine\\\\\" \\\\$HOME \\\\`id\\\\` "
                      "(a)&b;c|d<e>~f*?#/ZorvanTest\" /STARTUP");
    QTest::newRow("one reserved character")
        << u"/home/jo/Jo's"_qs << QByteArray("\"/home/jo/Jo's/ZorvanTest\" /STARTUP");
    QTest::newRow("backslash") << u"/home/jo/a\\b"_qs
                               << QByteArray("\"/home/jo/a\\\\\\\\b/ZorvanTest\" /STARTUP");
    QTest::newRow("percent") << u"/home/jo/100%"_qs
                             << QByteArray("/home/jo/100%%/ZorvanTest /STARTUP");
}

void tst_StartupEntry::entryStartsTheProgramFromItsFolder()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, exec);
    QVERIFY(!entry().set(m_name, folder, true).has_value());
    QVERIFY(entry().isPresent(m_name));
    const QByteArray text = fileBytes(m_test->startupEntryFile());
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

void tst_StartupEntry::presenceIsWhatCounts()
{
    // What desktops write when the user switches an entry off in their own settings.
    writeFile(m_test->startupEntryFile(), "[Desktop Entry]\nExec=x\nHidden=true\n");
    QVERIFY(!entry().isPresent(m_name));
    writeFile(m_test->startupEntryFile(), "garbage\n");
    QVERIFY(entry().isPresent(m_name));
    QVERIFY(!entry().isPresent(u"ZorvanOther"_qs));

    // Removing is silent, also when there is nothing left to remove.
    QVERIFY(!entry().set(m_name, u"/opt/zorvan"_qs, false).has_value());
    QVERIFY(!QFile::exists(m_test->startupEntryFile()));
    QVERIFY(!entry().set(m_name, u"/opt/zorvan"_qs, false).has_value());
}

void tst_StartupEntry::readOnlyFolderKeepsTheEntryAsItWas()
{
    QVERIFY(!entry().set(m_name, u"/opt/zorvan"_qs, true).has_value());
    const QByteArray written = fileBytes(m_test->startupEntryFile());
    RestrictedPath guard(QFileInfo(m_test->startupEntryFile()).path(),
                         RestrictedPath::readOnlyFolder);
    if (!guard.holds())
        QSKIP("permission bits do not bind here");
    // An entry that already says what would be written needs no writing.
    QVERIFY(!entry().set(m_name, u"/opt/zorvan"_qs, true).has_value());
    // The message box says why, with the system's number and words for it.
    const auto failure = entry().set(m_name, u"/opt/moved"_qs, true);
    QVERIFY(failure && failure->step == StartupEntry::Failure::Step::Setting);
    QCOMPARE(failure->code, EACCES);
    QCOMPARE(failure->description, QString::fromLocal8Bit(std::strerror(EACCES)));
    QCOMPARE(fileBytes(m_test->startupEntryFile()), written);
}

QTEST_GUILESS_MAIN(tst_StartupEntry)
#include "tst_startupentry.moc"
