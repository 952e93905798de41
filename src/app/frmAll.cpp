// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAll.h"

#include "app/MainMenus.h"
#include "app/OptionsControl.h"
#include "app/SingleInstance.h"
#include "app/modUtlts.h"
#include "display/DisplayScheduler.h"
#include "goals/GoalsPage.h"
#include "library/MessageLibrary.h"
#include "library/ProgramsPage.h"
#include "platform/ApplicationTitle.h"
#include "platform/Prompter.h"
#include "platform/SettingsArea.h"
#include "platform/TerminationWatcher.h"
#include "settings/SettingsPage.h"
#include "settings/SettingsStore.h"
#include "settings/StartupOptions.h"
#include "settings/TrayIcon.h"
#include "settings/UpdateReminder.h"
#include "widgets/ProgramColour.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The window's client area as designed: 8370 by 7005 twips at 15 twips to the pixel.
constexpr QSize designedClientSize(558, 467);

} // namespace

frmAll::frmAll(const Services& services, SingleInstance* instance, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_instance(instance)
    , UserControl1(new QTabWidget)
    , m_goalsPage(new GoalsPage(m_services))
    , m_programsPage(new ProgramsPage(services.dataFolder, *services.prompter, *services.dialogs))
    , m_settingsPage(new SettingsPage(*services.dialogs))
    , m_startupOptions(new StartupOptions(*m_settingsPage, m_services, this))
    , m_menus(new MainMenus(*this, m_services))
{
    setObjectName(QStringLiteral("frmAll"));
    setWindowTitle(applicationCaption());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    QFont windowFont(QStringLiteral("Verdana"));
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    UserControl1->setObjectName(QStringLiteral("UserControl1"));
    m_goalsPage->setObjectName(QStringLiteral("pageGoals"));
    m_programsPage->setObjectName(QStringLiteral("pagePrograms"));
    m_settingsPage->setObjectName(QStringLiteral("pageSettings"));
    UserControl1->addTab(m_goalsPage, tr("My Personal Goals"));
    UserControl1->addTab(m_programsPage, tr("Programs"));
    UserControl1->addTab(m_settingsPage, tr("Settings"));
    // The pages keep the system's colours; the window around them has its own.
    QPalette pagesPalette = UserControl1->palette();
    const QPalette standard = QGuiApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::Window, QPalette::WindowText})
            pagesPalette.setColor(group, role, standard.color(group, role));
    }
    UserControl1->setPalette(pagesPalette);

    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("frmAllClient"));
    setPaletteColour(central, QPalette::Window, programColour());
    setPaletteColour(central, QPalette::WindowText, Qt::white);
    central->setAutoFillBackground(true);
    central->setMinimumSize(designedClientSize);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(UserControl1, 1);
    layout->addWidget(m_menus->foot());
    setCentralWidget(central);

    m_trayIcon = new TrayIcon(*this, m_menus->trayMenu(), this);
    connect(m_menus, &MainMenus::showChosen, m_trayIcon, &TrayIcon::mnuPop_Click);
    connect(m_menus, &MainMenus::pageChosen, UserControl1, &QTabWidget::setCurrentIndex);
    connect(m_menus, &MainMenus::exitChosen, this, &frmAll::mnuExit_Click);
    connect(m_menus, &MainMenus::exitProgramPressed, this, &frmAll::cmdExit_Click);
    connect(m_menus, &MainMenus::startPressed, this, &frmAll::cmdStart_Click);
    connect(m_settingsPage, &SettingsPage::homePageClicked, m_menus, &MainMenus::OpenHomePage);
    connect(m_goalsPage, &GoalsPage::homePageClicked, m_menus, &MainMenus::OpenHomePage);
    connect(m_programsPage, &ProgramsPage::homePageClicked, m_menus, &MainMenus::OpenHomePage);
    m_display = new DisplayScheduler(
        m_messagePool, *m_services.random,
        [page = m_settingsPage] {
            return DisplayOptions{.durationMilliseconds = page->durationMilliseconds(),
                                  .randomOrder = page->randomOrder(),
                                  .randomLocation = page->randomLocation(),
                                  .font = page->displayFont(),
                                  .color = page->displayColor()};
        },
        {}, this);
    m_options = new OptionsControl(
        m_services, *m_display, *m_trayIcon, m_menus->trayMenu(), m_menus->showItem(),
        *m_settingsPage,
        {.startStop = [this] { cmdStart_Click(); },
         .setCaptions = [this](const QString& caption) { setStartCaptions(caption); }},
        this);
    connect(m_settingsPage, &SettingsPage::startClicked, this, &frmAll::cmdStart_Click);
    if (m_instance)
        connect(m_instance, &SingleInstance::activationRequested, this, &frmAll::bringToFront);
    if (m_services.termination)
        connect(m_services.termination, &TerminationWatcher::terminationRequested, this,
                &frmAll::closeBySystem);
    // The end of the desktop session: the settings are kept even if the session manager
    // ends the program without closing its window first; before they are loaded there
    // is nothing of the user's to keep.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &frmAll::saveBeforeEnd);

    adjustSize();
    setFixedSize(sizeHint());
}

frmAll::~frmAll() = default;

bool frmAll::Form_Load()
{
    m_state = State::Starting;
    const bool running = runStartupOrder();
    m_state = running ? State::Running : State::Ended;
    return running;
}

bool frmAll::endRequested() const
{
    return m_endRequested || (m_services.termination && m_services.termination->isRequested());
}

bool frmAll::runStartupOrder()
{
    // A request to end the program is heeded between the steps, and ends it without a
    // save: until the stored settings are in, a save would overwrite them with the state
    // of a window that has not read them yet.
    if (endRequested())
        return false;
    if (!m_services.settings->isStored()) {
        m_services.prompter->ask(
            this, {.text = tr("%1 is not a regular file, so the settings can neither be read "
                              "from it nor saved into it. The program goes on with its default "
                              "settings.")
                               .arg(QDir::toNativeSeparators(m_services.settings->location()))});
        if (endRequested())
            return false;
    }

    // 1. The update reminder, in every copy.
    UpdateReminder(*m_services.settings, *m_services.clock, *m_services.prompter, *m_services.web)
        .CheckUpdateReminder();
    if (endRequested())
        return false;

    // 2. One copy at a time: a later copy hands over to the first and ends.
    if (m_instance) {
        switch (m_instance->claim()) {
        case SingleInstance::Claim::First:
            break;
        case SingleInstance::Claim::Unsure:
            m_services.prompter->ask(
                this, {.text = tr("The program cannot tell whether another copy of it is "
                                  "running. If one is, end one of them: both would write the "
                                  "same files.")});
            break;
        case SingleInstance::Claim::Taken:
            m_secondCopy = true;
            handOverToFirstCopy();
            modUtlts::UnloadAllForms(this);
            return false;
        }
        if (endRequested())
            return false;
    }

    // 3, 4. The interval and duration lists with the choices that hold when the store
    // offers nothing usable.
    m_settingsPage->fillDisplayLists();

    // 5. The goals page in front.
    UserControl1->setCurrentIndex(0);

    // 6. The goals, the current ones listed.
    m_goalsPage->LoadGoalsAtStartup();
    if (endRequested())
        return false;

    // 7. Whether the program starts with the session, and then in the tray.
    m_startupOptions->showStoredChoice();
    if (endRequested())
        return false;

    // 8. The message files.
    m_programsPage->ListMessageFiles();
    if (endRequested())
        return false;

    // 9. The stored display settings, and the options beyond them.
    loadSettings();
    m_options->load();

    // 10. A start with the session and the tray option leaves only the icon.
    centreOnScreen();
    const bool inTray = m_settingsPage->sysTrayCheckBox()->isChecked() && startedWithSession();
    if (inTray)
        m_trayIcon->AddTrayIcon();

    // 11. The display resumes when it was running at the last save.
    if (bAutoDisplay)
        cmdStart_Click();
    if (endRequested())
        return false;

    // 12. The window appears, unless it waits behind its icon.
    if (!inTray)
        show();
    return true;
}

void frmAll::handOverToFirstCopy()
{
    const SingleInstance::Handover handover =
        modUtlts::ActivatePrevInstance(*m_instance, [this] { return endRequested(); });
    if (handover.answered || endRequested())
        return;
    // Ending in silence would leave the user with no window and no word why.
    const QString text =
        handover.processId != 0
            ? tr("Another copy of the program seems to be running (process %1), but it does "
                 "not answer. End it, or wait until it answers, and start the program again.")
                  .arg(handover.processId)
            : tr("Another copy of the program seems to be running, but it does not answer. End "
                 "it, or wait until it answers, and start the program again.");
    m_services.prompter->ask(nullptr, {.text = text});
}

bool frmAll::startedWithSession() const
{
    // The entry that starts the program with the session passes "/STARTUP"; it counts
    // wherever it stands, in this letter case.
    return m_services.arguments.join(QLatin1Char(' ')).contains(QStringLiteral("/STARTUP"));
}

void frmAll::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void frmAll::loadSettings()
{
    DisplaySettings settings;
    m_settingsPage->collect(settings);
    settings.autoDisplay = bAutoDisplay;
    SettingsStore::load(*m_services.settings, settings);
    m_settingsPage->apply(settings);
    bAutoDisplay = settings.autoDisplay;
}

void frmAll::saveSettings()
{
    DisplaySettings settings;
    m_settingsPage->collect(settings);
    settings.autoDisplay = bAutoDisplay;
    SettingsStore::save(*m_services.settings, settings);
}

void frmAll::cmdStart_Click()
{
    // The store keeps the state from before the click; the new one reaches it with the
    // next save.
    saveSettings();

    if (!m_display->isRunning()) {
        if (!LoadMessagePool())
            return; // no index of message files yet: nothing starts, nothing is said
        setStartCaptions(tr("Stop"));
        // The interval is read here only; a change takes effect at the next start.
        m_display->start(m_settingsPage->intervalMilliseconds());
        bAutoDisplay = true;
    } else {
        m_display->stop();
        setStartCaptions(tr("Start Showing Subliminal Messages"));
        bAutoDisplay = false;
    }
    m_options->displayStateChanged();
}

void frmAll::setStartCaptions(const QString& caption)
{
    m_settingsPage->startButton()->setText(caption);
    m_menus->setStartCaption(caption);
}

bool frmAll::LoadMessagePool()
{
    return MessageLibrary(m_services.dataFolder).LoadMessagePool(m_messagePool);
}

void frmAll::cmdExit_Click()
{
    const auto answer = m_services.prompter->ask(
        this, {.text = tr("Are you sure you want to quit?\rIf you quit then Subliminal Messages "
                          "will no be shown"),
               .buttons = Prompter::Buttons::YesNo});
    if (answer == Prompter::Answer::Yes)
        close();
}

void frmAll::mnuExit_Click()
{
    close();
}

void frmAll::closeBySystem()
{
    if (m_state == State::Starting) {
        // The start-up order stops at its next step; an open question goes unanswered.
        m_endRequested = true;
        m_services.prompter->dismissOpen();
        return;
    }
    close();
}

void frmAll::saveBeforeEnd()
{
    if (m_state == State::Running && !m_unloaded) {
        saveSettings();
        m_options->saveStatistics();
    }
}

void frmAll::bringToFront()
{
    if (m_unloaded)
        return;
    m_trayIcon->mnuPop_Click();
}

void frmAll::closeEvent(QCloseEvent* event)
{
    // A close that comes from the window system is the user's close box (or the window
    // manager's Close); one the program asks for itself is not.
    if (Form_QueryUnload(event->spontaneous() ? UnloadMode::CloseBox : UnloadMode::Program)) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

bool frmAll::Form_QueryUnload(UnloadMode mode)
{
    // The close box does not end the program: the window goes behind its icon and the
    // messages go on.
    if (mode == UnloadMode::CloseBox && !m_secondCopy && !m_unloaded) {
        m_trayIcon->AddTrayIcon();
        return true;
    }
    if (!m_secondCopy && !m_unloaded && m_state != State::Starting)
        saveSettings();
    return false;
}

void frmAll::Form_Unload()
{
    if (m_secondCopy || m_unloaded)
        return;
    if (m_state == State::Starting) {
        // Closed before the settings are in: nothing to save, and the start-up ends.
        m_endRequested = true;
        return;
    }
    saveSettings();
    m_options->saveStatistics();
    m_trayIcon->setAlwaysShown(false);
    m_trayIcon->RemoveTrayIcon();
    m_unloaded = true;
    // Whatever else is open ends with the main window; no message may follow.
    m_display->stop();
    m_menus->closeAbout();
    Q_EMIT programEnded();
}
