#include "TestServices.h"
#include "app/SingleInstance.h"
#include "app/frmAll.h"
#include "platform/WebLinks.h"
#include "settings/frmAbout.h"
#include "widgets/LinkLabel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

template <typename T> T* child(QWidget* window, const char* name)
{
    auto* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no child named %s", name);
    return found;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A click on the button's own mark: the middle of a stretched radio button is empty space.
void clickOption(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? u"-"_qs : action->text());
    return texts;
}

} // namespace

class tst_frmAll : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstStartShowsTheDefaults();
    void windowFrame();
    void settingsChosenOnThePageSurviveARestart();
    void unusableStoredValuesLeaveThePageUsable_data();
    void unusableStoredValuesLeaveThePageUsable();
    void fontDialogChoiceReachesTheNextSave();
    void exitAsksFirst();
    void menuExitAndSystemCloseSaveWithoutAsking();
    void menusSwitchPagesAndOpenPages();
    void aboutBoxIsOneAtATime();
    void secondCopyActivatesTheFirstAndWritesNothing();
    void programsPageListsTheFilesAndFeedsThePool();

private:
    std::unique_ptr<TestServices> m_test;
    std::unique_ptr<frmAll> m_window;

    frmAll* load();
};

void tst_frmAll::init()
{
    m_test = std::make_unique<TestServices>();
}

void tst_frmAll::cleanup()
{
    m_window.reset();
    m_test.reset();
}

frmAll* tst_frmAll::load()
{
    m_window = std::make_unique<frmAll>(m_test->services(), nullptr);
    if (!m_window->Form_Load())
        return nullptr;
    return m_window.get();
}

void tst_frmAll::firstStartShowsTheDefaults()
{
    frmAll* window = load();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(child<QTabWidget>(window, "UserControl1")->currentIndex(), 0);

    auto* interval = child<QComboBox>(window, "cboDispInterval");
    auto* duration = child<QComboBox>(window, "cboDispDuration");
    QCOMPARE(interval->count(), 25);
    QCOMPARE(interval->itemText(0), u"2"_qs);
    QCOMPARE(interval->itemText(24), u"120"_qs);
    QCOMPARE(interval->currentText(), u"5"_qs);
    QCOMPARE(duration->count(), 8);
    QCOMPARE(duration->itemText(5), u"125"_qs);
    QCOMPARE(duration->currentText(), u"60"_qs);
    QVERIFY(child<QRadioButton>(window, "optMessage(0)")->isChecked());
    QVERIFY(child<QRadioButton>(window, "optLocation(0)")->isChecked());
    QVERIFY(child<QRadioButton>(window, "optDontRun")->isChecked());
    QVERIFY(!child<QWidget>(window, "chkSysTray")->isEnabled());

    // No question at the first start; the reminder date is kept for the next one.
    QVERIFY(m_test->prompter.asked.isEmpty());
    QVERIFY(m_test->reopenSettings()->value(u"UpdateReminder"_qs).has_value());
}

void tst_frmAll::windowFrame()
{
    frmAll* window = load();
    QCOMPARE(window->windowTitle(), u"Zorvan Subliminal Message Software v1.50"_qs);
    QVERIFY(window->centralWidget()->width() >= 558);
    QVERIFY(window->centralWidget()->height() >= 467);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->font().family(), u"Verdana"_qs);
    QCOMPARE(window->font().pointSizeF(), 8.25);

    auto* tabs = child<QTabWidget>(window, "UserControl1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), u"My Personal Goals"_qs);
    QCOMPARE(tabs->tabText(1), u"Programs"_qs);
    QCOMPARE(tabs->tabText(2), u"Settings"_qs);
    // Every page fits: nothing on the settings page is cut off.
    for (QWidget* control : tabs->widget(2)->findChildren<QWidget*>()) {
        if (control->isVisibleTo(tabs->widget(2)))
            QVERIFY2(control->size().expandedTo(control->minimumSizeHint()) == control->size(),
                     qPrintable(control->objectName()));
    }

    QCOMPARE(child<QPushButton>(window, "cmdExit")->text(), u"E&xit Program"_qs);
    QCOMPARE(child<QPushButton>(window, "cmdNext")->text(),
             u"Start Showing Subliminal Messages"_qs);
    QCOMPARE(child<QPushButton>(window, "Command5")->text(), u"Donate"_qs);
    QVERIFY(child<LinkLabel>(window, "lblCobrand")->isVisible());
    QCOMPARE(child<LinkLabel>(window, "lblCobrand")->cursor().shape(), Qt::PointingHandCursor);

    // Centred before the window manager adds its frame, whose size is not known then.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offCentre = window->frameGeometry().center() - screen.center();
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    QVERIFY(qAbs(offCentre.x()) <= frame.width() && qAbs(offCentre.y()) <= frame.height());
}

void tst_frmAll::settingsChosenOnThePageSurviveARestart()
{
    frmAll* window = load();
    window->findChild<QTabWidget*>(u"UserControl1"_qs)->setCurrentIndex(2);
    auto* interval = child<QComboBox>(window, "cboDispInterval");
    auto* duration = child<QComboBox>(window, "cboDispDuration");
    interval->setFocus();
    QTest::keyClick(interval, Qt::Key_End);  // "120"
    QTest::keyClick(duration, Qt::Key_Home); // "20"
    clickOption(child<QRadioButton>(window, "optMessage(1)"));
    clickOption(child<QRadioButton>(window, "optLocation(1)"));
    QCOMPARE(interval->currentText(), u"120"_qs);
    QCOMPARE(duration->currentText(), u"20"_qs);

    window->mnuExit_Click();
    QVERIFY(!window->isVisible());
    const auto stored = m_test->reopenSettings();
    QCOMPARE(stored->value(u"DispInterval"_qs), std::optional(u"24"_qs));
    QCOMPARE(stored->value(u"DispDuration"_qs), std::optional(u"0"_qs));
    QCOMPARE(stored->value(u"RandomMessage"_qs), std::optional(u"1"_qs));
    QCOMPARE(stored->value(u"RandomLocation"_qs), std::optional(u"1"_qs));
    QCOMPARE(stored->value(u"FontName"_qs), std::optional(u"Verdana"_qs));
    QCOMPARE(stored->value(u"FontSize"_qs), std::optional(u"10"_qs));
    QCOMPARE(stored->value(u"RunAtSysTray"_qs), std::optional(u"False"_qs));

    // The next start shows the same choices.
    m_test->settings = m_test->reopenSettings();
    window = load();
    QCOMPARE(child<QComboBox>(window, "cboDispInterval")->currentText(), u"120"_qs);
    QCOMPARE(child<QComboBox>(window, "cboDispDuration")->currentText(), u"20"_qs);
    QVERIFY(child<QRadioButton>(window, "optMessage(1)")->isChecked());
    QVERIFY(child<QRadioButton>(window, "optLocation(1)")->isChecked());
}

void tst_frmAll::unusableStoredValuesLeaveThePageUsable_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<bool>("randomOrder");

    QTest::newRow("interval 2 s") << "DispInterval"
                                  << "0"
                                  << "2"
                                  << "60" << true;
    QTest::newRow("interval past the list") << "DispInterval"
                                            << "30"
                                            << "5"
                                            << "60" << true;
    QTest::newRow("interval below -1") << "DispInterval"
                                       << "-2"
                                       << "5"
                                       << "60" << true;
    QTest::newRow("interval -1 clears") << "DispInterval"
                                        << "-1"
                                        << ""
                                        << "60" << true;
    QTest::newRow("interval garbage") << "DispInterval"
                                      << "\x01\x02"
                                      << "5"
                                      << "60" << true;
    QTest::newRow("duration 8") << "DispDuration"
                                << "8"
                                << "5"
                                << "60" << true;
    QTest::newRow("duration 7") << "DispDuration"
                                << "7"
                                << "5"
                                << "200" << true;
    QTest::newRow("order 2") << "RandomMessage"
                             << "2"
                             << "5"
                             << "60" << true;
    QTest::newRow("order 1") << "RandomMessage"
                             << "1"
                             << "5"
                             << "60" << false;
    QTest::newRow("order word") << "RandomMessage"
                                << "one"
                                << "5"
                                << "60" << true;
}

void tst_frmAll::unusableStoredValuesLeaveThePageUsable()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, interval);
    QFETCH(QString, duration);
    QFETCH(bool, randomOrder);

    m_test->settings->setValue(key, text);
    frmAll* window = load();
    auto* intervalList = child<QComboBox>(window, "cboDispInterval");
    QCOMPARE(intervalList->currentText(), interval);
    QCOMPARE(child<QComboBox>(window, "cboDispDuration")->currentText(), duration);
    QCOMPARE(child<QRadioButton>(window, "optMessage(0)")->isChecked(), randomOrder);
    QCOMPARE(child<QRadioButton>(window, "optMessage(1)")->isChecked(), !randomOrder);

    // Whatever was stored, the user can still pick a value.
    QVERIFY(intervalList->isEnabled());
    intervalList->setFocus();
    QTest::keyClick(intervalList, Qt::Key_Home);
    QCOMPARE(intervalList->currentText(), u"2"_qs);
}

void tst_frmAll::fontDialogChoiceReachesTheNextSave()
{
    m_test->settings->setValue(u"FontName"_qs, u"DejaVu Serif"_qs);
    m_test->settings->setValue(u"FontSize"_qs, u"14"_qs);
    frmAll* window = load();
    window->findChild<QTabWidget*>(u"UserControl1"_qs)->setCurrentIndex(2);
    auto* font = child<QPushButton>(window, "cmdFont");

    // Cancel takes nothing over.
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QComboBox*>(u"style"_qs)->setCurrentIndex(2);
        dialog->reject();
    });
    QTest::mouseClick(font, Qt::LeftButton);
    window->cmdSaveSettings_Click();
    QCOMPARE(m_test->reopenSettings()->value(u"FontBold"_qs), std::optional(u"False"_qs));

    // The dialog opens on the current choice; OK takes face, style, size, effects and colour.
    QString shownSize;
    QTimer::singleShot(0, this, [&shownSize] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shownSize = dialog->findChild<QComboBox*>(u"size"_qs)->currentText();
        dialog->findChild<QComboBox*>(u"style"_qs)->setCurrentIndex(3); // bold italic
        auto* colour = dialog->findChild<QComboBox*>(u"color"_qs);
        colour->setCurrentIndex(colour->findText(u"Red"_qs));
        dialog->findChild<QCheckBox*>()->setChecked(true); // strikeout
        dialog->accept();
    });
    QTest::mouseClick(font, Qt::LeftButton);
    QCOMPARE(shownSize, u"14"_qs);
    window->cmdSaveSettings_Click();
    const auto stored = m_test->reopenSettings();
    QCOMPARE(stored->value(u"FontName"_qs), std::optional(u"DejaVu Serif"_qs));
    QCOMPARE(stored->value(u"FontSize"_qs), std::optional(u"14"_qs));
    QCOMPARE(stored->value(u"FontBold"_qs), std::optional(u"True"_qs));
    QCOMPARE(stored->value(u"FontItalic"_qs), std::optional(u"True"_qs));
    QCOMPARE(stored->value(u"Strikethrough"_qs), std::optional(u"True"_qs));
    QCOMPARE(stored->value(u"Underline"_qs), std::optional(u"False"_qs));
    QCOMPARE(stored->value(u"FontColor"_qs), std::optional(u"255"_qs));
}

void tst_frmAll::exitAsksFirst()
{
    frmAll* window = load();
    QSignalSpy ended(window, &frmAll::programEnded);
    auto* exit = child<QPushButton>(window, "cmdExit");

    m_test->prompter.answer(Prompter::Answer::No);
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(window->isVisible());
    QCOMPARE(ended.count(), 0);
    QVERIFY(!m_test->reopenSettings()->value(u"AutoDisplay"_qs).has_value());

    m_test->prompter.answer(Prompter::Answer::Yes);
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(ended.count(), 1);
    QCOMPARE(m_test->reopenSettings()->value(u"AutoDisplay"_qs), std::optional(u"False"_qs));

    QCOMPARE(m_test->prompter.asked.size(), 2);
    const Prompter::Message& question = m_test->prompter.asked.first();
    QCOMPARE(question.text, u"Are you sure you want to quit?\r"
                            "If you quit then Subliminal Messages will no be shown"_qs);
    QCOMPARE(question.buttons, Prompter::Buttons::YesNo);
    QCOMPARE(question.icon, Prompter::Icon::None);
    QVERIFY(question.title.isEmpty()); // the program's title
}

void tst_frmAll::menuExitAndSystemCloseSaveWithoutAsking()
{
    for (const bool bySystem : {false, true}) {
        init();
        frmAll* window = load();
        QSignalSpy ended(window, &frmAll::programEnded);
        if (bySystem)
            window->closeBySystem();
        else
            window->findChild<QAction*>(u"mnuExit"_qs)->trigger();
        QCOMPARE(ended.count(), 1);
        QVERIFY(m_test->prompter.asked.isEmpty());
        QCOMPARE(m_test->reopenSettings()->value(u"DispDuration"_qs), std::optional(u"2"_qs));
        cleanup();
    }
}

void tst_frmAll::menusSwitchPagesAndOpenPages()
{
    frmAll* window = load();
    auto* tabs = child<QTabWidget>(window, "UserControl1");
    auto* file = child<QMenu>(window, "mnuFile");
    auto* help = child<QMenu>(window, "mnuHelp");
    QCOMPARE(menuTexts(file), (QStringList{u"&My Personal Goal"_qs, u"&Programs"_qs,
                                           u"&Settings"_qs, u"-"_qs, u"E&xit"_qs}));
    QCOMPARE(menuTexts(help),
             (QStringList{u"&Online Help"_qs, u"&Visit Us Online"_qs, u"-"_qs,
                          u"Check for Software &Update"_qs, u"-"_qs, u"&About Software"_qs}));
    QStringList bar;
    for (QAction* action : window->menuBar()->actions()) {
        if (action->isVisible())
            bar << action->text();
    }
    QCOMPARE(bar, (QStringList{u"&File"_qs, u"&Help"_qs, u"&Donate"_qs}));
    QCOMPARE(menuTexts(child<QMenu>(window, "mnuPopUp")), (QStringList{u"Show"_qs, u"Exit"_qs}));
    QCOMPARE(child<QMenu>(window, "mnuPopUp")->defaultAction()->objectName(), u"mnuPop"_qs);

    const auto trigger = [window](const char* name) {
        window->findChild<QAction*>(QLatin1String(name))->trigger();
    };
    trigger("mnuSettings");
    QCOMPARE(tabs->currentIndex(), 2);
    trigger("mnuPrograms");
    QCOMPARE(tabs->currentIndex(), 1);
    trigger("mnuGoal");
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(m_test->web.opened.isEmpty());

    trigger("mnuOnline");
    trigger("mnuVisit");
    trigger("mnuUpdate");
    trigger("mnuDonate");
    QTest::mouseClick(child<QPushButton>(window, "Command5"), Qt::LeftButton);
    QTest::mouseClick(child<LinkLabel>(window, "lblCobrand"), Qt::LeftButton);
    tabs->setCurrentIndex(2);
    QTest::mouseClick(child<LinkLabel>(window, "Label19"), Qt::LeftButton);
    QCOMPARE(m_test->web.opened,
             (QList<QUrl>{WebLinks::onlineHelp(), WebLinks::homePage(), WebLinks::downloadPage(),
                          WebLinks::donatePage(), WebLinks::donatePage(), WebLinks::coBrandPage(),
                          WebLinks::homePage()}));
    for (const QUrl& address : m_test->web.opened)
        QVERIFY2(address.host().endsWith(u".example"_qs), qPrintable(address.toString()));
}

void tst_frmAll::aboutBoxIsOneAtATime()
{
    frmAll* window = load();
    auto* about = child<QAction>(window, "mnuAbout");
    about->trigger();
    about->trigger();
    const auto boxes = window->findChildren<frmAbout*>();
    QCOMPARE(boxes.size(), 1);
    frmAbout* box = boxes.first();
    QVERIFY(box->isVisible());
    QVERIFY(!box->isModal());
    QCOMPARE(box->windowTitle(), u"Zorvan Subliminal Message Software v1.50"_qs);

    QTest::mouseClick(child<LinkLabel>(box, "lblHomePage"), Qt::LeftButton);
    QTest::mouseClick(child<LinkLabel>(box, "lblCoBrand"), Qt::LeftButton);
    QCOMPARE(m_test->web.opened, (QList<QUrl>{WebLinks::homePage(), WebLinks::fullBrandPage()}));

    QPointer<frmAbout> guard(box);
    QTest::mouseClick(child<QPushButton>(box, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
    about->trigger();
    QCOMPARE(window->findChildren<frmAbout*>().size(), 1);
}

void tst_frmAll::secondCopyActivatesTheFirstAndWritesNothing()
{
    QTemporaryDir runtime;
    SingleInstance firstInstance(u"zorvan-test"_qs, runtime.path());
    frmAll first(m_test->services(), &firstInstance);
    QVERIFY(first.Form_Load());
    first.showMinimized();
    first.cmdSaveSettings_Click();
    const QByteArray before = fileBytes(m_test->settingsFile());

    SingleInstance secondInstance(u"zorvan-test"_qs, runtime.path());
    auto second = std::make_unique<frmAll>(m_test->services(), &secondInstance);
    QSignalSpy activated(&firstInstance, &SingleInstance::activationRequested);
    // The second copy changes a setting before it finds the first; none of it is written.
    second->findChild<QRadioButton*>(u"optMessage(1)"_qs)->setChecked(true);
    QVERIFY(!second->Form_Load());
    QVERIFY(second->isSecondCopy());
    QVERIFY(!second->isVisible());
    second.reset();

    QTRY_COMPARE(activated.count(), 1);
    QVERIFY(first.isVisible());
    QVERIFY(!first.isMinimized());
    QCOMPARE(fileBytes(m_test->settingsFile()), before);
}

void tst_frmAll::programsPageListsTheFilesAndFeedsThePool()
{
    const auto put = [this](const QString& relative, const QByteArray& bytes) {
        QFile file(m_test->path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    put(u"plugins/Calm.txt"_qs, "\"I am calm\",#TRUE#\r\n\"I rest\",#FALSE#\r\n");
    put(u"plugins/Work.txt"_qs, "\"I finish\",#TRUE#\r\n");
    put(u"FileNames.txt"_qs, "\"Work\",#TRUE#\r\n\"Gone\",#TRUE#\r\n\"Calm\",#TRUE#\r\n");
    frmAll* window = load();
    QVERIFY(!window->messagePool().count());

    // The start lists the files and rewrites the index in list order.
    auto* files = child<QTreeWidget>(window, "lvwDisplayFiles");
    QCOMPARE(files->topLevelItemCount(), 2);
    QCOMPARE(fileBytes(m_test->path(u"FileNames.txt"_qs)),
             QByteArray("\"Calm\",#TRUE#\r\n\"Work\",#TRUE#\r\n"));
    QVERIFY(window->LoadMessagePool());
    QCOMPARE(window->messagePool().messages(), (QStringList{u"I am calm"_qs, u"I finish"_qs}));
    QVERIFY(window->LoadMessagePool());
    QCOMPARE(window->messagePool().count(), 2);

    // The page fits the window, and its link opens the home page.
    auto* tabs = child<QTabWidget>(window, "UserControl1");
    tabs->setCurrentIndex(1);
    int controls = 0;
    for (QWidget* control : tabs->widget(1)->findChildren<QWidget*>()) {
        // The parts of a list, which it sizes itself, have no name or one of Qt's.
        if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"_qs))
            continue;
        ++controls;
        QVERIFY2(control->size().expandedTo(control->minimumSizeHint()) == control->size(),
                 qPrintable(control->objectName()));
    }
    QCOMPARE(controls, 12);
    QTest::mouseClick(child<LinkLabel>(window, "Label18"), Qt::LeftButton);
    QCOMPARE(m_test->web.opened, QList<QUrl>{WebLinks::homePage()});

    QVERIFY(QFile::remove(m_test->path(u"FileNames.txt"_qs)));
    QVERIFY(!window->LoadMessagePool());
}

QTEST_MAIN(tst_frmAll)
#include "tst_frmall.moc"
