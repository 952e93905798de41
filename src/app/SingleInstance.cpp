#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
const QByteArray activateRequest = QByteArrayLiteral("activate\n");
}

SingleInstance::SingleInstance(const QString& key, const QString& folder, QObject* parent)
    : QObject(parent)
    , m_key(key)
    , m_folder(folder)
    , m_lock(folder + QLatin1Char('/') + key + QStringLiteral(".lock"))
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::userKey(const QString& applicationName)
{
    // Local socket names on Windows are seen by every user of the machine, so the
    // user's name is part of the key.
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QByteArray hash =
        QCryptographicHash::hash(user.toUtf8(), QCryptographicHash::Sha256).toHex().left(12);
    return applicationName + QLatin1Char('-') + QString::fromLatin1(hash);
}

QString SingleInstance::userFolder()
{
#ifdef Q_OS_WIN
    return QDir::tempPath(); // per user on Windows
#else
    // The user's private runtime folder: nobody else can plant a lock or a socket there.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
#endif
}

QString SingleInstance::serverName() const
{
#ifdef Q_OS_WIN
    return m_key;
#else
    return m_folder + QLatin1Char('/') + m_key + QStringLiteral(".socket");
#endif
}

bool SingleInstance::claim()
{
    QDir().mkpath(m_folder);
    if (!m_lock.tryLock(0))
        return false;

    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file left behind belongs to a copy that is gone.
    QLocalServer::removeServer(serverName());
    m_server->listen(serverName());
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(activateRequest.trimmed()))
                    Q_EMIT activationRequested();
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool SingleInstance::askFirstCopyToActivate(int timeoutMs)
{
    // The first copy may have taken the lock a moment ago and not be listening yet.
    const QDeadlineTimer deadline(timeoutMs);
    do {
        QLocalSocket socket;
        socket.connectToServer(serverName());
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(activateRequest);
            const bool sent = socket.waitForBytesWritten(int(deadline.remainingTime()));
            socket.waitForDisconnected(int(std::min<qint64>(500, deadline.remainingTime())));
            return sent;
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return false;
}
