// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

TrayIcon::TrayIcon(QWidget& window, QMenu& menu, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_icon(new QSystemTrayIcon(this))
{
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    m_icon->setContextMenu(&menu);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    mnuPop_Click();
            });
}

void TrayIcon::showIcon()
{
    m_icon->setIcon(m_window.windowIcon());
    m_icon->setToolTip(tr("Recent"));
    m_icon->show();
}

void TrayIcon::AddTrayIcon()
{
    showIcon();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        // Only hidden, not minimised first: a window manager may carry out the request
        // to minimise after the window is gone and bring it back minimised later.
        m_window.hide();
    } else {
        m_window.showMinimized();
    }
}

void TrayIcon::RemoveTrayIcon()
{
    if (!m_alwaysShown)
        m_icon->hide();
}

void TrayIcon::setAlwaysShown(bool always)
{
    m_alwaysShown = always;
    if (always)
        showIcon();
    else if (m_window.isVisible() && !m_window.isMinimized())
        m_icon->hide();
}

void TrayIcon::mnuPop_Click()
{
    m_window.showNormal();
    m_window.raise();
    m_window.activateWindow();
    RemoveTrayIcon();
}
