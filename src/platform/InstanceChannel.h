// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <memory>

// How the copies of the program that one user runs find each other: the first copy
// listens under a name of its own user and later copies connect to it. Nothing of it
// lives in a folder, so nothing can be left behind by a copy that crashed or be removed
// from under a running one: on Linux the name is an abstract socket name, on Windows a
// named pipe beside a named mutex. The system lets go of both when the process ends,
// however it ends.
namespace InstanceChannel {

// The name for the application (the executable's base name) and the user running it.
QString name(const QString& applicationName);
QLocalServer::SocketOptions serverOptions();
QLocalSocket::SocketOptions socketOptions();

// Where listening under the name is not exclusive by itself, an exclusive hold on it
// for as long as the handle lives.
struct Hold {
    enum class Result {
        Held,    // this process holds the name (or listening alone decides)
        Taken,   // another process of this user holds it
        Unknown, // the system would not say
    };
    Result result = Result::Unknown;
    std::shared_ptr<void> handle;
};
Hold hold(const QString& name);

// The process at the other end of a connected socket, as the system tells it:
// peerListens is true for a socket that connected to a listening copy, false for one
// that the listening copy accepted.
struct Peer {
    qint64 processId = 0; // 0: the system would not say
    bool sameUser = false;
};
Peer peerOf(const QLocalSocket& socket, bool peerListens);

} // namespace InstanceChannel
