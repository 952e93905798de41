// SPDX-License-Identifier: GPL-3.0-or-later
// How long 10,000 goals take to read, to list on the goals page and to save.
#include "goals/GoalRecords.h"
#include "goals/GoalStore.h"
#include "goals/GoalsPage.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "platform/Services.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {

constexpr int goalCount = 10000;

Goals someGoals()
{
    Goals goals;
    for (int i = 0; i < goalCount; ++i)
        goals << GoalRecord{
            .GoalName = QStringLiteral("Goal number %1, run a little further").arg(i),
            .StartingDate = QDate(2026, 1, 1).addDays(i % 300),
            .EndingDate = QDate(2026, 1, 1).addDays(i % 300 + 90),
            .GoalDesc = QStringLiteral("Train four times a week, a long run on Sunday.\r\n"
                                       "Rest on Monday and eat well."),
            .Achieved = false, // all of them listed in the current view
            .AchievedPercent = qint16(i % 101)};
    return goals;
}

struct Folder {
    QTemporaryDir dir;
    QString goalFile = DataFolder::goalFile(dir.path());
    Folder() { TextFile::write(goalFile, GoalRecords::format(someGoals())); }
};

void readGoalFile(benchmark::State& state)
{
    Folder folder;
    GoalStore store(folder.goalFile);
    for (auto _ : state) {
        store.LoadGoals();
        benchmark::DoNotOptimize(store.goals().size());
    }
    state.counters["goals"] = double(store.goals().size());
}

// The start-up path: the page reads goals.txt and lists the current goals.
void loadAndListGoals(benchmark::State& state)
{
    Folder folder;
    Prompter prompter;
    Clock clock;
    const Services services{
        .prompter = &prompter, .clock = &clock, .dataFolder = folder.dir.path()};
    int rows = 0;
    for (auto _ : state) {
        GoalsPage page(services);
        page.LoadGoalsAtStartup();
        rows = page.findChild<QTreeView*>(QStringLiteral("ListView1"))->model()->rowCount();
    }
    state.counters["rows"] = rows;
}

// The same once the page exists: the reload and refill that follow every change.
void reloadAndListGoals(benchmark::State& state)
{
    Folder folder;
    Prompter prompter;
    Clock clock;
    const Services services{
        .prompter = &prompter, .clock = &clock, .dataFolder = folder.dir.path()};
    GoalsPage page(services);
    page.LoadGoalsAtStartup();
    for (auto _ : state)
        page.cmdDeleteGoals_Click(); // nothing checked: reload and list again
}

void saveGoals(benchmark::State& state)
{
    Folder folder;
    GoalStore store(folder.goalFile);
    store.LoadGoals();
    for (auto _ : state) {
        if (!store.SaveGoals())
            state.SkipWithError("goals.txt could not be written");
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(folder.goalFile).size());
}

} // namespace

BENCHMARK(readGoalFile)->Unit(benchmark::kMillisecond);
BENCHMARK(loadAndListGoals)->Unit(benchmark::kMillisecond);
BENCHMARK(reloadAndListGoals)->Unit(benchmark::kMillisecond);
BENCHMARK(saveGoals)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
