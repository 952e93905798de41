// SPDX-License-Identifier: GPL-3.0-or-later
#include "../SystemActions.h"

#include <QFile>
#include <QLocalServer>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace SystemActions {

const char* const noEndBetweenSteps = nullptr;
const char* const noFifos = nullptr;
const char* const noDisplayToLose = nullptr;
const char* const noNamesOfEveryKind = nullptr;

QString awkwardFileName()
{
    return QStringLiteral("Two\r\nlines");
}

void requestEnd()
{
    ::raise(SIGTERM);
}

bool makeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

std::shared_ptr<void> holdAsAnotherUser(const QString& name, const char** whyNot)
{
    *whyNot = nullptr;
    if (::geteuid() != 0) {
        *whyNot = "only root can listen as another user";
        return nullptr;
    }
    auto server = std::make_shared<QLocalServer>();
    server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (::seteuid(65534) != 0)
        return nullptr;
    const bool listening = server->listen(name);
    if (::seteuid(0) != 0)
        qFatal("cannot become root again");
    return listening ? server : nullptr;
}

} // namespace SystemActions
