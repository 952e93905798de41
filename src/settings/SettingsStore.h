// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/DisplaySettings.h"

#include <QString>

class SettingsArea;

// Loads and saves the thirteen settings keys. One table holds every key with its name,
// its default and its text form; load and save walk it in order.
class SettingsStore {
public:
    // Reads every key but "RunAtSysTray" into the settings, in table order. A key that
    // is absent reads as its default; a text that cannot be converted leaves the value as
    // it was. Nothing is checked against the page's lists here: the page does that.
    static void load(const SettingsArea& area, DisplaySettings& settings);
    // Writes all thirteen keys, in table order, whether changed or not.
    static void save(SettingsArea& area, const DisplaySettings& settings);

    // "RunAtSysTray" alone, written as soon as the user changes the tray choice.
    static void saveRunAtSysTray(SettingsArea& area, bool runAtSysTray);
    // The stored tray choice, as the start-up order reads it: stricter about its text than
    // a load, only the text a save writes is true.
    static bool loadRunAtSysTray(const SettingsArea& area);

    // The key names, in the order in which they are written.
    static QStringList keys();
};
