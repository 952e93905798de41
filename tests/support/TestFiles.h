// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// The bytes of a file, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes the bytes as they are, making the folder first; a failure fails the test.
void writeFile(const QString& path, const QByteArray& bytes);
// Message files in the data folder's "plugins", each a name and its records, and an index
// that checks them all, in the order given.
void writeMessageFiles(const QString& dataFolder,
                       const QList<std::pair<QString, QByteArray>>& files);
