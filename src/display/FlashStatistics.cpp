// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashStatistics.h"

#include "platform/TextFile.h"

#include <QFileInfo>
#include <QStringList>

namespace {

const QChar separator = QLatin1Char('\t');

// A day's line: the date, then name and count in turn; nothing when it does not read so.
std::optional<std::pair<QDate, QHash<QString, qint64>>> readLine(QStringView line)
{
    const QList<QStringView> fields = line.split(separator);
    if (fields.size() < 3 || fields.size() % 2 == 0)
        return std::nullopt;
    const QDate day = QDate::fromString(fields.first().toString(), Qt::ISODate);
    if (!day.isValid())
        return std::nullopt;
    QHash<QString, qint64> counts;
    for (qsizetype i = 1; i + 1 < fields.size(); i += 2) {
        bool ok = false;
        const qint64 count = fields[i + 1].toLongLong(&ok);
        if (!ok || count < 0 || fields[i].isEmpty())
            return std::nullopt;
        counts[fields[i].toString()] += count;
    }
    return std::pair{day, counts};
}

} // namespace

FlashStatistics::FlashStatistics(QString path)
    : m_path(std::move(path))
{}

void FlashStatistics::count(QDate day, const QString& source)
{
    // A name that would break its line (an index edited by hand) is kept readable.
    QString name = source;
    for (QChar& c : name) {
        if (c == separator || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    if (name.isEmpty())
        name = QStringLiteral("-");
    ++m_unsaved[day][name];
}

void FlashStatistics::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const QFileInfo info(m_path);
    if (!info.exists())
        return;
    if (!info.isFile() || info.size() > maxFileBytes) {
        m_writable = false;
        return;
    }
    const auto text = TextFile::read(m_path);
    if (!text) {
        m_writable = false;
        return;
    }
    for (const QStringView line : QStringView(*text).split(QLatin1Char('\n'))) {
        const auto day = readLine(line.trimmed());
        // Two lines of one day (never written so): the later one holds.
        if (day)
            m_stored.insert(day->first, day->second);
    }
}

QMap<QDate, FlashStatistics::Day> FlashStatistics::merged() const
{
    QMap<QDate, Day> all = m_stored;
    for (auto day = m_unsaved.cbegin(); day != m_unsaved.cend(); ++day) {
        Day& counts = all[day.key()];
        for (auto file = day->cbegin(); file != day->cend(); ++file)
            counts[file.key()] += file.value();
    }
    return all;
}

bool FlashStatistics::save()
{
    load();
    if (m_unsaved.isEmpty())
        return true;
    if (!m_writable)
        return false;
    const QMap<QDate, Day> all = merged();
    QString text;
    for (auto day = all.cbegin(); day != all.cend(); ++day) {
        QStringList fields{day.key().toString(Qt::ISODate)};
        QStringList names = day->keys();
        names.sort();
        for (const QString& name : std::as_const(names))
            fields << name << QString::number(day->value(name));
        text += fields.join(separator) + QLatin1Char('\n');
    }
    if (!TextFile::write(m_path, text))
        return false;
    m_stored = all;
    m_unsaved.clear();
    return true;
}

QMap<QString, FlashStatistics::Counts> FlashStatistics::byFile(QDate today)
{
    load();
    const QDate weekStart = today.addDays(-6);
    QMap<QString, Counts> counts;
    const QMap<QDate, Day> all = merged();
    for (auto day = all.cbegin(); day != all.cend(); ++day) {
        for (auto file = day->cbegin(); file != day->cend(); ++file) {
            Counts& into = counts[file.key()];
            into.all += file.value();
            if (day.key() >= weekStart && day.key() <= today)
                into.lastSevenDays += file.value();
            if (day.key() == today)
                into.today += file.value();
        }
    }
    return counts;
}

FlashStatistics::Counts FlashStatistics::total(QDate today)
{
    Counts sum;
    for (const Counts& file : byFile(today)) {
        sum.today += file.today;
        sum.lastSevenDays += file.lastSevenDays;
        sum.all += file.all;
    }
    return sum;
}
