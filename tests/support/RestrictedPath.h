// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

// Leaves a file or folder only the given permissions while it lives. So that this binds
// for root too, the thread gives up the capabilities that pass over permission bits.
class RestrictedPath {
public:
    RestrictedPath(const QString& path, QFile::Permissions kept);
    ~RestrictedPath();
    RestrictedPath(const RestrictedPath&) = delete;
    RestrictedPath& operator=(const RestrictedPath&) = delete;

    // False when the folder still takes a new file or the file can still be read: skip then.
    bool holds() const { return m_holds; }

    static constexpr QFile::Permissions readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner;

private:
    QString m_path;
    bool m_holds = false;
    bool m_capabilitiesLowered = false;
    unsigned int m_savedEffective[2] = {0, 0};
};
