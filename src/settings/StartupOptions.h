// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <QObject>

class SettingsPage;

// Whether the program starts with the desktop session, and whether such a start leaves
// only the notification icon: the behaviour of the settings page's group of that name.
// Every choice acts at once, without waiting for a save.
class StartupOptions : public QObject {
    Q_OBJECT

public:
    StartupOptions(SettingsPage& page, const Services& services, QObject* parent = nullptr);

    // At start-up: shows whether the program starts with the session, and with it the
    // stored tray choice. An entry that is there is written again, so that a program that
    // was moved is started from its new place.
    void showStoredChoice();

    void optRun_Click();
    void optDontRun_Click();
    void chkSysTray_Click();

private:
    // False when the entry could not be written; the user has been told why.
    bool SetStartupEntry(bool enable);
    bool IsStartupEntryPresent() const;

    SettingsPage& m_page;
    Services m_services;
};
