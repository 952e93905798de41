// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainMenus.h"

#include "settings/frmAbout.h"
#include "settings/modHelp.h"
#include "widgets/LinkLabel.h"
#include "widgets/Named.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

QAction* namedAction(QMenu* menu, const QString& name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

MainMenus::MainMenus(QMainWindow& window, const Services& services)
    : QObject(&window)
    , m_services(services)
    , m_window(window)
{
    m_foot = buildFoot();
    buildMenus(window);

    WebOpener& web = *m_services.web;
    const auto opens = [&web](void (*page)(WebOpener&)) { return [&web, page] { page(web); }; };
    connect(mnuOnline, &QAction::triggered, this, [this] {
        modHelp::OpenOnlineHelp(*m_services.web, *m_services.prompter, m_services.programFolder,
                                &m_window);
    });
    connect(mnuVisit, &QAction::triggered, this, opens(modHelp::OpenHomePage));
    connect(mnuUpdate, &QAction::triggered, this, opens(modHelp::OpenDownloadPage));
    connect(mnuDonate, &QAction::triggered, this, opens(modHelp::OpenDonatePage));
    connect(mnuMakeMoney, &QAction::triggered, this, opens(modHelp::OpenFullBrandPage));
    connect(Command5, &QPushButton::clicked, this, opens(modHelp::OpenDonatePage));
    connect(lblCobrand, &LinkLabel::clicked, this, opens(modHelp::OpenCoBrandPage));
    connect(lblFullBrand, &LinkLabel::clicked, this, opens(modHelp::OpenFullBrandPage));
    connect(mnuAbout, &QAction::triggered, this, &MainMenus::mnuAbout_Click);

    connect(mnuGoal, &QAction::triggered, this, [this] { Q_EMIT pageChosen(0); });
    connect(mnuPrograms, &QAction::triggered, this, [this] { Q_EMIT pageChosen(1); });
    connect(mnuSettings, &QAction::triggered, this, [this] { Q_EMIT pageChosen(2); });
    connect(mnuPop, &QAction::triggered, this, &MainMenus::showChosen);
    connect(mnuExit, &QAction::triggered, this, &MainMenus::exitChosen);
    connect(mnuExit1, &QAction::triggered, this, &MainMenus::exitChosen);
    connect(cmdExit, &QPushButton::clicked, this, &MainMenus::exitProgramPressed);
    connect(cmdNext, &QPushButton::clicked, this, &MainMenus::startPressed);
}

QWidget* MainMenus::buildFoot()
{
    cmdExit = named<QPushButton>(QStringLiteral("cmdExit"), tr("E&xit Program"));
    cmdNext =
        named<QPushButton>(QStringLiteral("cmdNext"), tr("Start Showing Subliminal Messages"));
    cmdNext->setDefault(false);
    Command5 = named<QPushButton>(QStringLiteral("Command5"), tr("Donate"));
    lblFullBrand = named<LinkLabel>(
        QStringLiteral("lblFullBrand"),
        tr("Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website. Click here for more details."));
    // The designed caption doubles its ampersand so that one shows; a label shows text as is.
    lblCobrand = named<LinkLabel>(
        QStringLiteral("lblCobrand"),
        tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
           "Put your site's name &  link here. See \"Help\" for details.    Click Here for more "
           "info on co-branding."));
    lblCobrand->setTextFormat(Qt::PlainText);
    lblFullBrand->setTextFormat(Qt::PlainText);

    // Both labels lie at the same place; the co-branding one is in front.
    fraFullBrand = named<QFrame>(QStringLiteral("fraFullBrand"));
    fraFullBrand->setFrameShape(QFrame::StyledPanel);
    auto* labels = new QStackedLayout(fraFullBrand);
    labels->addWidget(lblFullBrand);
    labels->addWidget(lblCobrand);
    labels->setCurrentWidget(lblCobrand);

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

void MainMenus::buildMenus(QMainWindow& window)
{
    // The notification icon's menu is part of the window's menus but never on its bar.
    mnuPopUp = new QMenu(&window);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuPop = namedAction(mnuPopUp, QStringLiteral("mnuPop"), tr("Show"));
    mnuExit1 = namedAction(mnuPopUp, QStringLiteral("mnuExit1"), tr("Exit"));
    mnuPopUp->setDefaultAction(mnuPop);

    QMenuBar* bar = window.menuBar();
    mnuFile = bar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuGoal = namedAction(mnuFile, QStringLiteral("mnuGoal"), tr("&My Personal Goal"));
    mnuPrograms = namedAction(mnuFile, QStringLiteral("mnuPrograms"), tr("&Programs"));
    mnuSettings = namedAction(mnuFile, QStringLiteral("mnuSettings"), tr("&Settings"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnudgdgd"));
    mnuExit = namedAction(mnuFile, QStringLiteral("mnuExit"), tr("E&xit"));

    mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = namedAction(mnuHelp, QStringLiteral("mnuOnline"), tr("&Online Help"));
    mnuVisit = namedAction(mnuHelp, QStringLiteral("mnuVisit"), tr("&Visit Us Online"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuUpdate = namedAction(mnuHelp, QStringLiteral("mnuUpdate"), tr("Check for Software &Update"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    mnuAbout = namedAction(mnuHelp, QStringLiteral("mnuAbout"), tr("&About Software"));

    mnuDonate = bar->addAction(tr("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    mnuMakeMoney = bar->addAction(tr("Make Money &Online"));
    mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    mnuMakeMoney->setVisible(false);
}

void MainMenus::setStartCaption(const QString& caption)
{
    cmdNext->setText(caption);
}

void MainMenus::OpenHomePage()
{
    modHelp::OpenHomePage(*m_services.web);
}

void MainMenus::mnuAbout_Click()
{
    if (!m_about) {
        m_about = new frmAbout(&m_window);
        connect(m_about, &frmAbout::homePageClicked, this, &MainMenus::OpenHomePage);
        connect(m_about, &frmAbout::fullBrandPageClicked, this,
                [this] { modHelp::OpenFullBrandPage(*m_services.web); });
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainMenus::closeAbout()
{
    if (m_about)
        m_about->close();
}
