// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <optional>

// The user's entry that starts the program with the desktop session, with the argument
// "/STARTUP" so that the program can tell such a start from one by the user. On Linux
// an XDG autostart desktop entry, on Windows a value under the user's Run key; either is
// named after the executable's base name, and its presence is what counts.
class StartupEntry {
public:
    struct Failure {
        // Opening: the place that holds the entry could not be opened or created.
        // Setting: the entry itself could not be written.
        enum class Step { Opening, Setting };
        Step step = Step::Opening;
        qint64 code = 0;     // the system's error code
        QString description; // the system's text for it
    };

    // The entry of the user who runs the program.
    static std::unique_ptr<StartupEntry> forUser();

    virtual ~StartupEntry() = default;

    // Enters the program found in folder under name (enable), or removes the entry of
    // that name. Nothing on success. Removing never fails: an entry that is not there, or
    // cannot be removed, is passed over.
    virtual std::optional<Failure> set(const QString& name, const QString& folder, bool enable) = 0;
    // False for every failure to look.
    virtual bool isPresent(const QString& name) const = 0;
};
