// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoalStore.h"

#include "goals/GoalRecords.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

GoalStore::GoalStore(QString path)
    : m_path(std::move(path))
{}

bool GoalStore::fileFound() const
{
    const QFileInfo info(m_path);
    return info.isFile() && !info.isHidden();
}

void GoalStore::LoadGoals()
{
    m_goals.clear();
    m_kept.clear();
    m_reading = Reading::Whole;
    if (!fileFound())
        return;

    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_reading = Reading::Unreadable;
        return;
    }
    const qint64 size = file.size();
    QByteArray bytes = file.read(qMin(size, readLimit));
    if (file.error() != QFileDevice::NoError) {
        m_reading = Reading::Unreadable;
        bytes.clear();
    } else if (size > readLimit) {
        m_reading = Reading::TooLarge;
        // Up to the last whole line, so that the text still decodes as what it is.
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    }
    GoalRecords::Content content = GoalRecords::parse(TextFile::decode(bytes));
    m_goals = std::move(content.goals);
    m_kept = std::move(content.kept);
}

bool GoalStore::SaveGoals()
{
    return SaveGoalsExcept({});
}

bool GoalStore::SaveGoalsExcept(const QList<int>& indexes)
{
    if (!HasGoals(m_goals) || m_reading != Reading::Whole)
        return false;
    return TextFile::write(m_path, GoalRecords::format(m_goals, m_kept, indexes));
}
