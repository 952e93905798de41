// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

// Hands a web address to the user's default browser. The program does not wait for it;
// tests replace it to see which address was asked for.
class WebOpener {
public:
    virtual ~WebOpener() = default;

    // False when the system has no way to open it (no browser, no opener program).
    virtual bool open(const QUrl& address);
};
