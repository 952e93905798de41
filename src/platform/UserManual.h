// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The user manual that comes with the program, so that help needs no network.
class UserManual {
public:
    // The manual's front page for a program whose executable is in programFolder, or an
    // empty string when there is none. It is installed under the shared documentation
    // folder (<prefix>/share/doc/<package>/manual for a program in <prefix>/bin); a build
    // tree holds a copy at the same place relative to the executable.
    static QString find(const QString& programFolder);
};
