// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Options.h"

class SettingsArea;

// Loads and saves the options, in the section "Options" of the settings area. A key that
// is absent, or whose text cannot be used, leaves its default.
class OptionsStore {
public:
    static Options load(const SettingsArea& area);
    // Writes every option but the pause.
    static void save(SettingsArea& area, const Options& options);
    // Writes the pause alone (it changes from the notification icon's menu); an empty
    // text removes it.
    static void savePause(SettingsArea& area, const QString& pauseUntil);
};
