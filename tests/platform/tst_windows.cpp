// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemActions.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "platform/ReservedNames.h"
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
#include <qt_windows.h>

namespace {

const QString runKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run"_qs;

// The text of a REG_SZ value under HKEY_CURRENT_USER, with the one NUL its size counts;
// nothing when there is no such value.
std::optional<QString> stringValue(const QString& key, const QString& name)
{
    wchar_t text[2048];
    DWORD type = REG_NONE;
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, key.toStdWString().c_str(), name.toStdWString().c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &type, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    const qsizetype length = size / sizeof(wchar_t) - 1;
    if (type != REG_SZ || length < 0 || text[length] != L'\0')
        return u"<not a REG_SZ that ends with its NUL>"_qs;
    return QString::fromWCharArray(text, length);
}

} // namespace

// What the program leaves in the registry and in its files, read back with the system's
// own calls and tools (under Wine, Wine's registry and file system).
class tst_Windows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_name = u"ZorvanWindowsTest"_qs + QString::number(QRandomGenerator::global()->generate());
    }

    void cleanup()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, (u"Software\\"_qs + m_name).toStdWString().c_str());
        StartupEntry::forUser()->set(m_name, {}, false);
    }

    void settingsAreTextValuesUnderTheExecutablesName()
    {
        const DisplaySettings settings{.autoDisplay = true,
                                       .intervalPosition = 24,
                                       .messageOrder = 1,
                                       .fontColor = 255,
                                       .font = {.name = u"Comic Sans MS"_qs, .size = 10.5},
                                       .runAtSysTray = true};
        SettingsStore::save(*SettingsArea::forApplication(m_name), settings);
        // Each key a REG_SZ value with the text a settings file holds (tst_app reads those back).
        const QString section = u"Software\\"_qs + m_name + u"\\Settings"_qs;
        QTemporaryDir folder;
        const auto file = SettingsArea::inFile(folder.filePath(u"settings.ini"_qs));
        SettingsStore::save(*file, settings);
        for (const QString& key : SettingsStore::keys())
            QCOMPARE(stringValue(section, key), file->value(key));

        // What a hand enters with the system's registry tool, a number too, is read as the
        // store reads text; another executable name is another set of settings.
        for (const QStringList& value : {QStringList{u"FontBold"_qs, u"REG_SZ"_qs, u"1"_qs},
                                         {u"FontItalic"_qs, u"REG_DWORD"_qs, u"1"_qs},
                                         {u"AutoDisplay"_qs, u"REG_SZ"_qs, u"maybe"_qs}}) {
            QProcess reg;
            reg.start(u"reg"_qs, {u"add"_qs, u"HKCU\\"_qs + section, u"/v"_qs, value[0], u"/t"_qs,
                                  value[1], u"/d"_qs, value[2], u"/f"_qs});
            QVERIFY(reg.waitForFinished(30000) && reg.exitCode() == 0);
        }
        DisplaySettings loaded;
        SettingsStore::load(*SettingsArea::forApplication(m_name), loaded);
        QVERIFY(loaded.font.bold && loaded.font.italic);
        QCOMPARE(loaded.autoDisplay, false); // unreadable: left as it was
        QCOMPARE(loaded.intervalPosition, 24);
        DisplaySettings renamed;
        SettingsStore::load(*SettingsArea::forApplication(m_name + u"Renamed"_qs), renamed);
        QCOMPARE(renamed, DisplaySettings());
    }

    void runEntryStartsTheProgramFromItsFolder()
    {
        const auto entry = StartupEntry::forUser();
        QVERIFY(!entry->isPresent(m_name));

        // Quoted, so that the folder's spaces do not split the command; the program at the
        // root of a drive gets the doubled backslash of the joined parts.
        for (const auto& [folder, written] :
             {std::pair{u"C:/Program Files/Zorvan 1.50"_qs, u"C:\\Program Files\\Zorvan 1.50\\"_qs},
              std::pair{u"D:/"_qs, u"D:\\\\"_qs}}) {
            QVERIFY(!entry->set(m_name, folder, true).has_value());
            QCOMPARE(stringValue(runKey, m_name), u'"' + written + m_name + u".exe\" /STARTUP"_qs);
            QVERIFY(entry->isPresent(m_name));
        }

        // "Don't run" removes the value (tst_app sees it gone); removing what is not there is no
        // failure.
        QVERIFY(!entry->set(m_name, u"C:/Zorvan"_qs, false).has_value());
        QVERIFY(!entry->set(m_name, u"C:/Zorvan"_qs, false).has_value());
    }

    void runEntryRefusalsCarryTheSystemsCodeAndText()
    {
        TestServices test;
        // The box the settings page shows when "Run at start-up" is refused.
        const auto refusal = [&test](const Services& services) {
            ScriptedDialogs dialogs;
            SettingsPage page(dialogs);
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
        std::shared_ptr<void> locked = test.lockStartupEntry();
        QVERIFY(locked);
        const QString opening = refusal(test.services());
        locked.reset();
        QVERIFY2(opening.startsWith(u"Error 5 opening key\n"_qs) &&
                     opening.contains(u"denied"_qs, Qt::CaseInsensitive),
                 qPrintable(opening));
    }

    void filesKeepTheAnsiCodePageWhereTheTextFits_data()
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

    void filesKeepTheAnsiCodePageWhereTheTextFits()
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

    void endOfTheSessionClosesTheProgramOnce()
    {
        TerminationWatcher watcher;
        QSignalSpy requests(&watcher, &TerminationWatcher::terminationRequested);
        // A shut-down that was called off, as the window procedure hands the message on.
        MSG calledOff{.message = WM_ENDSESSION, .wParam = FALSE};
        qintptr result = 0;
        QAbstractEventDispatcher::instance()->filterNativeEvent("windows_generic_MSG", &calledOff,
                                                                &result);
        QCOMPARE(requests.size(), 0);
        SystemActions::requestEnd();
        SystemActions::requestEnd();
        QCOMPARE(requests.size(), 1);
    }

    void deviceNamesAreTheSystems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("device");
        QTest::newRow("bare") << u"nul"_qs << true;
        QTest::newRow("with an extension") << u"Con.txt.bak"_qs << true;
        QTest::newRow("spaces before the dot") << u"AUX  .txt"_qs << true;
        QTest::newRow("port") << u"lpt9.log"_qs << true;
        QTest::newRow("space before") << u" NUL"_qs << false;
        QTest::newRow("longer") << u"Console"_qs << false;
        QTest::newRow("port without number") << u"COM.txt"_qs << false;
    }

    void deviceNamesAreTheSystems()
    {
        // As the system reads a path that ends in the name: a device's path leaves the folder.
        QFETCH(QString, name);
        QFETCH(bool, device);
        QCOMPARE(ReservedNames::isDeviceName(name), device);
        wchar_t full[MAX_PATH];
        const std::wstring path = (u"C:\\folder\\"_qs + name).toStdWString();
        QVERIFY(GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr) > 0);
        QCOMPARE(QString::fromWCharArray(full).startsWith(u"\\\\.\\"_qs), device);
    }

private:
    // A name of this run's own, so that tests running side by side never meet.
    QString m_name;
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
