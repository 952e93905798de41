// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Clock;
class Prompter;
class SettingsArea;
class WebOpener;

// Once every fourteen days at the most, asks whether to look for a newer version.
class UpdateReminder {
public:
    UpdateReminder(SettingsArea& settings, const Clock& clock, Prompter& prompter, WebOpener& web);

    void CheckUpdateReminder();

    // The settings key that holds the date and time of the last reminder.
    static const char* const key;

private:
    SettingsArea& m_settings;
    const Clock& m_clock;
    Prompter& m_prompter;
    WebOpener& m_web;
};
