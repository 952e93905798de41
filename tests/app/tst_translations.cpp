#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "app/frmAll.h"
#include "platform/ApplicationTitle.h"
#include "platform/Translations.h"
#include "settings/FontDialog.h"
#include "settings/OptionsDialog.h"
#include "settings/frmAbout.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QXmlStreamReader>

namespace {

const QString compiled = QStringLiteral(ZORVAN_TRANSLATIONS);

struct Message {
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a Linguist file, in file order.
QList<Message> messagesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            messages << Message{};
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation") {
            messages.last().finished = xml.attributes().value(QLatin1StringView("type")).isEmpty();
            messages.last().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return messages;
}

// The key the ampersand gives a text ("E&xit": x); empty when it gives none.
QChar accessKey(const QString& text)
{
    for (qsizetype i = text.indexOf(u'&'); i >= 0 && i + 1 < text.size();
         i = text.indexOf(u'&', i + 2)) {
        if (text[i + 1] != u'&' && !text[i + 1].isSpace())
            return text[i + 1].toLower();
    }
    return {};
}

// Every text a person sees in the window: titles, captions, labels, tooltips, the entries
// of drop-down lists, the headers of lists, the tabs and the menus. What the user typed or
// keeps (names of files, messages, fonts) and numbers are left out.
QStringList textsOf(QWidget* window)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (text.contains(QRegularExpression(u"\\p{L}"_qs)))
            texts << text;
    };
    add(window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        add(widget->toolTip());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        else if (auto* label = qobject_cast<QLabel*>(widget))
            add(label->text());
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            add(frame->title());
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            add(menu->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        } else if (auto* list = qobject_cast<QComboBox*>(widget);
                   list && !qobject_cast<QFontComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                add(list->itemText(i));
        } else if (auto* view = qobject_cast<QTreeView*>(widget)) {
            for (int i = 0; i < view->model()->columnCount(); ++i)
                add(view->model()->headerData(i, Qt::Horizontal).toString());
        }
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->isSeparator())
            add(action->text());
    }
    return texts;
}

// The texts of the controls that answer to an access key in one place.
QStringList keysClash(const QList<QString>& texts)
{
    QHash<QChar, QString> taken;
    QStringList clashes;
    for (const QString& text : texts) {
        const QChar key = accessKey(text);
        if (key.isNull())
            continue;
        if (taken.contains(key))
            clashes << taken[key] + u" / "_qs + text;
        taken.insert(key, text);
    }
    return clashes;
}

QStringList visibleTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* action : actions) {
        if (action->isVisible() && !action->isSeparator())
            texts << (action->menu() ? action->menu()->title() : action->text());
    }
    return texts;
}

QStringList controlTexts(QWidget* place)
{
    QStringList texts;
    for (QWidget* widget : place->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(place))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
    }
    return texts;
}

} // namespace

// The program in German and in French: every text translated, access keys that work, the
// pages whole; and English wherever a translation cannot be had.
class tst_Translations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linguistFilesAreWholeAndUpToDate_data();
    void linguistFilesAreWholeAndUpToDate();
    void everyTextShownIsTranslated_data();
    void everyTextShownIsTranslated();
    void englishWhereNoTranslationCanBeHad_data();
    void englishWhereNoTranslationCanBeHad();
};

void tst_Translations::linguistFilesAreWholeAndUpToDate_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << u"de"_qs;
    QTest::newRow("French") << u"fr"_qs;
}

void tst_Translations::linguistFilesAreWholeAndUpToDate()
{
    QFETCH(QString, language);
    const QString name = u"zorvan_%1.ts"_qs.arg(language);
    const QList<Message> kept = messagesOf(QStringLiteral(ZORVAN_TS_FOLDER) + u'/' + name);
    QVERIFY(!kept.isEmpty());

    // Every text of the sources is there, translated, and nothing else is.
    if (QStringLiteral(ZORVAN_LUPDATE).isEmpty())
        QSKIP("no lupdate for this build");
    QTemporaryDir folder;
    const QString updated = folder.filePath(name);
    QVERIFY(QFile::copy(QStringLiteral(ZORVAN_TS_FOLDER) + u'/' + name, updated));
    QProcess lupdate;
    lupdate.start(QStringLiteral(ZORVAN_LUPDATE),
                  {u"-silent"_qs, u"-locations"_qs, u"none"_qs, u"-no-obsolete"_qs,
                   QStringLiteral(ZORVAN_SOURCES), u"-ts"_qs, updated});
    QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
    const QList<Message> current = messagesOf(updated);
    QCOMPARE(current.size(), kept.size());
    for (const Message& message : current) {
        QVERIFY2(message.finished && !message.translation.isEmpty(), qPrintable(message.source));
        // The same blanks to fill, and an access key where the English has one.
        static const QRegularExpression blank(u"%\\d"_qs);
        const auto blanks = [](const QString& text) {
            QStringList found;
            for (const auto& match : blank.globalMatch(text))
                found << match.captured();
            found.sort();
            return found;
        };
        QVERIFY2(blanks(message.translation) == blanks(message.source),
                 qPrintable(message.translation));
        QVERIFY2(accessKey(message.translation).isNull() == accessKey(message.source).isNull(),
                 qPrintable(message.translation));
    }
}

void tst_Translations::everyTextShownIsTranslated_data()
{
    linguistFilesAreWholeAndUpToDate_data();
}

void tst_Translations::everyTextShownIsTranslated()
{
    QFETCH(QString, language);
    // The words a translation may keep as they are in English ("OK", "Options"), and the
    // program's name.
    QSet<QString> same{applicationCaption()};
    for (const Message& message :
         messagesOf(QStringLiteral(ZORVAN_TS_FOLDER) + u"/zorvan_%1.ts"_qs.arg(language))) {
        if (message.translation == message.source)
            same << message.source;
    }
    const auto windows = [](TestServices& test) {
        auto window = std::make_unique<frmAll>(test.services(), nullptr);
        window->Form_Load();
        return window;
    };
    const auto dialogTexts = [] {
        QStringList texts;
        SystemDialogs dialogs;
        FontDialog font(DisplayFont{.name = u"Verdana"_qs}, 0x1E90FF, dialogs);
        OptionsDialog options({}, {u"DP-1"_qs}, {{}});
        frmAbout about;
        for (QWidget* dialog : std::initializer_list<QWidget*>{&font, &options, &about}) {
            texts << textsOf(dialog);
            const QStringList clashes = keysClash(controlTexts(dialog));
            if (!clashes.isEmpty())
                texts << u"CLASH "_qs + clashes.join(u", "_qs);
        }
        return texts;
    };

    TestServices englishTest;
    writeMessageFiles(englishTest.dataFolder(), {{u"Calm"_qs, "\"I am calm\",#TRUE#\r\n"}});
    const auto english = windows(englishTest);
    const QStringList englishTexts = textsOf(english.get()) + dialogTexts();

    Translations translations({compiled}, {language});
    QCOMPARE(translations.language(), language);
    translations.install();
    const QLocale before;
    QLocale::setDefault(QLocale(language));
    TestServices test;
    writeMessageFiles(test.dataFolder(), {{u"Calm"_qs, "\"I am calm\",#TRUE#\r\n"}});
    const auto translated = windows(test);
    const QStringList texts = textsOf(translated.get()) + dialogTexts();
    QLocale::setDefault(before);

    for (const QString& text : texts)
        QVERIFY2(!text.startsWith(u"CLASH"_qs), qPrintable(text));
    QCOMPARE(texts.size(), englishTexts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QVERIFY2(texts[i] != englishTexts[i] || same.contains(texts[i]), qPrintable(texts[i]));
    }

    // Each key once in each menu and on each page, where the menu bar and the foot of the
    // window are seen with it; the window no bigger than in English, nothing on a page cut
    // off.
    for (QMenu* menu : translated->findChildren<QMenu*>()) {
        const QStringList clashes = keysClash(visibleTexts(menu->actions()));
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u", "_qs)));
    }
    QVERIFY2(english->size().expandedTo(translated->size()) == english->size(),
             qPrintable(u"%1x%2"_qs.arg(translated->width()).arg(translated->height())));
    auto* tabs = translated->findChild<QTabWidget*>();
    const QStringList around =
        visibleTexts(translated->menuBar()->actions()) +
        controlTexts(translated->findChild<QWidget*>(u"cmdExit"_qs)->parentWidget());
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QWidget* shown = tabs->currentWidget();
        QStringList clashes = keysClash(around + controlTexts(shown));
        // A list's own menu is a menu of its own.
        for (QWidget* widget : shown->findChildren<QWidget*>())
            clashes << keysClash(visibleTexts(widget->actions()));
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u", "_qs)));
        const QStringList cut = cutOff(shown);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_qs)));
    }
}

void tst_Translations::englishWhereNoTranslationCanBeHad_data()
{
    QTest::addColumn<QStringList>("languages"); // as the user's locale gives them
    QTest::addColumn<QByteArray>("file");       // in place of zorvan_de.qm; "-": the real one
    QTest::addColumn<QString>("settings");      // the page's name then, and a button of Qt's

    const QString german = u"Einstellungen|Abbrechen"_qs;
    const QString english = u"Settings|Cancel"_qs;
    QTest::newRow("German") << QStringList{u"de-DE"_qs, u"de"_qs} << QByteArray("-") << german;
    QTest::newRow("first one translated")
        << QStringList{u"ja-JP"_qs, u"de-AT"_qs} << QByteArray("-") << german;
    QTest::newRow("English before German")
        << QStringList{u"en-GB"_qs, u"de"_qs} << QByteArray("-") << english;
    QTest::newRow("no translation")
        << QStringList{u"ja-JP"_qs, u"C"_qs} << QByteArray("-") << english;
    QTest::newRow("file missing") << QStringList{u"de"_qs} << QByteArray() << english;
    QTest::newRow("file damaged") << QStringList{u"de"_qs}
                                  << QByteArray("\x3C\xB8\x64\x18\xCA\xEF\x9C\x95garbage")
                                  << english;
    QTest::newRow("file not one") << QStringList{u"de"_qs} << QByteArray("<TS></TS>\n") << english;
}

void tst_Translations::englishWhereNoTranslationCanBeHad()
{
    QFETCH(QStringList, languages);
    QFETCH(QByteArray, file);
    QTemporaryDir folder;
    if (file == "-")
        QVERIFY(QFile::copy(compiled + u"/zorvan_de.qm"_qs, folder.filePath(u"zorvan_de.qm"_qs)));
    else if (!file.isEmpty())
        writeFile(folder.filePath(u"zorvan_de.qm"_qs), file);
    // The damaged copy beside a whole one of a language not asked for.
    QVERIFY(QFile::copy(compiled + u"/zorvan_fr.qm"_qs, folder.filePath(u"zorvan_fr.qm"_qs)));

    Translations translations({folder.path()}, languages);
    translations.install();
    QTEST(QCoreApplication::translate("frmAll", "Settings") + u'|' +
              QCoreApplication::translate("QPlatformTheme", "Cancel"),
          "settings");
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
