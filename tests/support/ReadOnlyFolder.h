#pragma once

#include <QString>

// Makes a folder read-only while it lives, in a way that binds even when the tests run
// as root, who would otherwise write into it all the same: on Linux the test's thread
// also gives up the capabilities that let root pass over permission bits.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False when a file can still be created in the folder; a test then cannot show what
    // a read-only folder does and should skip.
    bool holds() const { return m_holds; }

private:
    QString m_path;
    bool m_holds = false;
    bool m_capabilitiesLowered = false;
    unsigned int m_savedEffective[2] = {0, 0};
};
