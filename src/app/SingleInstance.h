// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

// Makes sure the user runs one copy of the program. The first copy listens under a
// name of its user for its whole life; a later copy finds the name taken and asks the
// first, through it, to bring its window forward. Taking the name is atomic, so two
// copies started at the same moment still leave exactly one, and the system frees it
// when its holder ends, so a copy that crashed never blocks a start.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Claim {
        First,  // this copy holds the name and listens for later ones
        Taken,  // another copy of this user holds it
        Unsure, // the name could not be had, nor its holder be told: a second copy
                // cannot be ruled out
    };
    // What became of a request to the first copy.
    struct Handover {
        bool answered = false;
        qint64 processId = 0; // the first copy's, 0 when not known
    };

    // name: what copies of the program for this user meet under.
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The name for the application and the user who runs it.
    static QString nameFor(const QString& applicationName);

    Claim claim();
    // Run by a later copy after claim() found the name Taken: asks the first copy to
    // show its window and waits for its answer, at most the answer time (3 s unless set)
    // or until giveUp()
    // holds.
    Handover askFirstCopyToActivate(const std::function<bool()>& giveUp = {});
    void setAnswerTime(std::chrono::milliseconds time) { m_answerTime = time; }

Q_SIGNALS:
    // A later copy has asked this one to bring its window forward.
    void activationRequested();

private:
    // A connection to the copy that listens under the name, when it is this user's.
    std::unique_ptr<QLocalSocket> connectToFirstCopy(std::chrono::milliseconds timeout,
                                                     bool* foreign = nullptr) const;
    void listen();

    QString m_name;
    std::chrono::milliseconds m_answerTime = std::chrono::seconds(3);
    std::shared_ptr<void> m_hold;
    std::unique_ptr<QLocalServer> m_server;
    std::unique_ptr<QLocalSocket> m_firstCopy;
};
