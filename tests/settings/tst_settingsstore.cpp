#include "TestServices.h"
#include "platform/WebLinks.h"
#include "settings/SettingText.h"
#include "settings/SettingsStore.h"
#include "settings/UpdateReminder.h"

#include <QFile>
#include <QLocale>
#include <QTest>

class tst_SettingsStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreGivesTheDefaults();
    void saveThenLoadKeepsEveryValue();
    void savesTheThirteenKeysInOrder();
    void storedTexts_data();
    void storedTexts();
    void fontSizeFollowsTheUserNumberFormat();
    void updateReminder_data();
    void updateReminder();
    void updateReminderYesOpensTheDownloadPage();
};

void tst_SettingsStore::emptyStoreGivesTheDefaults()
{
    TestServices test;
    DisplaySettings settings;
    settings.intervalPosition = 7;
    settings.font.name = QStringLiteral("Arial");
    settings.font.size = 8.25;
    SettingsStore::load(*test.settings, settings);

    DisplaySettings expected;
    QCOMPARE(settings.font.name, u"Verdana"_qs);
    QCOMPARE(settings.font.size, 10.0);
    QCOMPARE(settings.intervalPosition, 1);
    QCOMPARE(settings, expected);
}

void tst_SettingsStore::saveThenLoadKeepsEveryValue()
{
    TestServices test;
    DisplaySettings saved;
    saved.autoDisplay = true;
    saved.intervalPosition = 24;
    saved.durationPosition = 7;
    saved.messageOrder = 1;
    saved.location = 1;
    saved.fontColor = 0x00FF8000;
    saved.font = {.name = u"DejaVu Serif"_qs,
                  .size = 10.5,
                  .bold = true,
                  .italic = true,
                  .strikethrough = true,
                  .underline = true};
    saved.runAtSysTray = true;
    SettingsStore::save(*test.settings, saved);

    DisplaySettings loaded;
    SettingsStore::load(*test.reopenSettings(), loaded);
    loaded.runAtSysTray = true; // read by the start-up order, not by a load
    QCOMPARE(loaded, saved);
}

void tst_SettingsStore::savesTheThirteenKeysInOrder()
{
    TestServices test;
    DisplaySettings settings;
    settings.fontColor = 255;
    SettingsStore::save(*test.settings, settings);
    const auto area = test.reopenSettings();
    const QStringList texts = {u"False"_qs, u"1"_qs,       u"2"_qs,     u"0"_qs,     u"0"_qs,
                               u"255"_qs,   u"Verdana"_qs, u"False"_qs, u"False"_qs, u"10"_qs,
                               u"False"_qs, u"False"_qs,   u"False"_qs};
    QCOMPARE(SettingsStore::keys().size(), 13);
    for (int i = 0; i < 13; ++i)
        QCOMPARE(area->value(SettingsStore::keys()[i]).value_or(u"<absent>"_qs), texts[i]);
    QCOMPARE(SettingsStore::keys().first(), u"AutoDisplay"_qs);
    QCOMPARE(SettingsStore::keys().last(), u"RunAtSysTray"_qs);
}

void tst_SettingsStore::storedTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    // What a load makes of texts a user, an older version or a damaged store left.
    QTest::newRow("bold as number") << "FontBold"
                                    << "1"
                                    << "bold" << QVariant(true);
    QTest::newRow("bold zero") << "FontBold"
                               << "0"
                               << "bold" << QVariant(false);
    QTest::newRow("bold any case") << "FontBold"
                                   << "tRUE"
                                   << "bold" << QVariant(true);
    QTest::newRow("bold word") << "FontBold"
                               << "yes"
                               << "bold" << QVariant(false);
    QTest::newRow("bold empty") << "FontBold"
                                << ""
                                << "bold" << QVariant(false);
    QTest::newRow("auto display") << "AutoDisplay"
                                  << "TRUE"
                                  << "auto" << QVariant(true);
    QTest::newRow("interval 2 s") << "DispInterval"
                                  << "0"
                                  << "interval" << QVariant(0);
    QTest::newRow("interval decimal") << "DispInterval"
                                      << "2.5"
                                      << "interval" << QVariant(2);
    QTest::newRow("interval word") << "DispInterval"
                                   << "five"
                                   << "interval" << QVariant(9);
    QTest::newRow("interval huge") << "DispInterval"
                                   << "99999999999"
                                   << "interval" << QVariant(9);
    QTest::newRow("interval empty") << "DispInterval"
                                    << ""
                                    << "interval" << QVariant(9);
    QTest::newRow("order 1") << "RandomMessage"
                             << "1"
                             << "order" << QVariant(1);
    QTest::newRow("colour red") << "FontColor"
                                << "255"
                                << "color" << QVariant(255);
    QTest::newRow("colour negative") << "FontColor"
                                     << "-16777216"
                                     << "color" << QVariant(-16777216);
    QTest::newRow("colour too big") << "FontColor"
                                    << "4294967296"
                                    << "color" << QVariant(0);
    QTest::newRow("name") << "FontName"
                          << "No Such Font"
                          << "name" << QVariant(u"No Such Font"_qs);
    QTest::newRow("name empty") << "FontName"
                                << ""
                                << "name" << QVariant(u"Arial"_qs);
    QTest::newRow("size half") << "FontSize"
                               << "10.5"
                               << "size" << QVariant(10.5);
    QTest::newRow("size zero") << "FontSize"
                               << "0"
                               << "size" << QVariant(12.0);
    QTest::newRow("size negative") << "FontSize"
                                   << "-8"
                                   << "size" << QVariant(12.0);
    QTest::newRow("size enormous") << "FontSize"
                                   << "100000"
                                   << "size" << QVariant(12.0);
    QTest::newRow("size word") << "FontSize"
                               << "big"
                               << "size" << QVariant(12.0);
    QTest::newRow("size nan") << "FontSize"
                              << "nan"
                              << "size" << QVariant(12.0);
}

void tst_SettingsStore::storedTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);

    TestServices test;
    test.settings->setValue(key, text);
    // Start from values that differ from every default, so "left as it was" shows.
    DisplaySettings settings;
    settings.intervalPosition = 9;
    settings.font.name = QStringLiteral("Arial");
    settings.font.size = 12;
    // Keys other than the one under test read their defaults.
    SettingsStore::load(*test.settings, settings);
    if (key != u"FontName"_qs)
        QCOMPARE(settings.font.name, u"Verdana"_qs);

    const QHash<QString, QVariant> actual = {
        {u"bold"_qs, settings.font.bold},
        {u"auto"_qs, settings.autoDisplay},
        {u"interval"_qs, settings.intervalPosition},
        {u"order"_qs, settings.messageOrder},
        {u"color"_qs, settings.fontColor},
        {u"name"_qs, settings.font.name},
        {u"size"_qs, settings.font.size},
    };
    QCOMPARE(actual.value(field), expected);
}

void tst_SettingsStore::fontSizeFollowsTheUserNumberFormat()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(SettingText::fromNumber(10.5), u"10,5"_qs);
    QCOMPARE(SettingText::fromNumber(10), u"10"_qs);
    QCOMPARE(SettingText::toNumber(u"10,5"_qs), std::optional<double>(10.5));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(SettingText::fromNumber(10.5), u"10.5"_qs);
    QLocale::setDefault(previous);
}

void tst_SettingsStore::updateReminder_data()
{
    QTest::addColumn<QString>("stored"); // empty: never reminded
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("rewrites");

    QTest::newRow("first start") << QString() << false << true;
    QTest::newRow("today") << "2026-03-03T08:00:00" << false << false;
    QTest::newRow("14 days ago") << "2026-02-17T23:59:00" << false << false;
    QTest::newRow("15 days ago") << "2026-02-16T23:59:00" << true << true;
    QTest::newRow("14 days ahead") << "2026-03-17T00:00:00" << false << false;
    QTest::newRow("15 days ahead") << "2026-03-18T00:00:00" << true << true;
    QTest::newRow("not a date") << "last Tuesday" << false << false;
}

void tst_SettingsStore::updateReminder()
{
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    QFETCH(bool, rewrites);

    TestServices test; // today is 3 March 2026, 09:30
    if (!stored.isEmpty())
        test.settings->setValue(QLatin1String(UpdateReminder::key), stored);
    test.prompter.answer(Prompter::Answer::No);
    UpdateReminder(*test.settings, test.clock, test.prompter, test.web).CheckUpdateReminder();

    QCOMPARE(test.prompter.asked.size(), asks ? 1 : 0);
    const QString now = test.clock.now().toString(Qt::ISODate);
    const QString after =
        test.reopenSettings()->value(QLatin1String(UpdateReminder::key)).value_or(QString());
    QCOMPARE(after, rewrites ? now : stored);
    QVERIFY(test.web.opened.isEmpty());

    if (asks) {
        const Prompter::Message& message = test.prompter.asked.first();
        QCOMPARE(message.text, u"There maybe an update to this software available\r"
                               "Do you want to check for an update?"_qs);
        QCOMPARE(message.buttons, Prompter::Buttons::YesNo);
        QCOMPARE(message.icon, Prompter::Icon::Information);
        // A second start on the same day asks nothing.
        UpdateReminder(*test.settings, test.clock, test.prompter, test.web).CheckUpdateReminder();
        QCOMPARE(test.prompter.asked.size(), 1);
    }
}

void tst_SettingsStore::updateReminderYesOpensTheDownloadPage()
{
    TestServices test;
    test.settings->setValue(QLatin1String(UpdateReminder::key), u"2025-12-01T10:00:00"_qs);
    test.prompter.answer(Prompter::Answer::Yes);
    UpdateReminder(*test.settings, test.clock, test.prompter, test.web).CheckUpdateReminder();
    QCOMPARE(test.web.opened, QList<QUrl>{WebLinks::downloadPage()});
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
