// SPDX-License-Identifier: GPL-3.0-or-later
// The paths of the message library whose cost grows with the user's messages.
#include "library/MessageLibrary.h"
#include "library/MessagePool.h"
#include "library/MessageRecords.h"
#include "library/ProgramsPage.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {

QList<MessageRecord> messages(int count)
{
    QList<MessageRecord> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i)
        records << MessageRecord{
            QStringLiteral("I grow calmer and stronger every day, step %1").arg(i), true};
    return records;
}

// A data folder of `files` message files of `perFile` messages each, every file and every
// message checked.
struct Library {
    QTemporaryDir root;
    QString folder = root.path();
    MessageLibrary library{folder};

    Library(int files, int perFile)
    {
        QDir().mkpath(DataFolder::messageFolder(folder));
        const QList<MessageRecord> content = messages(perFile);
        QList<MessageRecord> index;
        for (int i = 0; i < files; ++i) {
            const QString name = QStringLiteral("Messages %1").arg(i, 4, 10, QLatin1Char('0'));
            library.writeMessageFile(name, content);
            index << MessageRecord{name, true};
        }
        library.writeIndex(index);
    }
};

void BM_LoadMessagePool(benchmark::State& state)
{
    Library data(100, 1000);
    MessagePool pool;
    for (auto _ : state) {
        data.library.LoadMessagePool(pool);
        benchmark::DoNotOptimize(pool.count());
    }
    state.counters["messages"] = double(pool.count());
}
BENCHMARK(BM_LoadMessagePool)->Unit(benchmark::kMillisecond);

void BM_ParseMessageFile(benchmark::State& state)
{
    const QString content = MessageRecords::format(messages(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(MessageRecords::parse(content));
}
BENCHMARK(BM_ParseMessageFile)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ListMessageFiles(benchmark::State& state)
{
    Library data(int(state.range(0)), 10);
    Prompter prompter;
    ProgramsPage page(data.folder, prompter);
    for (auto _ : state)
        page.ListMessageFiles();
}
BENCHMARK(BM_ListMessageFiles)->Arg(1000)->Unit(benchmark::kMillisecond);

// The selection moves to a file of 10,000 messages and the message list shows them.
void BM_ShowLargeMessageFile(benchmark::State& state)
{
    Library data(2, int(state.range(0)));
    Prompter prompter;
    ProgramsPage page(data.folder, prompter);
    page.resize(560, 420);
    page.show();
    page.ListMessageFiles();
    auto* files = page.findChild<QTreeView*>(QStringLiteral("lvwDisplayFiles"));
    auto* shown = page.findChild<QTreeView*>(QStringLiteral("lvwDisplay"));
    int next = 1;
    for (auto _ : state) {
        files->setCurrentIndex(files->model()->index(next, 0));
        QApplication::processEvents(); // lays out and paints the list as a user would see it
        next = 1 - next;
    }
    state.counters["shown"] = double(shown->model()->rowCount());
}
BENCHMARK(BM_ShowLargeMessageFile)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SaveLargeMessageFile(benchmark::State& state)
{
    Library data(1, int(state.range(0)));
    MessageFileEditor editor(data.folder);
    editor.ListMessageFiles();
    for (auto _ : state)
        editor.SaveMessageFile();
    state.counters["bytes"] =
        double(QFileInfo(*data.library.messageFilePath(QStringLiteral("Messages 0000"))).size());
}
BENCHMARK(BM_SaveLargeMessageFile)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

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
