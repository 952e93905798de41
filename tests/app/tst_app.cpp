// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemActions.h"
#include "TestFiles.h"
#include "TestServices.h"
#include "TestWidgets.h"
#include "app/SingleInstance.h"
#include "app/frmAll.h"
#include "display/DisplayScheduler.h"
#include "display/FlashWindow.h"
#include "platform/ApplicationTitle.h"
#include "platform/TerminationWatcher.h"
#include "platform/Translations.h"
#include "platform/WebLinks.h"
#include "settings/FontDialog.h"
#include "settings/OptionsDialog.h"
#include "settings/OptionsStore.h"
#include "settings/ScreenChoice.h"
#include "settings/SettingText.h"
#include "settings/SettingsStore.h"
#include "settings/UpdateReminder.h"
#include "settings/frmAbout.h"
#include "settings/modHelp.h"
#include "widgets/LinkLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QXmlStreamReader>

using namespace std::chrono_literals;

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

// The main window, its menus and the choices beyond the display settings (the icon's menu,
// pauses across restarts, the "Options" dialog), the command line, and the program in German
// and in French (every text translated, access keys that work, the pages whole; and English
// wherever a translation cannot be had). The tests run without
// a notification area (offscreen), where the window goes to the taskbar instead of behind the
// icon; tests/e2e show the icon.
class tst_App : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The times below are in the formats of no country in particular, on every system.
        QLocale::setDefault(QLocale::c());
        m_termination = std::make_unique<TerminationWatcher>();
        // The notification icon shows the program's icon.
        QPixmap image(16, 16);
        image.fill(Qt::darkRed);
        QApplication::setWindowIcon(QIcon(image));
    }

    void init()
    {
        m_test = std::make_unique<TestServices>();
        m_test->termination = m_termination.get();
    }

    void cleanup()
    {
        m_window.reset();
        QCoreApplication::processEvents(); // takes up a request to end that nobody heard
        m_test.reset();
    }

    void theDisplayAndItsChoicesSurviveARestart()
    {
        writeMessageFiles(m_test->dataFolder(), {{u"Calm"_qs, "\"A\",#TRUE#\r\n\"B\",#TRUE#\r\n"
                                                              "\"C\",#TRUE#\r\n"}});
        m_test->settings->setValue(u"FontName"_qs, u"DejaVu Serif"_qs);
        m_test->settings->setValue(u"FontSize"_qs, u"14"_qs);
        QVERIFY(load());
        child<QTabWidget>("UserControl1")->setCurrentIndex(2);
        auto* interval = child<QComboBox>("cboDispInterval");
        interval->setCurrentIndex(0);                                       // "2"
        QTest::keyClick(child<QComboBox>("cboDispDuration"), Qt::Key_Home); // "20"
        clickOption(child<QRadioButton>("optMessage(1)"));                  // as written
        clickOption(child<QRadioButton>("optLocation(1)"));

        // The font dialog opens on the current choice; OK takes face, style, size, effects and
        // colour, Cancel takes nothing. "Custom…", the last colour, asks the system's dialog.
        m_test->dialogs.nextColor = QColor(0xFF, 0xF8, 0xE7);
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QComboBox*>(u"style"_qs)->setCurrentIndex(3); // bold italic
            auto* colour = dialog->findChild<QComboBox*>(u"color"_qs);
            colour->setCurrentIndex(colour->findText(u"Red"_qs));
            colour->setCurrentIndex(colour->count() - 1);
            for (QCheckBox* effect : dialog->findChildren<QCheckBox*>())
                effect->setChecked(true); // strikeout, underline
            dialog->accept();
        });
        click("cmdFont");
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QComboBox*>(u"style"_qs)->setCurrentIndex(0);
            // The colour dialog cancelled leaves the colour of the user's own.
            auto* colour = dialog->findChild<QComboBox*>(u"color"_qs);
            colour->setCurrentIndex(colour->count() - 1);
            QCOMPARE(colour->currentData().value<QColor>(), QColor(0xFF, 0xF8, 0xE7));
            dialog->reject();
        });
        click("cmdFont");

        // Both buttons start and stop, and say what they do next. A click first saves the
        // state from before it.
        const QString idle = child<QPushButton>("cmdStart")->text();
        const auto captions = [this] {
            return child<QPushButton>("cmdStart")->text() + u'|' +
                   child<QPushButton>("cmdNext")->text();
        };
        click("cmdNext");
        QCOMPARE(captions(), u"Stop|Stop"_qs);
        QCOMPARE(stored(u"AutoDisplay"_qs), u"False"_qs);
        QVERIFY(!scheduler()->IsFormLoaded()); // the first message comes one interval later
        QCOMPARE(tick(), u"A"_qs);
        interval->setFocus();
        QTest::keyClick(interval, Qt::Key_End); // "120", read at the next start only
        QCOMPARE(tick(), u"B"_qs);
        QCOMPARE(scheduler()->intervalTimer().interval(), 2000);
        click("cmdStart");
        QCOMPARE(captions(), idle + u'|' + idle);
        QVERIFY(!scheduler()->intervalTimer().isActive());
        // Written order goes on where it stopped.
        click("cmdStart");
        QCOMPARE(scheduler()->intervalTimer().interval(), 120000);
        QCOMPARE(tick(), u"C"_qs);
        // Messages unchecked while running stay until the next start.
        writeFile(m_test->path(u"plugins/Calm.txt"_qs),
                  "\"A\",#TRUE#\r\n\"B\",#FALSE#\r\n\"C\",#FALSE#\r\n");
        QCOMPARE(tick(), u"A"_qs);
        QCOMPARE(tick(), u"B"_qs);

        m_window->mnuExit_Click();
        const QString keys = u"DispInterval DispDuration RandomMessage RandomLocation AutoDisplay "
                             "FontName FontSize FontBold FontItalic Strikethrough Underline "
                             "FontColor"_qs;
        const QString saved = u"24,0,1,1,True,DejaVu Serif,14,True,True,True,True,15202559"_qs;
        QCOMPARE(stored(keys), saved);

        // The next start shows the same choices and takes the display up again, one interval
        // on, with the messages checked now.
        QVERIFY(restart());
        QCOMPARE(child<QComboBox>("cboDispDuration")->currentText(), u"20"_qs);
        QVERIFY(child<QRadioButton>("optMessage(1)")->isChecked() &&
                child<QRadioButton>("optLocation(1)")->isChecked() && scheduler()->isRunning());
        QCOMPARE(scheduler()->intervalTimer().interval(), 120000);
        QCOMPARE(tick(), u"A"_qs);
        QCOMPARE(tick(), u"A"_qs);

        // Leaving takes the message off the screen, and saves every setting as it was read.
        scheduler()->Timer1_Timer();
        QVERIFY(scheduler()->IsFormLoaded());
        m_window->mnuExit_Click();
        QVERIFY(!scheduler()->IsFormLoaded());
        QCOMPARE(stored(keys), saved);
    }

    void unusableStoredValuesLeaveThePageUsable_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("duration");

        QTest::newRow("interval one past the list")
            << u"DispInterval"_qs << u"25"_qs << u"5"_qs << u"60"_qs;
        QTest::newRow("interval -1 clears")
            << u"DispInterval"_qs << u"-1"_qs << QString() << u"60"_qs;
        QTest::newRow("duration 7") << u"DispDuration"_qs << u"7"_qs << u"5"_qs << u"200"_qs;
        QTest::newRow("order 2") << u"RandomMessage"_qs << u"2"_qs << u"5"_qs << u"60"_qs;
    }

    void unusableStoredValuesLeaveThePageUsable()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        writeMessageFiles(m_test->dataFolder(), {{u"Calm"_qs, "\"A\",#TRUE#\r\n"}});
        m_test->settings->setValue(key, text);
        QVERIFY(load());
        auto* interval = child<QComboBox>("cboDispInterval");
        QTEST(interval->currentText(), "interval");
        QTEST(child<QComboBox>("cboDispDuration")->currentText(), "duration");
        QVERIFY(child<QRadioButton>("optMessage(0)")->isChecked());
        // The display runs at the interval shown; with none shown, at 5 s.
        click("cmdNext");
        QCOMPARE(scheduler()->intervalTimer().interval(), 5000);

        // Whatever was stored, the user can still pick a value.
        interval->setFocus();
        QTest::keyClick(interval, Qt::Key_Home);
        QCOMPARE(interval->currentText(), u"2"_qs);
    }

    void menusLinksAndWaysOut()
    {
        QVERIFY(load());
        // Each page, by its menu entry: whole, and with its link to the home page.
        auto* tabs = child<QTabWidget>("UserControl1");
        for (const auto& [name, page, link] : {std::tuple{"mnuSettings", 2, "Label19"},
                                               {"mnuPrograms", 1, "Label18"},
                                               {"mnuGoal", 0, "Label17"}}) {
            trigger(name);
            QCOMPARE(tabs->currentIndex(), page);
            const QStringList cut = cutOff(tabs->currentWidget());
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_qs)));
            QTest::mouseClick(child<LinkLabel>(link), Qt::LeftButton);
        }
        // The menus' and the foot's links.
        for (const char* name : {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuDonate"})
            trigger(name);
        click("Command5");
        QTest::mouseClick(child<LinkLabel>("lblCobrand"), Qt::LeftButton);

        // The about box is modeless and one at a time, and has two links of its own.
        trigger("mnuAbout");
        trigger("mnuAbout");
        QCOMPARE(m_window->findChildren<frmAbout*>().size(), 1);
        QPointer<frmAbout> box = m_window->findChild<frmAbout*>();
        QVERIFY(box->isVisible() && !box->isModal());
        QTest::mouseClick(::child<LinkLabel>(box, "lblHomePage"), Qt::LeftButton);
        QTest::mouseClick(::child<LinkLabel>(box, "lblCoBrand"), Qt::LeftButton);
        // Every menu entry, button and link of them opens its page (which one is the code's
        // own table).
        QCOMPARE(m_test->web.opened.size(), 11);

        // The close box; the exit button, which asks first.
        QSignalSpy ended(m_window.get(), &frmAll::programEnded);
        pressCloseBox(m_window.get());
        QVERIFY(m_window->isMinimized() && trayIcon()->isVisible());
        child<QAction>("mnuPop")->trigger();
        QVERIFY(!m_window->isMinimized() && !trayIcon()->isVisible());

        m_test->prompter.answer(Prompter::Answer::No);
        click("cmdExit");
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_test->prompter.asked.size(), 1);
        QCOMPARE(m_test->prompter.asked.first().buttons, Prompter::Buttons::YesNo);
        QCOMPARE(stored(u"DispDuration"_qs), u"-"_qs); // staying writes nothing

        pressCloseBox(m_window.get());
        m_test->prompter.answer(Prompter::Answer::Yes);
        click("cmdExit");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!m_window->isVisible() && !box->isVisible() && !trayIcon()->isVisible());
        QCOMPARE(stored(u"DispDuration"_qs), u"2"_qs);
    }

    void closeDuringStartUpSavesNothing_data()
    {
        // When SIGTERM comes, as the end of the session or a kill sends it (tests/e2e send it
        // while the update reminder's question is open), or Windows ends the session.
        QTest::addColumn<QString>("when");
        QTest::newRow("start-up entry's error box open") << u"entry"_qs;
        QTest::newRow("between two steps") << u"between"_qs;
    }

    void closeDuringStartUpSavesNothing()
    {
        QFETCH(QString, when);
        if (when == u"between"_qs && SystemActions::noEndBetweenSteps)
            QSKIP(SystemActions::noEndBetweenSteps);
        // (A save would write every key: the file would differ.)
        m_test->settings->setValue(u"UpdateReminder"_qs, u"2026-03-01T09:00:00"_qs);
        m_test->settings->sync();
        const QByteArray stored = fileBytes(m_test->settingsFile());
        std::shared_ptr<void> readOnly;
        if (when == u"entry"_qs) {
            QVERIFY(!m_test->startup->set(u"ZorvanTest"_qs, u"/old/place"_qs, true));
            readOnly = m_test->lockStartupEntry();
            if (!readOnly)
                QSKIP("permission bits do not bind here");
        }

        if (when == u"between"_qs) {
            SystemActions::requestEnd();
        } else {
            m_test->prompter.whileOpen = [] {
                SystemActions::requestEnd();
                QTest::qWait(20);
            };
        }
        QVERIFY(!load() && !m_window->isVisible());
        QCOMPARE(m_test->prompter.asked.size(), when == u"between"_qs ? 0 : 1);
        m_window.reset();
        QCOMPARE(fileBytes(m_test->settingsFile()), stored);
    }

    void specialFileInPlaceOfOneNeverHoldsUpTheStart_data()
    {
        QTest::addColumn<QString>("place");
        // The user's own settings file, and the lock file beside a settings file.
        QTest::newRow("settings file") << u"config/ZorvanTest/ZorvanTest.ini"_qs;
        QTest::newRow("settings lock") << u"settings.ini.lock"_qs;
        QTest::newRow("start-up entry") << u"config/autostart/ZorvanTest.desktop"_qs;
    }

    void specialFileInPlaceOfOneNeverHoldsUpTheStart()
    {
        QFETCH(QString, place);
        if (SystemActions::noFifos)
            QSKIP(SystemActions::noFifos);
        const QString path = QFileInfo(m_test->settingsFile()).path() + u'/' + place;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(SystemActions::makeFifo(path));
        const bool settings = place.endsWith(u".ini"_qs) || place.endsWith(u".lock"_qs);
        if (settings) {
            m_test->settings = place.endsWith(u".ini"_qs)
                                   ? SettingsArea::forApplication(u"ZorvanTest"_qs)
                                   : SettingsArea::inFile(m_test->settingsFile());
        } else // said when the program looks at start-up, and again after the click below
            for (int i = 0; i < 2; ++i)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"is not a regular file"_qs));
        QVERIFY(load() && m_window->isVisible());
        if (settings) {
            // The user hears that the settings are not kept, once.
            QCOMPARE(m_test->prompter.asked.size(), 1);
            QVERIFY(m_test->prompter.asked.first().text.startsWith(m_test->settings->location()));
        } else {
            // Nothing is written over it either.
            clickOption(child<QRadioButton>("optRun"));
            QCOMPARE(m_test->prompter.asked.size(), 1);
            QCOMPARE(m_test->prompter.asked.first().text,
                     u"Error 17 setting key\n%1 is not a regular file."_qs.arg(path));
            QVERIFY(child<QRadioButton>("optDontRun")->isChecked());
        }
        m_window->mnuExit_Click();
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    }

    void copiesThatCannotHandOverSaySo()
    {
        // The first copy is this very process, which cannot answer while the second waits.
        const QString name = u"zorvan-test-%1"_qs.arg(QCoreApplication::applicationPid());
        {
            SingleInstance firstInstance(name);
            frmAll first(m_test->services(), &firstInstance);
            QVERIFY(first.Form_Load());
            first.saveSettings();
            const QByteArray before = fileBytes(m_test->settingsFile());

            SingleInstance secondInstance(name);
            secondInstance.setAnswerTime(300ms);
            auto second = std::make_unique<frmAll>(m_test->services(), &secondInstance);
            // The second copy changes a setting before it finds the first; none of it is
            // written, not even as it ends (tests/e2e show the first copy coming back).
            second->findChild<QRadioButton*>(u"optMessage(1)"_qs)->setChecked(true);
            QVERIFY(!second->Form_Load() && !second->isVisible());
            second.reset();
            QCOMPARE(fileBytes(m_test->settingsFile()), before);
            QCOMPARE(m_test->prompter.asked.size(), 1);
            QVERIFY(m_test->prompter.asked.first().text.contains(
                u"(process %1)"_qs.arg(QCoreApplication::applicationPid())));
        }

        // Another user's program holds the name: this copy cannot tell, starts, and says so.
        const char* whyNot = nullptr;
        const std::shared_ptr<void> foreign = SystemActions::holdAsAnotherUser(name, &whyNot);
        if (whyNot)
            QSKIP(whyNot);
        QVERIFY(foreign);
        SingleInstance instance(name);
        m_window = std::make_unique<frmAll>(m_test->services(), &instance);
        QVERIFY(m_window->Form_Load() && m_window->isVisible());
        QCOMPARE(m_test->prompter.asked.size(), 2);
        QVERIFY(m_test->prompter.asked.last().text.contains(u"cannot tell"_qs));
    }

    void startWithTheSession()
    {
        // No entry: whatever the stored tray choice, it is greyed out and off, and a start
        // with the session shows the window.
        m_test->settings->setValue(u"RunAtSysTray"_qs, u"True"_qs);
        m_test->arguments = {u"--data-dir"_qs, u"/x"_qs, u"/STARTUP"_qs};
        QVERIFY(load());
        auto* sysTray = child<QCheckBox>("chkSysTray");
        QVERIFY(child<QRadioButton>("optDontRun")->isChecked());
        QVERIFY(!sysTray->isEnabled() && !sysTray->isChecked());
        QVERIFY(m_window->isVisible() && !m_window->isMinimized());

        // The entry starts this program; the tray choice is stored at once, without a save,
        // and goes with the entry.
        clickOption(child<QRadioButton>("optRun"));
        const std::optional<QString> command = m_test->startupCommand();
        QVERIFY(command && command->contains(QDir::toNativeSeparators(
                               m_test->services().programFolder + u"/ZorvanTest"_qs)));
        clickOption(sysTray);
        QCOMPARE(stored(u"RunAtSysTray"_qs), u"True"_qs);
        clickOption(child<QRadioButton>("optDontRun"));
        QVERIFY(!m_test->startupCommand());
        QVERIFY(!sysTray->isEnabled() && !sysTray->isChecked());
        QCOMPARE(stored(u"RunAtSysTray"_qs), u"False"_qs);
        clickOption(child<QRadioButton>("optRun"));

        // The user's next start shows the choice; only the text the program writes counts,
        // and the choice shown is the choice saved.
        m_test->arguments = {};
        for (const QString& text : {u"True"_qs, u"true"_qs}) {
            m_window.reset();
            m_test->settings->setValue(u"RunAtSysTray"_qs, text);
            QVERIFY(load());
            sysTray = child<QCheckBox>("chkSysTray");
            QVERIFY(child<QRadioButton>("optRun")->isChecked() && sysTray->isEnabled());
            QCOMPARE(sysTray->isChecked(), text == u"True"_qs);
            m_window->mnuExit_Click();
            QCOMPARE(stored(u"RunAtSysTray"_qs), text == u"True"_qs ? u"True"_qs : u"False"_qs);
        }
    }

    void commandLine_data()
    {
        // The real program, with no display within reach unless its arguments name one.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");   // a part of it
        QTest::addColumn<QString>("error"); // its end: Qt may warn before
        const QString version = u"ZorvanFreeSubliminalMessageSoftware 1.50\n"_qs;
        const QString program = QStringLiteral(ZORVAN_EXECUTABLE);
        QTest::newRow("help") << QStringList{u"-h"_qs} << 0 << u"[/STARTUP]"_qs << QString();
        // The window system's options are left for it; the rest is read again without them.
        QTest::newRow("window system option")
            << QStringList{u"-platform"_qs, u"offscreen"_qs, u"--version"_qs} << 0 << version
            << QString();
        QTest::newRow("unknown beside window system options")
            << QStringList{u"-style"_qs, u"fusion"_qs, u"--frobnicate"_qs, u"-session"_qs, u"s1"_qs}
            << 2 << QString()
            << u"Unknown option 'frobnicate'.\nTry 'ZorvanFreeSubliminalMessageSoftware --help' "
               "for the options.\n"_qs;
        QTest::newRow("data folder empty") << QStringList{u"--data-dir"_qs, QString()} << 2
                                           << QString() << u"--data-dir needs a folder.\n"_qs;
        // No display: one line, not the advice to reinstall the program.
        QTest::newRow("no display")
            << QStringList() << 2 << QString()
            << u"No display could be opened (could not connect to display).\n"_qs;
        // A data folder that cannot be had would lose every change made in it.
        QTest::newRow("data folder is a file")
            << QStringList{u"-platform"_qs, u"offscreen"_qs, u"--data-dir"_qs, program} << 2
            << QString()
            << u"Cannot use %1 as the data folder.\n"_qs.arg(QDir::toNativeSeparators(program));
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        if (QTest::currentDataTag() == QByteArrayView("no display") &&
            SystemActions::noDisplayToLose)
            QSKIP(SystemActions::noDisplayToLose);
        QFETCH(QString, out);
        QFETCH(QString, error);

        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME",
                                 "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(u"HOME"_qs, home.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZORVAN_EXECUTABLE), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QTEST(program.exitCode(), "exitCode");
        // Lines end in CR LF on the Windows terminal.
        const QString output =
            QString::fromLocal8Bit(program.readAllStandardOutput()).remove(u'\r');
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError()).remove(u'\r');
        QVERIFY2(output.contains(out), qPrintable(output));
        QVERIFY2(errors.endsWith(error), qPrintable(errors));
    }

    void storedOptions_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // the option as loaded, in its stored form
        QTest::newRow("days with commas") << u"ActiveDays"_qs << u"1, 3"_qs << u"13"_qs;
        QTest::newRow("day 8") << u"ActiveDays"_qs << u"18"_qs << u"1234567"_qs;
        QTest::newRow("no day") << u"ActiveDays"_qs << u""_qs << u"1234567"_qs;
        QTest::newRow("25 o'clock") << u"ActiveFrom"_qs << u"25:00"_qs << u"09:00"_qs;
        QTest::newRow("a time") << u"ActiveTo"_qs << u"06:30"_qs << u"06:30"_qs;
        QTest::newRow("yes is no Boolean") << u"AlwaysShowIcon"_qs << u"yes"_qs << u"False"_qs;
        QTest::newRow("1 is true") << u"SkipOverFullScreen"_qs << u"1"_qs << u"True"_qs;
    }

    void storedOptions()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        m_test->settings->setValueIn(u"Options"_qs, key, text);
        OptionsStore::save(*m_test->settings, OptionsStore::load(*m_test->settings));
        QTEST(m_test->reopenSettings()->valueIn(u"Options"_qs, key).value_or(u"-"_qs), "read");
    }

    void screenChoice_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QList<QRect>>("places");
        const QRect primary(0, 0, 1920, 1080), left(-1280, 200, 1280, 1024);
        QTest::newRow("primary") << u"Primary"_qs << QPoint() << QList<QRect>{primary};
        QTest::newRow("unknown text") << u"Other"_qs << QPoint() << QList<QRect>{primary};
        QTest::newRow("every, mirrored once")
            << u"Every"_qs << QPoint() << QList<QRect>{primary, left};
        QTest::newRow("pointer on the left")
            << u"Pointer"_qs << QPoint(-5, 300) << QList<QRect>{left};
        QTest::newRow("pointer off every screen")
            << u"Pointer"_qs << QPoint(-5, 5) << QList<QRect>{primary};
        QTest::newRow("named") << u"Screen:DP-2"_qs << QPoint() << QList<QRect>{left};
        QTest::newRow("named, gone") << u"Screen:HDMI-1"_qs << QPoint() << QList<QRect>{primary};
    }

    void screenChoice()
    {
        QFETCH(QString, choice);
        QFETCH(QPoint, pointer);
        const QList<ScreenChoice::Screen> screens{{u"DP-1"_qs, {0, 0, 1920, 1080}},
                                                  {u"DP-2"_qs, {-1280, 200, 1280, 1024}},
                                                  {u"DP-3"_qs, {0, 0, 1920, 1080}}};
        QTEST(ScreenChoice::pick(choice, screens, pointer), "places");
        QVERIFY(ScreenChoice::pick(choice, {}, pointer).isEmpty());
    }

    void iconMenuStartsStopsAndPausesAcrossRestarts()
    {
        writeMessageFiles(m_test->dataFolder(), {{u"Calm"_qs, "\"A\",#TRUE#\r\n"}});
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 6), QTime(9, 30, 20)));
        QVERIFY(load());
        QVERIFY(!child<QMenu>("mnuPause")->isEnabled());

        // The icon's item starts the display as the button does.
        trigger("mnuStartStop");
        QVERIFY(scheduler()->isRunning());
        QCOMPARE(child<QPushButton>("cmdNext")->text(), u"Stop"_qs);
        QVERIFY(!child<QAction>("mnuResume")->isEnabled());

        // A pause: nothing shown, the display asleep until its end; the buttons say so.
        trigger("mnuPause15");
        QCOMPARE(caption(), u"Stop (paused until 09:46)"_qs);
        QCOMPARE(child<QPushButton>("cmdNext")->text(), caption());
        QCOMPARE(tick(), QString());
        QCOMPARE(scheduler()->intervalTimer().interval(), 600000); // looks again after ten minutes
        QCOMPARE(storedPause(),
                 QDateTime(QDate(2026, 3, 6), QTime(9, 46)).toUTC().toString(Qt::ISODate));

        // The end is kept: a restart before it is still paused, until the end.
        m_window->mnuExit_Click();
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 6), QTime(9, 41)));
        QVERIFY(restart());
        QVERIFY(scheduler()->isRunning());
        QCOMPARE(caption(), u"Stop (paused until 09:46)"_qs);
        QCOMPARE(tick(), QString());
        QCOMPARE(scheduler()->intervalTimer().interval(), 5 * 60000);
        // It ends by itself.
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 6), QTime(9, 46)));
        QCOMPARE(tick(), u"A"_qs);
        QCOMPARE(caption(), u"Stop"_qs);
        QCOMPARE(storedPause(), std::nullopt);

        // A pause that ended while the program was away is gone at the next start.
        trigger("mnuPauseTomorrow");
        QCOMPARE(caption(), u"Stop (paused until Sat 00:00)"_qs);
        m_window->mnuExit_Click();
        m_test->clock.setNow(QDateTime(QDate(2026, 3, 7), QTime(8, 0)));
        QVERIFY(restart());
        QCOMPARE(caption(), u"Stop"_qs);
        QCOMPARE(storedPause(), std::nullopt);
        QCOMPARE(tick(), u"A"_qs);

        // Resume ends a pause at once (tst_e2e sees the messages come again); so does
        // a stop, which the icon's item says.
        trigger("mnuPause60");
        trigger("mnuResume");
        QCOMPARE(caption(), u"Stop"_qs);
        trigger("mnuPause60");
        trigger("mnuStartStop");
        QVERIFY(!scheduler()->isRunning());
        QCOMPARE(child<QAction>("mnuStartStop")->text(), u"&Start Showing Subliminal Messages"_qs);
        QCOMPARE(storedPause(), std::nullopt);
    }

    void dialogKeepsItsOwnSectionAndCounts()
    {
        writeMessageFiles(m_test->dataFolder(), {{u"Calm"_qs, "\"A\",#TRUE#\r\n"}});
        QVERIFY(load());
        click("cmdStart");
        QCOMPARE(tick(), u"A"_qs);
        QCOMPARE(tick(), u"A"_qs);
        const auto displaySettings = [this] {
            // Its section alone, wherever the system's settings file puts it.
            const QByteArray ini = fileBytes(m_test->settingsFile());
            const qsizetype start = ini.indexOf("[Settings]");
            const qsizetype end = ini.indexOf("\n[", start);
            return ini.mid(start, end < 0 ? -1 : end - start).trimmed();
        };
        const QByteArray settingsBefore = displaySettings();

        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // Each control has an access key and says what it does.
            static const QRegularExpression control(u"^(chk|cbo|txt|lvw)"_qs);
            for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
                if (control.match(widget->objectName()).hasMatch())
                    QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
            }
            for (const QCheckBox* box : dialog->findChildren<QCheckBox*>())
                QVERIFY2(box->text().contains(u'&'), qPrintable(box->text()));
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                QVERIFY(!label->buddy() || label->text().contains(u'&'));
            // What was shown: two messages of "Calm" today.
            auto* counts = ::child<QTreeWidget>(dialog, "lvwStatistics");
            QCOMPARE(counts->topLevelItemCount(), 2);
            QCOMPARE(counts->topLevelItem(1)->text(0), u"Calm"_qs);
            QCOMPARE(counts->topLevelItem(1)->text(1), u"2"_qs);
            QCOMPARE(counts->topLevelItem(0)->text(3), u"2"_qs);

            ::child<QCheckBox>(dialog, "chkAlwaysShowIcon")->setChecked(true);
            ::child<QCheckBox>(dialog, "chkActiveHours")->setChecked(true);
            // The last day of the week cannot be unchecked: no day would mean no message.
            for (int day = 1; day <= 7; ++day)
                ::child<QCheckBox>(dialog, qPrintable(u"chkDay(%1)"_qs.arg(day)))
                    ->setChecked(false);
            auto* screens = ::child<QComboBox>(dialog, "cboScreens");
            screens->setCurrentIndex(screens->findData(ScreenChoice::every()));
            checked = true;
            dialog->accept();
        });
        click("cmdOptions");
        QVERIFY(checked);
        QVERIFY(trayIcon()->isVisible());
        QCOMPARE(displaySettings(), settingsBefore);
        const auto area = m_test->reopenSettings();
        QCOMPARE(area->valueIn(u"Options"_qs, u"Screens"_qs), std::optional(u"Every"_qs));
        QCOMPARE(area->valueIn(u"Options"_qs, u"ActiveDays"_qs), std::optional(u"7"_qs));

        // The counts reach their file at a stop; the icon stays while the window shows.
        QCOMPARE(fileBytes(m_test->path(u"statistics.txt"_qs)), QByteArray("<missing>"));
        click("cmdStart");
        QCOMPARE(fileBytes(m_test->path(u"statistics.txt"_qs)),
                 m_test->clock.today().toString(Qt::ISODate).toLatin1() + "\tCalm\t2\n");
        child<QAction>("mnuPop")->trigger();
        QVERIFY(trayIcon()->isVisible());
    }

    // The settings store and the update reminder, the help, read and written without the window.
    void nothingStoredLoadsTheDefaults()
    {
        // tst_app saves every key and reads it back through the page.
        DisplaySettings settings{.intervalPosition = 7,
                                 .font = {.name = u"Arial"_qs, .bold = true}};
        SettingsStore::load(*m_test->settings, settings);
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
        m_test->settings->setValue(key, text);
        DisplaySettings settings{.intervalPosition = 9,
                                 .font = {.name = u"Arial"_qs, .size = 12, .bold = true}};
        SettingsStore::load(*m_test->settings, settings);
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
        // (tst_e2e ends the program while the question is open: it comes again.)
    }

    void updateReminder()
    {
        QFETCH(QString, stored);
        QFETCH(bool, answer);
        QFETCH(bool, asks);
        QFETCH(bool, rewrites);

        // Today is 3 March 2026, 09:30.
        const QString key = QLatin1String(UpdateReminder::key);
        if (!stored.isEmpty())
            m_test->settings->setValue(key, stored);
        m_test->prompter.answer(answer ? Prompter::Answer::Yes : Prompter::Answer::No);
        UpdateReminder(*m_test->settings, m_test->clock, m_test->prompter, m_test->web)
            .CheckUpdateReminder();

        QCOMPARE(m_test->prompter.asked.size(), asks ? 1 : 0);
        const QString now = m_test->clock.now().toString(Qt::ISODate);
        QCOMPARE(m_test->reopenSettings()->value(key).value_or(QString()), rewrites ? now : stored);
        QCOMPARE(m_test->web.opened,
                 answer ? QList<QUrl>{WebLinks::downloadPage()} : QList<QUrl>());
        if (asks)
            QCOMPARE(m_test->prompter.asked.first().buttons, Prompter::Buttons::YesNo);
    }

    void onlineHelpOpensTheInstalledManualElseTheWebPage()
    {
        // <prefix>/bin beside <prefix>/share/doc/..., so that help works without a network.
        QTemporaryDir prefix;
        const QString programFolder = prefix.filePath(u"bin"_qs);
        const QString page = QDir::cleanPath(programFolder + u'/' +
                                             QStringLiteral(ZORVAN_MANUAL_FROM_PROGRAM_FOLDER));
        RecordingWebOpener& web = m_test->web;
        ScriptedPrompter& prompter = m_test->prompter;
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

    // The program in German and in French.
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
                                   captions(::child(window, "cmdExit")->parentWidget());
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

private:
    // Made after the test library's own handler of SIGTERM, which it replaces.
    std::unique_ptr<TerminationWatcher> m_termination;
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<frmAll> m_window;

    bool load()
    {
        m_window = std::make_unique<frmAll>(m_test->services(), nullptr);
        return m_window->Form_Load();
    }
    // The next start, with the settings as the one before left them.
    bool restart()
    {
        m_window.reset();
        m_test->settings = m_test->reopenSettings();
        return load();
    }
    template <typename T = QWidget> T* child(const char* name) const
    {
        return ::child<T>(m_window.get(), name);
    }
    // The stored texts of the keys (separated by spaces) as the next start reads them,
    // joined by commas; "-" for a key that is not there.
    QString stored(const QString& keys) const
    {
        const auto area = m_test->reopenSettings();
        QStringList texts;
        for (const QString& key : keys.split(u' '))
            texts << area->value(key).value_or(u"-"_qs);
        return texts.join(u',');
    }

    void click(const char* button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    DisplayScheduler* scheduler() const { return m_window->findChild<DisplayScheduler*>(); }
    // The text of the next message, shown at the tick of the interval timer.
    QString tick() const
    {
        QSignalSpy shown(scheduler(), &DisplayScheduler::flashShown);
        scheduler()->Timer1_Timer();
        scheduler()->flashWindow()->cancel();
        scheduler()->start(scheduler()->intervalTimer().interval());
        return shown.isEmpty() ? QString() : shown.first().first().toString();
    }

    QSystemTrayIcon* trayIcon() const { return m_window->findChild<QSystemTrayIcon*>(); }
    void trigger(const char* action) const { child<QAction>(action)->trigger(); }
    QString caption() const { return child<QPushButton>("cmdStart")->text(); }
    std::optional<QString> storedPause() const
    {
        return m_test->reopenSettings()->valueIn(u"Options"_qs, u"PauseUntil"_qs);
    }
};

QTEST_MAIN(tst_App)
#include "tst_app.moc"
