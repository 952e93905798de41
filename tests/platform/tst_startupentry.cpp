#include "ReadOnlyFolder.h"
#include "TestServices.h"
#include "platform/StartupEntry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <cstring>

namespace {

using Step = StartupEntry::Failure::Step;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The value of a key of the [Desktop Entry] group, with the string escapes undone.
QString entryValue(const QByteArray& entry, const QByteArray& key)
{
    bool inGroup = false;
    for (const QByteArray& line : entry.split('\n')) {
        if (line.startsWith('['))
            inGroup = line == "[Desktop Entry]";
        else if (inGroup && line.startsWith(key + '=')) {
            const QString raw = QString::fromUtf8(line.mid(key.size() + 1));
            QString value;
            for (qsizetype i = 0; i < raw.size(); ++i) {
                if (raw[i] != u'\\' || i + 1 == raw.size()) {
                    value += raw[i];
                    continue;
                }
                const QChar next = raw[++i];
                value += next == u's'   ? QChar(u' ')
                         : next == u'n' ? QChar(u'\n')
                         : next == u't' ? QChar(u'\t')
                         : next == u'r' ? QChar(u'\r')
                                        : next;
            }
            return value;
        }
    }
    return {};
}

// How a launcher splits an Exec value into the program and its arguments.
QStringList execArguments(const QString& exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'\\' && i + 1 < exec.size())
                current += exec[++i];
            else if (c == u'"')
                quoted = false;
            else
                current += c;
        } else if (c == u' ') {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else if (c == u'"') {
            quoted = inArgument = true;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments << current;
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

} // namespace

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
    void placeFollowsTheConfigurationHome_data();
    void placeFollowsTheConfigurationHome();
    void unwritablePlaceIsReportedAndChangesNothing_data();
    void unwritablePlaceIsReportedAndChangesNothing();

private:
    std::unique_ptr<TestServices> m_test;
    const QString m_name = QStringLiteral("ZorvanTest");

    StartupEntry& entry() { return *m_test->startup; }
};

void tst_StartupEntry::entryStartsTheProgramFromItsFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain") << u"/opt/zorvan"_qs;
    QTest::newRow("spaces") << u"/home/jo/My Programs/Zorvan 1.50"_qs;
    QTest::newRow("shell characters") << u"/home/jo/it's \"mine\" $HOME `id` (a)&b;c|d<e>~f*?#"_qs;
    QTest::newRow("backslashes and percent") << u"/home/jo/a\\b\\\\c/100% %f"_qs;
    QTest::newRow("non-ASCII") << u"/home/jo/Grüße/程序"_qs;
    QTest::newRow("tab") << u"/home/jo/odd\tname"_qs;
}

void tst_StartupEntry::entryStartsTheProgramFromItsFolder()
{
    QFETCH(QString, folder);
    QVERIFY(!entry().isPresent(m_name));
    QCOMPARE(entry().set(m_name, folder, true).has_value(), false);
    QVERIFY(entry().isPresent(m_name));

    const QByteArray text = m_test->startupEntryText();
    QCOMPARE(entryValue(text, "Type"), u"Application"_qs);
    QCOMPARE(execArguments(entryValue(text, "Exec")),
             (QStringList{folder + u"/ZorvanTest"_qs, u"/STARTUP"_qs}));
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
    QTest::newRow("empty") << QByteArray() << true;
    // What desktops write when the user switches an entry off in their own settings.
    QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nExec=x\nHidden=true\n") << false;
    QTest::newRow("switched off") << QByteArray(
                                         "[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n")
                                  << false;
    QTest::newRow("not hidden") << QByteArray("[Desktop Entry]\nHidden=false\n") << true;
    QTest::newRow("hidden elsewhere")
        << QByteArray("[Desktop Entry]\nExec=x\n[Desktop Action a]\nHidden=true\n") << true;
}

void tst_StartupEntry::presenceIsWhatCounts()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, present);
    put(m_test->startupEntryFile(), text);
    QCOMPARE(entry().isPresent(m_name), present);
    QVERIFY(!entry().isPresent(u"ZorvanOther"_qs));

    // Removing is silent, also when there is nothing left to remove.
    QCOMPARE(entry().set(m_name, u"/opt/zorvan"_qs, false).has_value(), false);
    QVERIFY(!QFile::exists(m_test->startupEntryFile()));
    QCOMPARE(entry().set(m_name, u"/opt/zorvan"_qs, false).has_value(), false);
    QVERIFY(!entry().isPresent(m_name));
}

void tst_StartupEntry::placeFollowsTheConfigurationHome_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("expected"); // relative to the temporary root
    QTest::newRow("set") << QByteArray("<root>/elsewhere") << u"elsewhere/autostart"_qs;
    QTest::newRow("unset") << QByteArray() << u"home/.config/autostart"_qs;
    // The base directory rules say a relative path is to be ignored.
    QTest::newRow("relative") << QByteArray("relative/config") << u"home/.config/autostart"_qs;
}

void tst_StartupEntry::placeFollowsTheConfigurationHome()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QString, expected);
    QTemporaryDir root;
    const QByteArray homeBefore = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(root.filePath(u"home"_qs)));
    if (configHome.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", configHome.replace("<root>", QFile::encodeName(root.path())));

    const auto failure = entry().set(m_name, u"/opt/zorvan"_qs, true);
    const bool present = entry().isPresent(m_name);
    qputenv("HOME", homeBefore);
    QCOMPARE(failure.has_value(), false);
    QVERIFY(present);
    QVERIFY(QFile::exists(root.filePath(expected + u"/ZorvanTest.desktop"_qs)));
}

void tst_StartupEntry::unwritablePlaceIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("readOnly"); // relative to the configuration home
    QTest::addColumn<QString>("fileInTheWay");
    QTest::addColumn<QByteArray>("oldEntry");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("code");

    QTest::newRow("read-only folder")
        << u"autostart"_qs << QString() << QByteArray() << true << Step::Setting << EACCES;
    QTest::newRow("read-only folder, older entry")
        << u"autostart"_qs << QString() << QByteArray("[Desktop Entry]\nExec=/old/ZorvanTest\n")
        << true << Step::Setting << EACCES;
    QTest::newRow("read-only configuration home")
        << u"."_qs << QString() << QByteArray() << true << Step::Opening << EACCES;
    // An entry that already says what would be written needs no writing.
    QTest::newRow("read-only folder, entry up to date")
        << u"autostart"_qs << QString() << QByteArray("<up to date>") << false << Step::Setting
        << 0;
    // Root is not stopped by permission bits, but no one writes into a file.
    QTest::newRow("a file in place of the folder")
        << QString() << u"autostart"_qs << QByteArray() << true << Step::Opening << ENOTDIR;
}

void tst_StartupEntry::unwritablePlaceIsReportedAndChangesNothing()
{
    QFETCH(QString, readOnly);
    QFETCH(QString, fileInTheWay);
    QFETCH(QByteArray, oldEntry);
    QFETCH(bool, fails);
    QFETCH(Step, step);
    QFETCH(int, code);

    const QString configHome = QFileInfo(QFileInfo(m_test->startupEntryFile()).path()).path();
    QDir().mkpath(configHome);
    if (oldEntry == "<up to date>") {
        QCOMPARE(entry().set(m_name, u"/opt/zorvan"_qs, true).has_value(), false);
        oldEntry = m_test->startupEntryText();
    } else if (!oldEntry.isEmpty()) {
        put(m_test->startupEntryFile(), oldEntry);
    }
    if (!fileInTheWay.isEmpty())
        put(configHome + u'/' + fileInTheWay, "not a folder");
    std::unique_ptr<ReadOnlyFolder> guard;
    if (!readOnly.isEmpty()) {
        QDir().mkpath(configHome + u'/' + readOnly);
        guard = std::make_unique<ReadOnlyFolder>(configHome + u'/' + readOnly);
        if (!guard->holds())
            QSKIP("permission bits do not bind here");
    }

    const auto failure = entry().set(m_name, u"/opt/zorvan"_qs, true);
    const QStringList left =
        QDir(QFileInfo(m_test->startupEntryFile()).path()).entryList(QDir::Files | QDir::Hidden);
    guard.reset();

    QCOMPARE(failure.has_value(), fails);
    if (fails) {
        QCOMPARE(failure->step, step);
        QCOMPARE(failure->code, code);
        QCOMPARE(failure->description, QString::fromLocal8Bit(std::strerror(code)));
    }
    QCOMPARE(contents(m_test->startupEntryFile()),
             oldEntry.isEmpty() ? QByteArray("<missing>") : oldEntry);
    QCOMPARE(left, oldEntry.isEmpty() ? QStringList() : QStringList{u"ZorvanTest.desktop"_qs});
}

QTEST_GUILESS_MAIN(tst_StartupEntry)
#include "tst_startupentry.moc"
