// Feeds arbitrary bytes to the reader of the goal file, as the program reads it from
// disk, and checks that the goals it reads are saved and read back unchanged: a damaged
// goal may be passed over, but a save must never change, split or drop the others.
#include "goals/GoalRecords.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray shown(const Goals& goals)
{
    return GoalRecords::format(goals).toUtf8().toPercentEncoding(" ,\"#");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString content = TextFile::decode(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    const Goals goals = GoalRecords::parse(content);
    for (const GoalRecord& goal : goals) {
        if (!goal.StartingDate.isValid() || !goal.EndingDate.isValid() ||
            goal.AchievedPercent < 0 || goal.AchievedPercent > 100)
            std::abort();
    }
    const Goals again =
        GoalRecords::parse(TextFile::decode(TextFile::encode(GoalRecords::format(goals))));
    if (again != goals) {
        std::fprintf(stderr, "read:\n%s\nread back after saving:\n%s\n", shown(goals).constData(),
                     shown(again).constData());
        std::abort();
    }
    return 0;
}
