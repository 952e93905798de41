// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <QObject>
#include <QPointer>

class LinkLabel;
class QAction;
class QFrame;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;
class frmAbout;

// The main window's menus, the notification icon's menu, and the row of buttons and
// links at the window's foot. The web pages and the about box open from here; what acts
// on the window itself is passed on as signals.
class MainMenus : public QObject {
    Q_OBJECT

public:
    MainMenus(QMainWindow& window, const Services& services);

    // The row at the foot, for the window to lay out.
    QWidget* foot() const { return m_foot; }
    QMenu& trayMenu() const { return *mnuPopUp; }
    // The tray menu's "Show", below which nothing else goes.
    QAction* showItem() const { return mnuPop; }
    void setStartCaption(const QString& caption);
    void OpenHomePage();
    void mnuAbout_Click();
    // The about box goes with the main window.
    void closeAbout();

Q_SIGNALS:
    void pageChosen(int page); // 0 goals, 1 programs, 2 settings
    void showChosen();
    void exitChosen();         // File > Exit, and Exit on the icon's menu
    void exitProgramPressed(); // "Exit Program", which asks first
    void startPressed();

private:
    QWidget* buildFoot();
    void buildMenus(QMainWindow& window);

    Services m_services;
    QWidget& m_window;
    QWidget* m_foot = nullptr;
    QPointer<frmAbout> m_about;

    QPushButton* cmdExit = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* Command5 = nullptr;
    QFrame* fraFullBrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;

    QMenu* mnuPopUp = nullptr;
    QAction* mnuPop = nullptr;
    QAction* mnuExit1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuGoal = nullptr;
    QAction* mnuPrograms = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;
};
