#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;

// Makes sure the user runs one copy of the program. The first copy holds a lock file
// for its whole life and listens on a local socket; a later copy finds the lock taken
// and asks the first, through the socket, to bring its window forward. The lock is
// atomic, so two copies started at the same moment still leave exactly one; a lock left
// by a copy that crashed is recognised as stale and taken over.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // key names the program for this user; folder holds the lock and the socket.
    SingleInstance(const QString& key, const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The key and folder for the user who runs the program.
    static QString userKey(const QString& applicationName);
    static QString userFolder();

    // True when this is the first copy: it then holds the lock and listens for later
    // copies. False when another copy holds it.
    bool claim();
    // Run by a later copy: asks the first copy to show its window. Waits at most
    // timeoutMs for the first copy to be reachable; false when it could not be reached.
    bool askFirstCopyToActivate(int timeoutMs = 2000);

Q_SIGNALS:
    // A later copy has asked this one to bring its window forward.
    void activationRequested();

private:
    QString serverName() const;

    QString m_key;
    QString m_folder;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
