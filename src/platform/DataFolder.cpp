// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString messageFolderName = QStringLiteral("plugins");
const QString indexFileName = QStringLiteral("FileNames.txt");
const QString goalFileName = QStringLiteral("goals.txt");

bool canWriteInto(const QString& folder)
{
    // Permission bits do not tell the whole story (read-only mounts, Windows ACLs):
    // try it.
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open();
}

} // namespace

QString DataFolder::choose(const QString& commandLineFolder, const QString& programFolder,
                           const QString& perUserFolder)
{
    if (!commandLineFolder.isEmpty())
        return QDir::cleanPath(QDir(commandLineFolder).absolutePath());
    if (QFileInfo(messageFolder(programFolder)).isDir() && canWriteInto(programFolder))
        return programFolder;
    return perUserFolder;
}

QString DataFolder::perUserFolder(const QString& applicationName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1Char('/') + applicationName;
}

bool DataFolder::prepare(const QString& folder, const QString& samplesFolder)
{
    if (QFileInfo(folder).isDir())
        return true;
    const QString plugins = messageFolder(folder);
    if (!QDir().mkpath(plugins))
        return false;
    const QDir samples(samplesFolder);
    for (const QFileInfo& sample : samples.entryInfoList({QStringLiteral("*.txt")}, QDir::Files)) {
        // Message files go into "plugins"; the index and the goal file next to it.
        const bool isMessageFile =
            sample.fileName() != indexFileName && sample.fileName() != goalFileName;
        const QString target =
            (isMessageFile ? plugins : folder) + QLatin1Char('/') + sample.fileName();
        if (QFile::copy(sample.absoluteFilePath(), target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    }
    return true;
}

QString DataFolder::messageFolder(const QString& folder)
{
    return folder + QLatin1Char('/') + messageFolderName;
}

QString DataFolder::indexFile(const QString& folder)
{
    return folder + QLatin1Char('/') + indexFileName;
}

QString DataFolder::goalFile(const QString& folder)
{
    return folder + QLatin1Char('/') + goalFileName;
}
