// SPDX-License-Identifier: GPL-3.0-or-later
#include "../InstanceChannel.h"

#include <QCryptographicHash>
#include <windows.h>

namespace InstanceChannel {

namespace {

// The user's security identifier as bytes, from a token opened for querying.
QByteArray userOf(HANDLE token)
{
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(qsizetype(size), Qt::Uninitialized);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        return {};
    const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.constData())->User.Sid;
    return QByteArray(reinterpret_cast<const char*>(sid), qsizetype(GetLengthSid(sid)));
}

QByteArray userOfProcess(HANDLE process)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return {};
    const QByteArray user = userOf(token);
    CloseHandle(token);
    return user;
}

} // namespace

QString name(const QString& applicationName)
{
    // Pipe names are seen by every user of the machine in every session, and a user may
    // run the program in two sessions at once (at the console and remotely), whose copies
    // must not answer for each other: the user's security identifier and the session
    // keep them apart. USERNAME would not: a local and a domain user may share it.
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    QByteArray user = userOfProcess(GetCurrentProcess());
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME").toUtf8();
    const QByteArray hash =
        QCryptographicHash::hash(user + '/' + QByteArray::number(quint32(session)),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(12);
    return applicationName + QLatin1Char('-') + QString::fromLatin1(hash);
}

QLocalServer::SocketOptions serverOptions()
{
    return QLocalServer::UserAccessOption;
}

QLocalSocket::SocketOptions socketOptions()
{
    return QLocalSocket::NoOptions;
}

Hold hold(const QString& name)
{
    // Several servers may listen under one pipe name; a mutex of the session says who
    // was first (the name holds the session, so the pipe is this session's too). It is held open
    // for the process's life and closed by the system at its end.
    const std::wstring mutexName = (QStringLiteral("Local\\") + name).toStdWString();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
    if (!mutex)
        return {.result = Hold::Result::Unknown, .handle = nullptr};
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    std::shared_ptr<void> handle(mutex, CloseHandle);
    if (existed)
        return {.result = Hold::Result::Taken, .handle = nullptr};
    return {.result = Hold::Result::Held, .handle = handle};
}

Peer peerOf(const QLocalSocket& socket, bool peerListens)
{
    const auto pipe = reinterpret_cast<HANDLE>(socket.socketDescriptor());
    ULONG processId = 0;
    const BOOL known = peerListens ? GetNamedPipeServerProcessId(pipe, &processId)
                                   : GetNamedPipeClientProcessId(pipe, &processId);
    if (!known || processId == 0)
        return {};
    Peer peer{.processId = qint64(processId), .sameUser = false};
    if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId)) {
        const QByteArray theirs = userOfProcess(process);
        CloseHandle(process);
        peer.sameUser = !theirs.isEmpty() && theirs == userOfProcess(GetCurrentProcess());
    }
    return peer;
}

} // namespace InstanceChannel
