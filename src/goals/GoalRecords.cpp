#include "GoalRecords.h"

#include "library/RecordReader.h"
#include "library/RecordWriter.h"

namespace {

using Field = RecordReader::Field;
constexpr std::initializer_list<Field> goalFields = {Field::Text, Field::Date, Field::Date,
                                                     Field::Text, Field::Flag, Field::Number};

GoalRecord goalFrom(const QList<RecordReader::Value>& fields)
{
    return GoalRecord{
        .GoalName = fields[0].text,
        .StartingDate = fields[1].date,
        .EndingDate = fields[2].date,
        .GoalDesc = fields[3].text,
        .Achieved = fields[4].flag,
        .AchievedPercent = qint16(qBound(qint64(0), fields[5].number, qint64(100))),
    };
}

// Reads the goals of lines that are not goals of one line each: records whose texts run
// over several lines, and whatever is damaged.
void readLines(QStringView lines, Goals& goals)
{
    RecordReader reader(lines, RecordReader::TextLines::Multiple);
    while (!reader.atEnd()) {
        const auto record = reader.atBlankLine() ? std::nullopt : reader.read(goalFields);
        if (record)
            goals << goalFrom(*record);
        else
            reader.takeLine();
    }
}

// The goal on this line, when the line is one whole record with a quoted name.
std::optional<QList<RecordReader::Value>> oneLineGoal(QStringView line)
{
    const QStringView start = line.trimmed();
    if (!start.startsWith(QLatin1Char('"')))
        return std::nullopt;
    return RecordReader(line).read(goalFields);
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

Goals GoalRecords::parse(QStringView content)
{
    // A text may run over lines, so a damaged record could read on into the next
    // goal and swallow it as text. A line that is a whole goal by itself is therefore
    // always taken as one; only the lines between such goals are read as records that
    // may span lines. A line inside a description never holds the two dates that
    // follow a name, and names are single lines, so no goal is cut apart by this.
    Goals goals;
    qsizetype between = 0; // where the lines after the last one-line goal begin
    qsizetype pos = 0;
    while (pos < content.size()) {
        qsizetype end = pos;
        while (end < content.size() && !isLineEnd(content[end]))
            ++end;
        qsizetype next = end;
        if (next < content.size())
            next += (content[next] == QLatin1Char('\r') && next + 1 < content.size() &&
                     content[next + 1] == QLatin1Char('\n'))
                        ? 2
                        : 1;

        const QStringView line = content.sliced(pos, end - pos);
        if (const auto record = oneLineGoal(line)) {
            readLines(content.sliced(between, pos - between), goals);
            goals << goalFrom(*record);
            between = next;
        }
        pos = next;
    }
    readLines(content.sliced(between), goals);
    return goals;
}

QString GoalRecords::format(const Goals& goals, const QList<int>& leftOut)
{
    qsizetype size = 0;
    for (const GoalRecord& goal : goals)
        size += goal.GoalName.size() + goal.GoalDesc.size() + 44;
    QList<bool> skipped(goals.size(), false);
    for (const int index : leftOut) {
        if (index >= 0 && index < goals.size())
            skipped[index] = true;
    }
    RecordWriter writer;
    writer.reserve(size);
    for (qsizetype i = 0; i < goals.size(); ++i) {
        if (skipped[i])
            continue;
        const GoalRecord& goal = goals[i];
        writer.text(goal.GoalName)
            .date(goal.StartingDate)
            .date(goal.EndingDate)
            .text(goal.GoalDesc)
            .flag(goal.Achieved)
            .number(goal.AchievedPercent)
            .endRecord();
    }
    return writer.result();
}
