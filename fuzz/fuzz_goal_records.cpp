// Feeds arbitrary bytes to the reader of the goal file, as the program reads it from
// disk, and checks that the goals it reads are saved and read back unchanged: a damaged
// goal may be passed over, but a save must never change, split or drop the others.
//
// The file keeps quotes in texts as they are, so one text can be written to look like
// the end of a field: a quote, a comma and what reads as the fields after it. Such a
// goal may read back split differently; only goals whose texts hold no quote followed
// by a comma must come back exactly.
#include "goals/GoalRecords.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool mayReadOtherwise(const QString& text)
{
    for (qsizetype quote = text.indexOf(u'"'); quote >= 0; quote = text.indexOf(u'"', quote + 1)) {
        qsizetype next = quote + 1;
        while (next < text.size() && (text[next] == u' ' || text[next] == u'\t'))
            ++next;
        if (next < text.size() && text[next] == u',')
            return true;
    }
    return false;
}

bool mayReadOtherwise(const Goals& goals)
{
    return std::any_of(goals.begin(), goals.end(), [](const GoalRecord& goal) {
        return mayReadOtherwise(goal.GoalName) || mayReadOtherwise(goal.GoalDesc);
    });
}

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
    if (again != goals && !mayReadOtherwise(goals)) {
        std::fprintf(stderr, "read:\n%s\nread back after saving:\n%s\n", shown(goals).constData(),
                     shown(again).constData());
        std::abort();
    }
    return 0;
}
