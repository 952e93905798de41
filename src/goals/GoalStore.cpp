#include "GoalStore.h"

#include "goals/GoalRecords.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

GoalStore::GoalStore(QString path)
    : m_path(std::move(path))
{}

QString GoalStore::pathIn(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("/goals.txt");
}

bool GoalStore::fileFound() const
{
    const QFileInfo info(m_path);
    return info.isFile() && !info.isHidden();
}

void GoalStore::LoadGoals()
{
    m_goals.clear();
    m_readWhole = true;
    if (!fileFound())
        return;

    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_readWhole = false;
        return;
    }
    const qint64 size = file.size();
    QByteArray bytes = file.read(qMin(size, readLimit));
    if (file.error() != QFileDevice::NoError) {
        m_readWhole = false;
        bytes.clear();
    } else if (size > readLimit) {
        m_readWhole = false;
        // Up to the last whole line, so that the text still decodes as what it is.
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    }
    m_goals = GoalRecords::parse(TextFile::decode(bytes));
}

bool GoalStore::SaveGoals()
{
    return SaveGoalsExcept({});
}

bool GoalStore::SaveGoalsExcept(const QList<int>& indexes)
{
    if (!HasGoals(m_goals) || !m_readWhole)
        return false;
    return TextFile::write(m_path, GoalRecords::format(m_goals, indexes));
}
