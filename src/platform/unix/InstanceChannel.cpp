#include "../InstanceChannel.h"

#include <sys/socket.h>
#include <unistd.h>

namespace InstanceChannel {

QString name(const QString& applicationName)
{
    // Abstract names are shared by every user of the machine: the user's id keeps
    // theirs apart, and peerOf() tells a name another user took from one of ours.
    return applicationName + QLatin1Char('-') + QString::number(::geteuid());
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
