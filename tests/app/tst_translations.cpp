// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QXmlStreamReader>

namespace {

const QString compiled = QStringLiteral(ZORVAN_TRANSLATIONS);
const QString linguistFile = QStringLiteral(ZORVAN_TS_FOLDER "/zorvan_%1.ts");

// The texts of a Linguist file, source and translation; an unfinished one as empty.
QList<std::pair<QString, QString>> messagesOf(const QString& path)
{
    QFile file(path);
    QList<std::pair<QString, QString>> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            messages.append({xml.readElementText(QXmlStreamReader::IncludeChildElements), {}});
        } else if (xml.name() == u"translation") {
            const bool unfinished = !xml.attributes().value(u"type"_qs).isEmpty();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.last().second = unfinished ? QString() : text;
        }
    }
    return messages;
}

// The key an ampersand gives a text ("E&xit": x); none for "&&" or no ampersand.
QChar accessKey(const QString& text)
{
    static const QRegularExpression key(u"(?<!&)(?:&&)*&([^&\\s])"_qs);
    const auto match = key.match(text);
    return match.hasMatch() ? match.captured(1)[0].toLower() : QChar();
}

// The texts that share an access key among those given.
QStringList clashes(const QStringList& texts)
{
    QHash<QChar, QString> taken;
    QStringList found;
    for (const QString& text : texts) {
        const QChar key = accessKey(text);
        if (!key.isNull() && taken.contains(key))
            found << taken[key] + u" / "_qs + text;
        if (!key.isNull())
            taken.insert(key, text);
    }
    return found;
}

// The captions of the visible buttons, labels and actions in a place (a page, a dialog, a
// menu), each of which may answer to an access key there.
QStringList captions(QWidget* place, bool actionsOnly = false)
{
    QStringList texts;
    for (QAction* action : place->actions()) {
        if (action->isVisible() && !action->isSeparator())
            texts << (action->menu() ? action->menu()->title() : action->text());
    }
    for (QWidget* widget : place->findChildren<QWidget*>()) {
        if (actionsOnly || !widget->isVisibleTo(place))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
    }
    return texts;
}

// Every text a person may see in a window: title, captions, frames, tooltips, the entries
// of lists (but the fonts), list headers, tabs and menus; only those with a letter in them.
QStringList textsOf(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        texts << widget->toolTip();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            texts << frame->title();
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        } else if (auto* list = qobject_cast<QComboBox*>(widget);
                   list && !qobject_cast<QFontComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        } else if (auto* view = qobject_cast<QTreeView*>(widget)) {
            for (int i = 0; i < view->model()->columnCount(); ++i)
                texts << view->model()->headerData(i, Qt::Horizontal).toString();
        }
    }
    for (QAction* action : window->findChildren<QAction*>())
        texts << action->text();
    static const QRegularExpression letter(u"\\p{L}"_qs);
    return texts.filter(letter);
}

} // namespace

// The program in German and in French: every text translated, access keys that work, the
// pages whole; and English wherever a translation cannot be had.
class tst_Translations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void translatedWholeAndShown_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << u"de"_qs;
        QTest::newRow("French") << u"fr"_qs;
    }

    void translatedWholeAndShown()
    {
        QFETCH(QString, language);
        // The file as lupdate makes it from the sources now (where lupdate can run): the same
        // texts, all translated, with the same blanks to fill, and an access key where the
        // English has one.
        if (!QStringLiteral(ZORVAN_LUPDATE).isEmpty()) {
            QTemporaryDir folder;
            const QString updated = folder.filePath(u"updated.ts"_qs);
            QVERIFY(QFile::copy(linguistFile.arg(language), updated));
            QProcess lupdate;
            lupdate.start(QStringLiteral(ZORVAN_LUPDATE),
                          {u"-silent"_qs, u"-locations"_qs, u"none"_qs, u"-no-obsolete"_qs,
                           QStringLiteral(ZORVAN_SOURCES), u"-ts"_qs, updated});
            QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
            const auto messages = messagesOf(updated);
            QCOMPARE(messages.size(), messagesOf(linguistFile.arg(language)).size());
            for (const auto& [source, translation] : messages) {
                QVERIFY2(!translation.isEmpty(), qPrintable(source));
                for (const QString& blank : {u"%1"_qs, u"%2"_qs, u"%3"_qs})
                    QVERIFY2(translation.count(blank) == source.count(blank),
                             qPrintable(translation));
                QVERIFY2(accessKey(translation).isNull() == accessKey(source).isNull(),
                         qPrintable(translation));
            }
        }

        // Texts a translation keeps as they are ("OK", a month's name) and the program's name.
        QSet<QString> same{applicationCaption()};
        for (const auto& [source, translation] : messagesOf(linguistFile.arg(language))) {
            if (source == translation)
                same << source;
        }
        // The main window with a message file shown, and its dialogs.
        struct Shown {
            TestServices test;
            std::unique_ptr<frmAll> window;
            FontDialog font{DisplayFont{.name = u"Verdana"_qs}, 0x1E90FF, test.dialogs};
            OptionsDialog options{{}, {u"DP-1"_qs}, {{}}};
            frmAbout about;
            QList<QWidget*> dialogs{&font, &options, &about};
            QStringList texts;
            Shown()
            {
                writeMessageFiles(test.dataFolder(), {{u"Calm"_qs, "\"I am calm\",#TRUE#\r\n"}});
                window = std::make_unique<frmAll>(test.services(), nullptr);
                window->Form_Load();
                texts = textsOf(window.get());
                for (QWidget* dialog : dialogs)
                    texts << textsOf(dialog);
            }
        };
        const Shown english;
        Translations translations({compiled}, {language});
        QCOMPARE(translations.language(), language);
        translations.install();
        const Shown translated;

        QCOMPARE(translated.texts.size(), english.texts.size());
        for (qsizetype i = 0; i < english.texts.size(); ++i) {
            QVERIFY2(translated.texts[i] != english.texts[i] || same.contains(english.texts[i]),
                     qPrintable(english.texts[i]));
        }
        // Each access key once in each menu, dialog and page, where the menu bar and the foot
        // of the window answer too; the window no bigger than in English, no page cut off.
        QStringList clashing;
        for (QMenu* menu : translated.window->findChildren<QMenu*>())
            clashing << clashes(captions(menu, true));
        for (QWidget* dialog : translated.dialogs)
            clashing << clashes(captions(dialog));
        QWidget* window = translated.window.get();
        QCOMPARE(window->size().expandedTo(english.window->size()), english.window->size());
        auto* tabs = window->findChild<QTabWidget*>();
        const QStringList around = captions(window->findChild<QMenuBar*>(), true) +
                                   captions(child(window, "cmdExit")->parentWidget());
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            clashing << clashes(around + captions(tabs->currentWidget()));
            QStringList cut = cutOff(tabs->currentWidget());
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_qs)));
            // A list's own menu is a menu of its own.
            for (QWidget* widget : tabs->currentWidget()->findChildren<QWidget*>())
                clashing << clashes(captions(widget, true));
        }
        QVERIFY2(clashing.isEmpty(), qPrintable(clashing.join(u", "_qs)));
    }

    void englishWhereNoTranslationCanBeHad_data()
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
        QTest::newRow("file damaged")
            << QStringList{u"de"_qs} << QByteArray("\x3C\xB8\x64\x18\xCA\xEF\x9C\x95garbage")
            << english;
        QTest::newRow("file not one")
            << QStringList{u"de"_qs} << QByteArray("<TS></TS>\n") << english;
    }

    void englishWhereNoTranslationCanBeHad()
    {
        QFETCH(QStringList, languages);
        QFETCH(QByteArray, file);
        QTemporaryDir folder;
        if (file == "-")
            QVERIFY(
                QFile::copy(compiled + u"/zorvan_de.qm"_qs, folder.filePath(u"zorvan_de.qm"_qs)));
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
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
