#pragma once

#include <QFile>
#include <QString>

// Leaves a file or folder only the given permissions while it lives, in a way that binds
// even when the tests run as root, who would otherwise read and write it all the same: on
// Linux the test's thread also gives up the capabilities that let root pass over
// permission bits.
class RestrictedPath {
public:
    RestrictedPath(const QString& path, QFile::Permissions kept);
    ~RestrictedPath();
    RestrictedPath(const RestrictedPath&) = delete;
    RestrictedPath& operator=(const RestrictedPath&) = delete;

    // False when a file can still be made in the folder, or the file can still be read;
    // a test then cannot show what it is about and should skip.
    bool holds() const { return m_holds; }

    static constexpr QFile::Permissions readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner;

private:
    QString m_path;
    bool m_holds = false;
    bool m_capabilitiesLowered = false;
    unsigned int m_savedEffective[2] = {0, 0};
};
