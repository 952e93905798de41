// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

void writeMessageFiles(const QString& dataFolder,
                       const QList<std::pair<QString, QByteArray>>& files)
{
    QByteArray index;
    for (const auto& [name, records] : files) {
        writeFile(dataFolder + u"/plugins/"_qs + name + u".txt"_qs, records);
        index += "\"" + name.toUtf8() + "\",#TRUE#\r\n";
    }
    writeFile(dataFolder + u"/FileNames.txt"_qs, index);
}
