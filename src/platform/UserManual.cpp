// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserManual.h"

#include <QDir>
#include <QFileInfo>

QString UserManual::find(const QString& programFolder)
{
    const QString page = QDir::cleanPath(programFolder + QLatin1Char('/') +
                                         QStringLiteral(ZORVAN_MANUAL_FROM_PROGRAM_FOLDER));
    return QFileInfo(page).isFile() ? page : QString();
}
