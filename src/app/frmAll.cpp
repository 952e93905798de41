#include "frmAll.h"

#include "app/OptionsControl.h"
#include "app/SingleInstance.h"
#include "app/modUtlts.h"
#include "display/DisplayScheduler.h"
#include "display/FlashPlanner.h"
#include "goals/GoalsPage.h"
#include "library/MessageLibrary.h"
#include "library/ProgramsPage.h"
#include "platform/Prompter.h"
#include "platform/SettingsArea.h"
#include "platform/TerminationWatcher.h"
#include "settings/SettingsPage.h"
#include "settings/SettingsStore.h"
#include "settings/StartupOptions.h"
#include "settings/TrayIcon.h"
#include "settings/UpdateReminder.h"
#include "settings/frmAbout.h"
#include "settings/modHelp.h"
#include "widgets/LinkLabel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The window's client area as designed: 8370 by 7005 twips at 15 twips to the pixel.
constexpr QSize designedClientSize(558, 467);
const QColor windowColor(128, 64, 64);

QAction* namedAction(QMenu* menu, const QString& name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

frmAll::frmAll(const Services& services, SingleInstance* instance, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_instance(instance)
    , UserControl1(new QTabWidget)
    , m_goalsPage(new GoalsPage(m_services))
    , m_programsPage(new ProgramsPage(services.dataFolder, *services.prompter))
    , m_settingsPage(new SettingsPage)
    , m_startupOptions(new StartupOptions(*m_settingsPage, m_services, this))
    , cmdExit(new QPushButton(tr("E&xit Program")))
    , cmdNext(new QPushButton(tr("Start Showing Subliminal Messages")))
    , Command5(new QPushButton(tr("Donate")))
    , fraFullBrand(new QFrame)
    , lblFullBrand(new LinkLabel(
          tr("Home Business Opportunity. Start your own Internet business and make money online. "
             "Get this software fully branded for your website. Click here for more details.")))
    // The designed caption doubles its ampersand so that one shows; a label shows text as is.
    , lblCobrand(new LinkLabel(
          tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
             "Put your site's name &  link here. See \"Help\" for details.    Click Here for more "
             "info on co-branding.")))
{
    setObjectName(QStringLiteral("frmAll"));
    setWindowTitle(tr("Zorvan Subliminal Message Software v1.50"));
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
    QPalette palette = central->palette();
    palette.setColor(QPalette::Window, windowColor);
    palette.setColor(QPalette::WindowText, Qt::white);
    central->setPalette(palette);
    central->setAutoFillBackground(true);
    central->setMinimumSize(designedClientSize);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(UserControl1, 1);
    layout->addWidget(buildFoot());
    setCentralWidget(central);

    buildMenus();
    connectLinks();
    m_trayIcon = new TrayIcon(*this, *mnuPopUp, this);
    connect(mnuPop, &QAction::triggered, m_trayIcon, &TrayIcon::mnuPop_Click);

    connect(cmdExit, &QPushButton::clicked, this, &frmAll::cmdExit_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmAll::cmdStart_Click);
    m_display = new DisplayScheduler(
        m_messagePool, *m_services.random,
        [page = m_settingsPage] {
            return DisplayOptions{.durationMilliseconds =
                                      FlashPlanner::durationMilliseconds(page->durationText()),
                                  .randomOrder = page->randomOrder(),
                                  .randomLocation = page->randomLocation(),
                                  .font = page->displayFont(),
                                  .color = page->displayColor()};
        },
        [] {
            const QScreen* screen = QGuiApplication::primaryScreen();
            return screen ? screen->geometry() : QRect();
        },
        this);
    m_options = new OptionsControl(
        m_services, *m_display, *m_trayIcon, *mnuPopUp, mnuPop, *m_settingsPage,
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

QWidget* frmAll::buildFoot()
{
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    Command5->setObjectName(QStringLiteral("Command5"));
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    cmdNext->setDefault(false);

    // Both labels lie at the same place; the co-branding one is in front.
    fraFullBrand->setFrameShape(QFrame::StyledPanel);
    auto* labels = new QStackedLayout(fraFullBrand);
    labels->addWidget(lblFullBrand);
    labels->addWidget(lblCobrand);
    labels->setCurrentWidget(lblCobrand);
    lblCobrand->setTextFormat(Qt::PlainText);
    lblFullBrand->setTextFormat(Qt::PlainText);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(cmdExit);
    buttons->addWidget(cmdNext, 1);
    buttons->addWidget(Command5);

    auto* foot = new QWidget;
    auto* layout = new QVBoxLayout(foot);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(fraFullBrand);
    return foot;
}

void frmAll::buildMenus()
{
    // The notification icon's menu is part of the window's menus but never on its bar.
    mnuPopUp = new QMenu(this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuPop = namedAction(mnuPopUp, QStringLiteral("mnuPop"), tr("Show"));
    mnuExit1 = namedAction(mnuPopUp, QStringLiteral("mnuExit1"), tr("Exit"));
    mnuPopUp->setDefaultAction(mnuPop);

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuGoal = namedAction(mnuFile, QStringLiteral("mnuGoal"), tr("&My Personal Goal"));
    mnuPrograms = namedAction(mnuFile, QStringLiteral("mnuPrograms"), tr("&Programs"));
    mnuSettings = namedAction(mnuFile, QStringLiteral("mnuSettings"), tr("&Settings"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnudgdgd"));
    mnuExit = namedAction(mnuFile, QStringLiteral("mnuExit"), tr("E&xit"));

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = namedAction(mnuHelp, QStringLiteral("mnuOnline"), tr("&Online Help"));
    mnuVisit = namedAction(mnuHelp, QStringLiteral("mnuVisit"), tr("&Visit Us Online"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuUpdate = namedAction(mnuHelp, QStringLiteral("mnuUpdate"), tr("Check for Software &Update"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    mnuAbout = namedAction(mnuHelp, QStringLiteral("mnuAbout"), tr("&About Software"));

    mnuDonate = menuBar()->addAction(tr("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    mnuMakeMoney = menuBar()->addAction(tr("Make Money &Online"));
    mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    mnuMakeMoney->setVisible(false);

    connect(mnuGoal, &QAction::triggered, this, [this] { UserControl1->setCurrentIndex(0); });
    connect(mnuPrograms, &QAction::triggered, this, [this] { UserControl1->setCurrentIndex(1); });
    connect(mnuSettings, &QAction::triggered, this, [this] { UserControl1->setCurrentIndex(2); });
    connect(mnuExit, &QAction::triggered, this, &frmAll::mnuExit_Click);
    connect(mnuExit1, &QAction::triggered, this, &frmAll::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmAll::mnuAbout_Click);
}

void frmAll::connectLinks()
{
    WebOpener& web = *m_services.web;
    const auto opens = [&web](void (*page)(WebOpener&)) { return [&web, page] { page(web); }; };
    connect(mnuOnline, &QAction::triggered, this, [this] {
        modHelp::OpenOnlineHelp(*m_services.web, *m_services.prompter, m_services.programFolder,
                                this);
    });
    connect(mnuVisit, &QAction::triggered, this, opens(modHelp::OpenHomePage));
    connect(mnuUpdate, &QAction::triggered, this, opens(modHelp::OpenDownloadPage));
    connect(mnuDonate, &QAction::triggered, this, opens(modHelp::OpenDonatePage));
    connect(mnuMakeMoney, &QAction::triggered, this, opens(modHelp::OpenFullBrandPage));
    connect(Command5, &QPushButton::clicked, this, opens(modHelp::OpenDonatePage));
    connect(lblCobrand, &LinkLabel::clicked, this, opens(modHelp::OpenCoBrandPage));
    connect(lblFullBrand, &LinkLabel::clicked, this, opens(modHelp::OpenFullBrandPage));
    connect(m_settingsPage, &SettingsPage::homePageClicked, this, opens(modHelp::OpenHomePage));
    connect(m_goalsPage, &GoalsPage::homePageClicked, this, opens(modHelp::OpenHomePage));
    connect(m_programsPage, &ProgramsPage::homePageClicked, this, opens(modHelp::OpenHomePage));
}

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
    cmdLoadSettings_Click();
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

void frmAll::cmdLoadSettings_Click()
{
    DisplaySettings settings;
    m_settingsPage->collect(settings);
    settings.autoDisplay = bAutoDisplay;
    SettingsStore::load(*m_services.settings, settings);
    m_settingsPage->apply(settings);
    bAutoDisplay = settings.autoDisplay;
}

void frmAll::cmdSaveSettings_Click()
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
    cmdSaveSettings_Click();

    if (!m_display->isRunning()) {
        if (!LoadMessagePool())
            return; // no index of message files yet: nothing starts, nothing is said
        setStartCaptions(tr("Stop"));
        // The interval is read here only; a change takes effect at the next start.
        m_display->start(FlashPlanner::intervalMilliseconds(m_settingsPage->intervalText()));
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
    cmdNext->setText(caption);
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
        cmdSaveSettings_Click();
        m_options->saveStatistics();
    }
}

void frmAll::bringToFront()
{
    if (m_unloaded)
        return;
    m_trayIcon->mnuPop_Click();
}

void frmAll::mnuAbout_Click()
{
    if (!m_about) {
        m_about = new frmAbout(this);
        WebOpener& web = *m_services.web;
        connect(m_about, &frmAbout::homePageClicked, this, [&web] { modHelp::OpenHomePage(web); });
        connect(m_about, &frmAbout::fullBrandPageClicked, this,
                [&web] { modHelp::OpenFullBrandPage(web); });
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void frmAll::closeEvent(QCloseEvent* event)
{
    // A close that comes from the window system is the user's close box (or the window
    // manager's Close); one the program asks for itself is not.
    const int unloadMode = event->spontaneous() ? 0 : 1;
    if (Form_QueryUnload(unloadMode)) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

bool frmAll::Form_QueryUnload(int unloadMode)
{
    // The close box does not end the program: the window goes behind its icon and the
    // messages go on.
    if (unloadMode == 0 && !m_secondCopy && !m_unloaded) {
        m_trayIcon->AddTrayIcon();
        return true;
    }
    if (!m_secondCopy && !m_unloaded && m_state != State::Starting)
        cmdSaveSettings_Click();
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
    cmdSaveSettings_Click();
    m_options->saveStatistics();
    m_trayIcon->setAlwaysShown(false);
    m_trayIcon->RemoveTrayIcon();
    m_unloaded = true;
    // Whatever else is open ends with the main window; no message may follow.
    m_display->stop();
    if (m_about)
        m_about->close();
    Q_EMIT programEnded();
}
