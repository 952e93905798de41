// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "TestServices.h"
#include "platform/WebLinks.h"
#include "settings/SettingText.h"
#include "settings/SettingsStore.h"
#include "settings/UpdateReminder.h"
#include "settings/modHelp.h"

#include <QDir>
#include <QLocale>
#include <QTest>

class tst_SettingsStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nothingStoredLoadsTheDefaults()
    {
        // tst_app saves every key and reads it back through the page.
        TestServices test;
        DisplaySettings settings{.intervalPosition = 7,
                                 .font = {.name = u"Arial"_qs, .bold = true}};
        SettingsStore::load(*test.settings, settings);
        QCOMPARE(settings, DisplaySettings());
    }

    void storedTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("expected");

        // The values before the load differ from every default, so "left as it was" shows.
        QTest::newRow("bold as number") << u"FontBold"_qs << u"1"_qs << QVariant(true);
        QTest::newRow("bold any case") << u"FontBold"_qs << u"fALSE"_qs << QVariant(false);
        QTest::newRow("bold empty") << u"FontBold"_qs << QString() << QVariant(true);
        QTest::newRow("interval decimal") << u"DispInterval"_qs << u"2.5"_qs << QVariant(2);
        QTest::newRow("interval word") << u"DispInterval"_qs << u"five"_qs << QVariant(9);
        QTest::newRow("interval huge") << u"DispInterval"_qs << u"99999999999"_qs << QVariant(9);
        QTest::newRow("name empty") << u"FontName"_qs << QString() << QVariant(u"Arial"_qs);
        QTest::newRow("size negative") << u"FontSize"_qs << u"-8"_qs << QVariant(12.0);
        QTest::newRow("size enormous") << u"FontSize"_qs << u"100000"_qs << QVariant(12.0);
        QTest::newRow("size nan") << u"FontSize"_qs << u"nan"_qs << QVariant(12.0);
    }

    void storedTexts()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        TestServices test;
        test.settings->setValue(key, text);
        DisplaySettings settings{.intervalPosition = 9,
                                 .font = {.name = u"Arial"_qs, .size = 12, .bold = true}};
        SettingsStore::load(*test.settings, settings);
        const QHash<QString, QVariant> actual = {
            {u"FontBold"_qs, settings.font.bold},
            {u"DispInterval"_qs, settings.intervalPosition},
            {u"FontName"_qs, settings.font.name},
            {u"FontSize"_qs, settings.font.size},
        };
        QTEST(actual.value(key), "expected");
    }

    void fontSizeFollowsTheUserNumberFormat()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(SettingText::fromNumber(10.5), u"10,5"_qs);
        QCOMPARE(SettingText::toNumber(u"10,5"_qs), std::optional<double>(10.5));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(SettingText::fromNumber(10.5), u"10.5"_qs);
        QLocale::setDefault(previous);
    }

    void updateReminder_data()
    {
        QTest::addColumn<QString>("stored"); // empty: never reminded
        QTest::addColumn<bool>("answer");    // Yes or No, when asked
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("rewrites");

        QTest::newRow("first start") << QString() << false << false << true;
        QTest::newRow("14 days ago") << u"2026-02-17T23:59:00"_qs << false << false << false;
        QTest::newRow("15 days ago, Yes") << u"2026-02-16T23:59:00"_qs << true << true << true;
        QTest::newRow("15 days ahead") << u"2026-03-18T00:00:00"_qs << false << true << true;
        QTest::newRow("not a date") << u"last Tuesday"_qs << false << false << false;
        // (tst_e2e_desktop ends the program while the question is open: it comes again.)
    }

    void updateReminder()
    {
        QFETCH(QString, stored);
        QFETCH(bool, answer);
        QFETCH(bool, asks);
        QFETCH(bool, rewrites);

        TestServices test; // today is 3 March 2026, 09:30
        const QString key = QLatin1String(UpdateReminder::key);
        if (!stored.isEmpty())
            test.settings->setValue(key, stored);
        test.prompter.answer(answer ? Prompter::Answer::Yes : Prompter::Answer::No);
        UpdateReminder(*test.settings, test.clock, test.prompter, test.web).CheckUpdateReminder();

        QCOMPARE(test.prompter.asked.size(), asks ? 1 : 0);
        const QString now = test.clock.now().toString(Qt::ISODate);
        QCOMPARE(test.reopenSettings()->value(key).value_or(QString()), rewrites ? now : stored);
        QCOMPARE(test.web.opened, answer ? QList<QUrl>{WebLinks::downloadPage()} : QList<QUrl>());
        if (asks)
            QCOMPARE(test.prompter.asked.first().buttons, Prompter::Buttons::YesNo);
    }

    void onlineHelpOpensTheInstalledManualElseTheWebPage()
    {
        // <prefix>/bin beside <prefix>/share/doc/..., so that help works without a network.
        QTemporaryDir prefix;
        const QString programFolder = prefix.filePath(u"bin"_qs);
        const QString page = QDir::cleanPath(programFolder + u'/' +
                                             QStringLiteral(ZORVAN_MANUAL_FROM_PROGRAM_FOLDER));
        RecordingWebOpener web;
        ScriptedPrompter prompter;
        const auto openHelp = [&] {
            modHelp::OpenOnlineHelp(web, prompter, programFolder, nullptr);
        };
        QVERIFY(QDir().mkpath(page)); // a folder in the manual's place is no manual
        openHelp();
        QVERIFY(QDir().rmdir(page));
        writeFile(page, "<html></html>");
        openHelp();
        QCOMPARE(web.opened, (QList<QUrl>{WebLinks::onlineHelp(), QUrl::fromLocalFile(page)}));
        QVERIFY(prompter.asked.isEmpty());

        // With nothing to open a page, the user is told where the manual, or the help, is.
        web.cannotOpen = true;
        openHelp();
        QVERIFY(QFile::remove(page));
        openHelp();
        QCOMPARE(prompter.asked.size(), 2);
        QVERIFY(prompter.asked[0].text.contains(u'\n' + QDir::toNativeSeparators(page) + u'\n'));
        QVERIFY(prompter.asked[1].text.endsWith(u'\n' + WebLinks::onlineHelp().toString()));
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
