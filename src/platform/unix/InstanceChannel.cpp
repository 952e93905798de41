// SPDX-License-Identifier: GPL-3.0-or-later
#include "../InstanceChannel.h"

#include <QCryptographicHash>
#include <sys/socket.h>
#include <unistd.h>

namespace InstanceChannel {

QString name(const QString& applicationName)
{
    // Abstract names are shared by every user of the machine: the user's id keeps
    // theirs apart, and peerOf() tells a name another user took from one of ours. The
    // runtime folder's name (not the folder itself, which a cleaner may empty) keeps
    // apart what the system keeps apart there, such as sandboxes and test sessions.
    QString name = applicationName + QLatin1Char('-') + QString::number(::geteuid());
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        name += QLatin1Char('-') +
                QString::fromLatin1(
                    QCryptographicHash::hash(runtime, QCryptographicHash::Sha256).toHex().left(12));
    return name;
}

QLocalServer::SocketOptions serverOptions()
{
    return QLocalServer::AbstractNamespaceOption;
}

QLocalSocket::SocketOptions socketOptions()
{
    return QLocalSocket::AbstractNamespaceOption;
}

Hold hold(const QString&)
{
    // Binding an abstract name succeeds for one socket only: listening decides.
    return {.result = Hold::Result::Held, .handle = nullptr};
}

Peer peerOf(const QLocalSocket& socket, bool)
{
    ucred credentials = {};
    socklen_t length = sizeof credentials;
    if (::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials,
                     &length) != 0)
        return {};
    return {.processId = credentials.pid, .sameUser = credentials.uid == ::geteuid()};
}

} // namespace InstanceChannel
