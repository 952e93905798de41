// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Turns the system's requests to end the program (SIGTERM, SIGHUP and SIGINT on Linux, the
// end of the session on Windows) into a signal on the user-interface thread, so the program
// can close as it does when the desktop session ends: settings saved, then out.
class TerminationWatcher : public QObject {
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

    // Whether a request has come that the event loop has not delivered yet, as one that
    // came during a step that does not return to the loop.
    bool isRequested() const;

Q_SIGNALS:
    void terminationRequested();
};
