// SPDX-License-Identifier: GPL-3.0-or-later
// Preparing one flash: the interval timer's tick, from choosing the message to the
// window being shown, with a pool of 100,000 messages. Run it on a real X server
// (QT_QPA_PLATFORM=xcb under Xvfb) to count the window system's share too.
#include "display/DisplayScheduler.h"
#include "display/FlashWindow.h"
#include "platform/RandomSource.h"

#include <QApplication>
#include <QScreen>
#include <benchmark/benchmark.h>

namespace {

MessagePool makePool(int size)
{
    MessagePool pool;
    for (int i = 0; i < size; ++i)
        pool.append(QStringLiteral("I grow calmer and stronger every day, number %1").arg(i));
    return pool;
}

void tickToShown(benchmark::State& state, bool randomOrder, bool randomLocation)
{
    const MessagePool pool = makePool(100000);
    RandomSource random;
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(14);
    font.setBold(true);
    const DisplayOptions options{.durationMilliseconds = 200,
                                 .randomOrder = randomOrder,
                                 .randomLocation = randomLocation,
                                 .font = font,
                                 .color = QColor(128, 0, 0)};
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    DisplayScheduler scheduler(
        pool, random, [&] { return options; }, [&] { return screen; });
    scheduler.start(60000);
    for (auto _ : state) {
        scheduler.Timer1_Timer();
        state.PauseTiming();
        QCoreApplication::processEvents(); // the window reaches the screen
        state.ResumeTiming();
    }
    scheduler.stop();
}

void BM_TickRandom(benchmark::State& state)
{
    tickToShown(state, true, true);
}
void BM_TickWrittenCentred(benchmark::State& state)
{
    tickToShown(state, false, false);
}

} // namespace

BENCHMARK(BM_TickRandom)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_TickWrittenCentred)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
