// SPDX-License-Identifier: GPL-3.0-or-later
#include "../StartupEntry.h"

#include "platform/ApplicationTitle.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// $XDG_CONFIG_HOME/autostart, read at every call so that the entry follows the
// environment; a relative XDG_CONFIG_HOME is to be ignored.
QString autostartFolder()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(configHome))
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/autostart");
}

QString entryPath(const QString& name)
{
    return autostartFolder() + QLatin1Char('/') + name + QStringLiteral(".desktop");
}

// One argument of an Exec line. Characters the launcher reads as syntax make it a
// quoted argument; inside the quotes four characters take a backslash. "%" starts a
// field code anywhere, and the general string escapes apply on top of all that.
QString execArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString quoted = argument;
    if (std::any_of(argument.begin(), argument.end(),
                    [](QChar c) { return reserved.contains(c); })) {
        quoted = QStringLiteral("\"");
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        quoted += u'"';
    }
    quoted.replace(QStringLiteral("%"), QStringLiteral("%%"));

    QString escaped;
    for (const QChar c : quoted) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QByteArray entryText(const QString& executable)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Exec=%2 /STARTUP\n"
                                        "Terminal=false\n")
                             .arg(applicationTitle(), execArgument(executable));
    return text.toUtf8();
}

// A desktop's own settings switch an autostart entry off by marking it rather than
// deleting it; such an entry starts nothing, so it does not count as present.
bool switchedOff(const QByteArray& entry)
{
    bool inMainGroup = false;
    for (const QByteArray& rawLine : entry.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inMainGroup || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return true;
    }
    return false;
}

StartupEntry::Failure failure(StartupEntry::Failure::Step step, int error)
{
    return {
        .step = step, .code = error, .description = QString::fromLocal8Bit(std::strerror(error))};
}

// Something in the entry's place that is no plain file (a named pipe, a device, a
// folder) is never opened: reading a pipe would block the program.
bool isSomethingElse(const QByteArray& path)
{
    struct stat status = {};
    return ::stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode);
}

QString somethingElseText(const QByteArray& path)
{
    return QCoreApplication::translate("StartupEntry", "%1 is not a regular file.")
        .arg(QFile::decodeName(path));
}

class AutostartEntry final : public StartupEntry {
public:
    std::optional<Failure> set(const QString& name, const QString& folder, bool enable) override
    {
        const QByteArray path = QFile::encodeName(entryPath(name));
        if (!enable) {
            if (!isSomethingElse(path))
                ::unlink(path.constData());
            return std::nullopt;
        }

        errno = 0;
        if (!QDir().mkpath(autostartFolder()))
            return failure(Failure::Step::Opening, errno == EEXIST ? ENOTDIR
                                                   : errno != 0    ? errno
                                                                   : EIO);
        if (isSomethingElse(path))
            return Failure{.step = Failure::Step::Setting,
                           .code = EEXIST,
                           .description = somethingElseText(path)};
        const QByteArray text = entryText(QDir(folder).absoluteFilePath(name));
        // An entry that already says the same is left alone: nothing to write, nothing
        // that can fail.
        QFile current(QFile::decodeName(path));
        if (current.open(QIODevice::ReadOnly) && current.readAll() == text)
            return std::nullopt;
        // Written beside the entry and renamed over it, so that a session starting at that
        // moment sees either the old entry or the new one, never half of one.
        const auto written = TextFile::save(QFile::decodeName(path), text,
                                            QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::ReadOther);
        if (written)
            return Failure{.step = Failure::Step::Setting,
                           .code = written->code,
                           .description = written->description};
        return std::nullopt;
    }

    bool isPresent(const QString& name) const override
    {
        QFile entry(entryPath(name));
        if (isSomethingElse(QFile::encodeName(entry.fileName()))) {
            qWarning().noquote() << somethingElseText(QFile::encodeName(entry.fileName())) +
                                        QLatin1Char(' ') +
                                        QCoreApplication::translate(
                                            "StartupEntry",
                                            "It is left alone: the program does not start with "
                                            "the session.");
            return false;
        }
        return entry.open(QIODevice::ReadOnly) && !switchedOff(entry.readAll());
    }
};

} // namespace

std::unique_ptr<StartupEntry> StartupEntry::forUser()
{
    return std::make_unique<AutostartEntry>();
}
