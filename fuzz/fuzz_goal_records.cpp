// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of the goal file, as the program reads it from
// disk, and checks that a save loses nothing: the goals it reads are saved and read
// back unchanged, with whatever could not be read kept in its place, so that a second
// save writes the very same text.
#include "goals/GoalRecords.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray shown(const QString& text)
{
    return text.toUtf8().toPercentEncoding(" ,\"#");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString content = TextFile::decode(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    const GoalRecords::Content read = GoalRecords::parse(content);
    for (const GoalRecord& goal : read.goals) {
        if (!goal.StartingDate.isValid() || !goal.EndingDate.isValid() ||
            goal.AchievedPercent < 0 || goal.AchievedPercent > 100)
            std::abort();
    }
    const QString saved = GoalRecords::format(read.goals, read.kept);
    const GoalRecords::Content again =
        GoalRecords::parse(TextFile::decode(TextFile::encode(saved)));
    const QString savedAgain = GoalRecords::format(again.goals, again.kept);
    if (again.goals != read.goals || savedAgain != saved) {
        std::fprintf(stderr, "saved:\n%s\nsaved after reading that back:\n%s\n",
                     shown(saved).constData(), shown(savedAgain).constData());
        std::abort();
    }
    return 0;
}
