// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "platform/InstanceChannel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

using namespace std::chrono_literals;

namespace {
const QByteArray activateRequest = QByteArrayLiteral("activate\n");
const QByteArray activatedAnswer = QByteArrayLiteral("shown\n");
} // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent)
    , m_name(name)
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::nameFor(const QString& applicationName)
{
    return InstanceChannel::name(applicationName);
}

SingleInstance::Claim SingleInstance::claim()
{
    using Hold = InstanceChannel::Hold;
    const Hold hold = InstanceChannel::hold(m_name);
    if (hold.result == Hold::Result::Taken)
        return Claim::Taken;
    m_hold = hold.handle;

    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(InstanceChannel::serverOptions());
    // A copy that is just ending may hold the name a moment longer than it answers.
    const QDeadlineTimer deadline(1s);
    while (!server->listen(m_name)) {
        if (server->serverError() != QAbstractSocket::AddressInUseError)
            return Claim::Unsure;
        bool foreign = false;
        m_firstCopy = connectToFirstCopy(0ms, &foreign);
        if (m_firstCopy)
            return Claim::Taken;
        if (foreign || deadline.hasExpired())
            return Claim::Unsure;
        QThread::msleep(20);
    }
    m_server = std::move(server);
    listen();
    return hold.result == Hold::Result::Held ? Claim::First : Claim::Unsure;
}

void SingleInstance::listen()
{
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            // Another user's program has no say over this one's window.
            if (!InstanceChannel::peerOf(*socket, false).sameUser) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == activateRequest) {
                    Q_EMIT activationRequested();
                    socket->write(activatedAnswer);
                }
                socket->disconnectFromServer();
            });
        }
    });
}

std::unique_ptr<QLocalSocket> SingleInstance::connectToFirstCopy(std::chrono::milliseconds timeout,
                                                                 bool* foreign) const
{
    const QDeadlineTimer deadline(timeout);
    do {
        auto socket = std::make_unique<QLocalSocket>();
        socket->setSocketOptions(InstanceChannel::socketOptions());
        socket->connectToServer(m_name);
        if (socket->waitForConnected(int(std::clamp<qint64>(deadline.remainingTime(), 1, 500)))) {
            if (InstanceChannel::peerOf(*socket, true).sameUser)
                return socket;
            if (foreign)
                *foreign = true;
            return nullptr;
        }
        if (!deadline.hasExpired())
            QThread::msleep(20);
    } while (!deadline.hasExpired());
    return nullptr;
}

SingleInstance::Handover SingleInstance::askFirstCopyToActivate(const std::function<bool()>& giveUp)
{
    const QDeadlineTimer deadline(m_answerTime);
    const auto stop = [&] { return deadline.hasExpired() || (giveUp && giveUp()); };
    // The first copy may hold the name a moment before it listens.
    while (!m_firstCopy && !stop())
        m_firstCopy = connectToFirstCopy(100ms);
    if (!m_firstCopy)
        return {};

    Handover handover{.processId = InstanceChannel::peerOf(*m_firstCopy, true).processId};
    // A copy that hangs still takes the request into the system's buffer: only its
    // answer shows that it is there for the user.
    m_firstCopy->write(activateRequest);
    m_firstCopy->flush();
    QByteArray answer;
    while (!answer.contains('\n') && !stop() &&
           m_firstCopy->state() == QLocalSocket::ConnectedState) {
        if (m_firstCopy->waitForReadyRead(50))
            answer += m_firstCopy->readAll();
    }
    answer += m_firstCopy->readAll();
    handover.answered = answer == activatedAnswer;
    m_firstCopy.reset();
    return handover;
}
