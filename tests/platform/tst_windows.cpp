#include "TestFiles.h"
#include "TestServices.h"
#include "platform/SettingsArea.h"
#include "platform/StartupEntry.h"
#include "platform/TerminationWatcher.h"
#include "platform/TextFile.h"
#include "settings/SettingsPage.h"
#include "settings/SettingsStore.h"
#include "settings/StartupOptions.h"

#include <QAbstractEventDispatcher>
#include <QProcess>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <aclapi.h>
#include <qt_windows.h>
#include <sddl.h>

// What the program leaves in the registry and in its files, read back with the system's
// own calls and tools (under Wine, Wine's registry and file system).
class tst_Windows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void settingsAreTextValuesUnderTheExecutablesName();
    void valuesAddedByHandAreReadAsTheStoreReadsThem();
    void runEntryStartsTheProgramFromItsFolder();
    void runEntryFailuresCarryTheSystemsCodeAndText();
    void filesKeepTheAnsiCodePageWhereTheTextFits_data();
    void filesKeepTheAnsiCodePageWhereTheTextFits();
    void endOfTheSessionClosesTheProgramOnce();

private:
    // A name of this run's own, so that tests running side by side never meet.
    QString m_name;
};

namespace {

const wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct RegistryValue {
    DWORD type = REG_NONE;
    QByteArray data;
};

std::optional<RegistryValue> registryValue(const QString& key, const QString& name)
{
    RegistryValue value;
    DWORD size = 0;
    const std::wstring wideKey = key.toStdWString();
    const std::wstring wideName = name.toStdWString();
    if (RegGetValueW(HKEY_CURRENT_USER, wideKey.c_str(), wideName.c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegGetValueW(HKEY_CURRENT_USER, wideKey.c_str(), wideName.c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &value.type, value.data.data(),
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

// The text of a REG_SZ value whose data ends in one NUL that the size counts.
QString stringValue(const RegistryValue& value)
{
    if (value.type != REG_SZ || value.data.size() < 2 || !value.data.endsWith(QByteArray(2, 0)))
        return u"<not a terminated REG_SZ>"_qs;
    return QString::fromWCharArray(reinterpret_cast<const wchar_t*>(value.data.constData()),
                                   value.data.size() / 2 - 1);
}

// Runs reg.exe, the system's own registry tool.
void reg(const QStringList& arguments)
{
    QProcess tool;
    tool.start(u"reg"_qs, arguments);
    QVERIFY2(tool.waitForFinished(30000), qPrintable(tool.errorString()));
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
}

// Takes the right to write to the Run key away from everyone while it lives.
class RunKeyDenied {
public:
    RunKeyDenied()
    {
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, runKey, 0, READ_CONTROL | WRITE_DAC, &m_key) !=
                ERROR_SUCCESS ||
            RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, nullptr, &m_size) !=
                ERROR_INSUFFICIENT_BUFFER)
            return;
        m_saved.resize(m_size);
        if (RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_saved.data(), &m_size) !=
                ERROR_SUCCESS ||
            !ConvertStringSecurityDescriptorToSecurityDescriptorW(
                L"D:(A;;KR;;;WD)", SDDL_REVISION_1, &readOnly, nullptr))
            return;
        m_holds = RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, readOnly) == ERROR_SUCCESS;
        LocalFree(readOnly);
    }
    ~RunKeyDenied()
    {
        if (m_holds)
            RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_saved.data());
        if (m_key)
            RegCloseKey(m_key);
    }
    bool holds() const { return m_holds; }

private:
    HKEY m_key = nullptr;
    DWORD m_size = 0;
    QByteArray m_saved;
    bool m_holds = false;
};

} // namespace

void tst_Windows::init()
{
    m_name = u"ZorvanWindowsTest"_qs + QString::number(QRandomGenerator::global()->generate());
}

void tst_Windows::cleanup()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, (u"Software\\"_qs + m_name).toStdWString().c_str());
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, runKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, m_name.toStdWString().c_str());
        RegCloseKey(key);
    }
}

void tst_Windows::settingsAreTextValuesUnderTheExecutablesName()
{
    const DisplaySettings settings{.autoDisplay = true,
                                   .intervalPosition = 24,
                                   .durationPosition = 0,
                                   .messageOrder = 1,
                                   .location = 1,
                                   .fontColor = 255,
                                   .font = {.name = u"Comic Sans MS"_qs,
                                            .size = 10.5,
                                            .bold = true,
                                            .italic = false,
                                            .strikethrough = true,
                                            .underline = false},
                                   .runAtSysTray = true};
    const auto area = SettingsArea::forApplication(m_name);
    SettingsStore::save(*area, settings);

    const QString section = u"Software\\"_qs + m_name + u"\\Settings"_qs;
    QStringList stored;
    for (const QString& key : SettingsStore::keys()) {
        const auto value = registryValue(section, key);
        stored << key + u'=' + (value ? stringValue(*value) : u"<absent>"_qs);
    }
    QCOMPARE(stored,
             (QStringList{u"AutoDisplay=True"_qs, u"DispInterval=24"_qs, u"DispDuration=0"_qs,
                          u"RandomMessage=1"_qs, u"RandomLocation=1"_qs, u"FontColor=255"_qs,
                          u"FontName=Comic Sans MS"_qs, u"FontBold=True"_qs, u"FontItalic=False"_qs,
                          u"FontSize=10.5"_qs, u"Strikethrough=True"_qs, u"Underline=False"_qs,
                          u"RunAtSysTray=True"_qs}));

    // Another executable name is another set of settings.
    DisplaySettings other;
    SettingsStore::load(*SettingsArea::forApplication(m_name + u"Renamed"_qs), other);
    QCOMPARE(other, DisplaySettings());
}

void tst_Windows::valuesAddedByHandAreReadAsTheStoreReadsThem()
{
    const QString section = u"HKCU\\Software\\"_qs + m_name + u"\\Settings"_qs;
    const QList<QStringList> values{
        {u"DispInterval"_qs, u"REG_SZ"_qs, u"0"_qs},
        {u"DispDuration"_qs, u"REG_SZ"_qs, u"8"_qs}, // past the list: the default stays
        {u"FontBold"_qs, u"REG_SZ"_qs, u"1"_qs},
        {u"FontItalic"_qs, u"REG_DWORD"_qs, u"1"_qs}, // a number, as a hand may enter it
        {u"Underline"_qs, u"REG_SZ"_qs, u"maybe"_qs}, // unreadable: the value stays
        {u"FontName"_qs, u"REG_SZ"_qs, u"Courier New"_qs},
        {u"FontColor"_qs, u"REG_SZ"_qs, u"-16777216"_qs},
    };
    for (const QStringList& value : values)
        reg({u"add"_qs, section, u"/v"_qs, value[0], u"/t"_qs, value[1], u"/d"_qs, value[2],
             u"/f"_qs});

    DisplaySettings settings;
    settings.font.underline = true;
    SettingsStore::load(*SettingsArea::forApplication(m_name), settings);
    QCOMPARE(settings.intervalPosition, 0);
    QCOMPARE(settings.durationPosition, 8); // the page refuses it when it applies it
    QVERIFY(settings.font.bold);
    QVERIFY(settings.font.italic);
    QVERIFY(settings.font.underline);
    QCOMPARE(settings.font.name, u"Courier New"_qs);
    QCOMPARE(settings.fontColor, qint32(-16777216));
    QCOMPARE(settings.autoDisplay, false); // absent: the default
}

void tst_Windows::runEntryStartsTheProgramFromItsFolder()
{
    const auto entry = StartupEntry::forUser();
    QVERIFY(!entry->isPresent(m_name));

    // Quoted, so that the folder's spaces do not split the command; the program at the
    // root of a drive gets the doubled backslash of the joined parts.
    const QList<std::pair<QString, QString>> folders{
        {u"C:/Program Files/Zorvan 1.50"_qs, u"C:\\Program Files\\Zorvan 1.50\\"_qs},
        {u"D:/"_qs, u"D:\\\\"_qs}};
    for (const auto& [folder, written] : folders) {
        QVERIFY(!entry->set(m_name, folder, true).has_value());
        const auto value = registryValue(QString::fromWCharArray(runKey), m_name);
        QVERIFY(value);
        QCOMPARE(stringValue(*value), u'"' + written + m_name + u".exe\" /STARTUP"_qs);
        QVERIFY(entry->isPresent(m_name));
    }

    // "Don't run" removes the value; removing what is not there is no failure.
    QVERIFY(!entry->set(m_name, u"C:/Zorvan"_qs, false).has_value());
    QVERIFY(!registryValue(QString::fromWCharArray(runKey), m_name));
    QVERIFY(!entry->isPresent(m_name));
    QVERIFY(!entry->set(m_name, u"C:/Zorvan"_qs, false).has_value());
}

void tst_Windows::runEntryFailuresCarryTheSystemsCodeAndText()
{
    TestServices test;
    const auto refusal = [&test](const Services& services) {
        SettingsPage page;
        StartupOptions options(page, services);
        page.runButton()->click();
        const bool refused = page.dontRunButton()->isChecked() && !test.startupCommand();
        return refused && test.prompter.asked.size() == 1 ? test.prompter.asked.takeFirst().text
                                                          : u"<not refused>"_qs;
    };

    // A value name longer than the registry takes is refused when the value is written.
    Services tooLong = test.services();
    tooLong.applicationName = QString(20000, u'x');
    const QString setting = refusal(tooLong);
    QVERIFY2(setting.startsWith(u"Error 87 setting key\n"_qs) &&
                 setting.contains(u"parameter"_qs, Qt::CaseInsensitive),
             qPrintable(setting));

    // A key the user may not write to is refused when it is opened.
    RunKeyDenied denied;
    QVERIFY(denied.holds());
    const QString opening = refusal(test.services());
    QVERIFY2(opening.startsWith(u"Error 5 opening key\n"_qs) &&
                 opening.contains(u"denied"_qs, Qt::CaseInsensitive),
             qPrintable(opening));
}

void tst_Windows::filesKeepTheAnsiCodePageWhereTheTextFits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("windows-1252") << u"\"Grüße € \u201Cok\u201D\",#TRUE#\r\n"_qs
                                  << QByteArray("\"Gr\xFC\xDF"
                                                "e \x80 \x93ok\x94\",#TRUE#\r\n");
    QTest::newRow("beyond it") << u"\"Grüße 我\",#TRUE#\r\n"_qs
                               << bom + QByteArray("\"Gr\xC3\xBC\xC3\x9F"
                                                   "e \xE6\x88\x91\",#TRUE#\r\n");
    // These bytes in the ANSI code page would read back as UTF-8 ("é"), so the text goes
    // as marked UTF-8 although it fits.
    QTest::newRow("reads as utf-8")
        << u"\"Ã©\",#TRUE#\r\n"_qs << bom + QByteArray("\"\xC3\x83\xC2\xA9\",#TRUE#\r\n");
}

void tst_Windows::filesKeepTheAnsiCodePageWhereTheTextFits()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(GetACP(), UINT(1252)); // the code page the rows are written for

    QTemporaryDir folder;
    const QString path = folder.filePath(u"Calm.txt"_qs);
    QVERIFY(TextFile::write(path, text));
    QCOMPARE(fileBytes(path), bytes);
    QCOMPARE(TextFile::read(path), std::optional<QString>(text));
}

void tst_Windows::endOfTheSessionClosesTheProgramOnce()
{
    // As the window procedure of each top-level window hands the message on.
    const auto deliver = [](WPARAM endsSession) {
        MSG message{};
        message.message = WM_ENDSESSION;
        message.wParam = endsSession;
        qintptr result = 0;
        QAbstractEventDispatcher::instance()->filterNativeEvent("windows_generic_MSG", &message,
                                                                &result);
    };
    TerminationWatcher watcher;
    QSignalSpy requests(&watcher, &TerminationWatcher::terminationRequested);
    deliver(FALSE); // a shut-down that was called off
    QCOMPARE(requests.size(), 0);
    deliver(TRUE);
    deliver(TRUE);
    QCOMPARE(requests.size(), 1);
}

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
