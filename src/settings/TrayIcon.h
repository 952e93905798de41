// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QMenu;
class QSystemTrayIcon;
class QWidget;

// The program's icon in the notification area, which stands in for the main window while
// the window is hidden: a double click on it, or "Show" on its menu, brings the window
// back; a right click opens the menu; a single click does nothing.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    // window: the window the icon stands in for; menu: the icon's right-click menu, whose
    // default item is "Show".
    TrayIcon(QWidget& window, QMenu& menu, QObject* parent = nullptr);

    // Puts the icon in the notification area and hides the window behind it. Without a
    // notification area a hidden window could not be brought back, so it is minimised to
    // the taskbar instead; the icon then appears as soon as a notification area does.
    void AddTrayIcon();
    void RemoveTrayIcon();
    // The window comes back, in front, and the icon goes.
    void mnuPop_Click();

    // With always, the icon stays in the notification area while the window shows, too.
    void setAlwaysShown(bool always);

private:
    void showIcon();

    QWidget& m_window;
    QSystemTrayIcon* m_icon;
    bool m_alwaysShown = false;
};
