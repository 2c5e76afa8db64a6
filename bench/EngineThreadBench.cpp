// Engine worker: how long StopThinking takes while a deep search runs, and
// what a released worker costs while the human is to move.
//
//   engine_thread_bench --benchmark_filter=Stop   (StopThinking, depth 8)
//   engine_thread_bench --benchmark_filter=Idle   (10 s of waiting for a human move)

#include "TChessBrd.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <thread>

namespace {

using namespace tablerix;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunEventsFor(std::chrono::milliseconds span) {
    QEventLoop loop;
    QTimer::singleShot(span, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

template <typename Pred>
bool RunEventsUntil(Pred pred, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (!pred() && Clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(1ms);
    }
    return pred();
}

// One stop per repetition, at a different point of the search each time.
void BM_StopThinkingDuringDepth8Search(benchmark::State& state) {
    static int round = 0;
    TChessBrd board;
    board.SetAnimateMoves(false);
    board.SetSearchDepth(8);
    for (auto _ : state) {
        board.SetComputerPlaysWhite(true);  // releases the worker on the start position
        if (!RunEventsUntil([&] { return board.Thinking(); }, 10s)) {
            state.SkipWithError("the worker did not start searching");
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + (round++ * 37) % 400));
        const auto start = Clock::now();
        board.StopThinking();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (board.Thinking() || !board.EngineThread()->Parked()) state.SkipWithError("not parked after StopThinking");
        if (board.Position() != kStartPosition) state.SkipWithError("the search ended before the stop");
        board.SetComputerPlaysWhite(false);
    }
}
BENCHMARK(BM_StopThinkingDuringDepth8Search)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The built-in engine plays Black, White (the human) is to move: the worker
// is released and polls. Process CPU time over 10 s of the event loop.
void BM_IdleWorkerWhileHumanToMove(benchmark::State& state) {
    TChessBrd board;
    board.show();  // first paint: StartThinking and the 500 ms timer
    board.SetComputerPlaysBlack(true);
    RunEventsFor(200ms);
    for (auto _ : state) {
        const std::uint64_t cycles = board.EngineThread()->CycleCount();
        const double cpu = CpuSeconds();
        const auto start = Clock::now();
        RunEventsFor(10s);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_one_core"] = 100.0 * (CpuSeconds() - cpu) / wall;
        state.counters["cycles_per_second"] =
            static_cast<double>(board.EngineThread()->CycleCount() - cycles) / wall;
    }
    if (board.EngineThread()->Parked() || board.EngineThread()->SearchCount() != 0)
        state.SkipWithError("the worker should be polling, not parked or searching");
}
BENCHMARK(BM_IdleWorkerWhileHumanToMove)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
