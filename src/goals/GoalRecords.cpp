// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoalRecords.h"

#include "library/RecordReader.h"
#include "library/RecordWriter.h"
#include "platform/LineBreaks.h"

namespace {

using Field = RecordReader::Field;
using Form = RecordReader::Form;
constexpr std::initializer_list<Field> goalFields = {Field::Text, Field::Date, Field::Date,
                                                     Field::Text, Field::Flag, Field::Number};

// Gathers the goals read and keeps whatever stands between them.
class Gatherer {
public:
    explicit Gatherer(QStringView content)
        : m_content(content)
    {}

    // The goal whose record runs from start to end.
    void goal(qsizetype start, qsizetype end, const QList<RecordReader::Value>& fields)
    {
        m_result.kept << m_content.sliced(m_keptFrom, start - m_keptFrom).toString();
        m_result.goals << GoalRecord{
            .GoalName = fields[0].text,
            .StartingDate = fields[1].date,
            .EndingDate = fields[2].date,
            .GoalDesc = fields[3].text,
            .Achieved = fields[4].flag,
            .AchievedPercent = qint16(qBound(qint64(0), fields[5].number, qint64(100))),
        };
        m_keptFrom = end;
    }

    GoalRecords::Content finish()
    {
        m_result.kept << m_content.sliced(m_keptFrom).toString();
        return std::move(m_result);
    }

private:
    QStringView m_content;
    qsizetype m_keptFrom = 0;
    GoalRecords::Content m_result;
};

// Reads the goals of lines that are not goals by themselves, from..to: records of older
// versions whose texts run over several lines, and whatever is damaged.
void readLines(QStringView content, qsizetype from, qsizetype to, Gatherer& gathered)
{
    RecordReader reader(content.sliced(from, to - from), Form::OlderLines);
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        const auto record = reader.atBlankLine() ? std::nullopt : reader.read(goalFields);
        if (record)
            gathered.goal(from + start, from + reader.position(), *record);
        else
            reader.takeLine();
    }
}

} // namespace

GoalRecords::Content GoalRecords::parse(QStringView content)
{
    // Goals are read from the start of a line. The record form written now reads back
    // exactly, so a record that reads in it is taken whole, however many lines it spans.
    // An older version's record reads this way only when its texts hold no quote, or
    // doubled ones; otherwise it is read as older versions wrote it. There a text may
    // run over lines, so a damaged record could read on into the next goal and swallow
    // it as text: a line that is a whole goal by itself is always taken as one, and
    // only the lines between such goals are read as records that may span lines.
    Gatherer gathered(content);
    qsizetype between = -1; // where the lines that are no goal by themselves begin
    const auto readBetween = [&](qsizetype to) {
        if (between >= 0)
            readLines(content, between, to, gathered);
        between = -1;
    };
    qsizetype pos = 0;
    while (pos < content.size()) {
        qsizetype end = pos;
        while (end < content.size() && !LineBreaks::isLineEnd(content[end]))
            ++end;
        qsizetype next = end;
        if (next < content.size())
            next += (content[next] == QLatin1Char('\r') && next + 1 < content.size() &&
                     content[next + 1] == QLatin1Char('\n'))
                        ? 2
                        : 1;

        const QStringView line = content.sliced(pos, end - pos);
        if (line.trimmed().startsWith(QLatin1Char('"'))) {
            RecordReader written(content.sliced(pos), Form::Written);
            if (const auto record = written.read(goalFields)) {
                readBetween(pos);
                gathered.goal(pos, pos + written.position(), *record);
                pos += written.position();
                continue;
            }
            if (const auto record = RecordReader(line, Form::OlderLine).read(goalFields)) {
                readBetween(pos);
                gathered.goal(pos, next, *record);
                pos = next;
                continue;
            }
        }
        if (between < 0)
            between = pos;
        pos = next;
    }
    readBetween(content.size());
    return gathered.finish();
}

QString GoalRecords::format(const Goals& goals, const QStringList& kept, const QList<int>& leftOut)
{
    qsizetype size = 0;
    for (const GoalRecord& goal : goals)
        size += goal.GoalName.size() + goal.GoalDesc.size() + 44;
    for (const QString& text : kept)
        size += text.size() + 2;
    QList<bool> skipped(goals.size(), false);
    for (const int index : leftOut) {
        if (index >= 0 && index < goals.size())
            skipped[index] = true;
    }
    RecordWriter writer;
    writer.reserve(size);
    for (qsizetype i = 0; i < goals.size(); ++i) {
        // What was kept at the end of the file may lack a line end; a goal added after it
        // starts a line of its own.
        const QString& before = i < kept.size() ? kept[i] : QString();
        writer.verbatim(before);
        if (!before.isEmpty() && !LineBreaks::isLineEnd(before.back()))
            writer.verbatim(u"\r\n");
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
    for (qsizetype i = goals.size(); i < kept.size(); ++i)
        writer.verbatim(kept[i]);
    return writer.result();
}
