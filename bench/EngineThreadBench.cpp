// Engine worker: how long StopThinking takes while a deep search runs, and
// what a released worker costs while the human is to move.
//
//   engine_thread_bench --benchmark_filter=Stop     (StopThinking, depth 8)
//   engine_thread_bench --benchmark_filter=Idle     (10 s of waiting for a human move)
//   engine_thread_bench --benchmark_filter=Wakeups  (the whole window, 10 s each:
//                                                    start screen, then the human's
//                                                    turn after "Empezar")
//
// Wake-ups are the context switches of every thread of the process, voluntary
// and not, as the kernel counts them.

#include "TChessBrd.h"
#include "TChessThread.h"
#include "TablerixPas.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using namespace tablerix;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Context switches so far, summed over the threads of this process.
std::uint64_t ContextSwitches() {
    std::uint64_t total = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            const std::string_view text(line);
            if (text.starts_with("voluntary_ctxt_switches:") || text.starts_with("nonvoluntary_ctxt_switches:"))
                total += std::stoull(line.substr(line.find(':') + 1));
        }
    }
    return total;
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
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Runs the event loop for 10 s and reports CPU and wake-ups per second;
// the span's length in seconds.
double MeasureQuietSpan(benchmark::State& state) {
    const std::uint64_t switches = ContextSwitches();
    const double cpu = CpuSeconds();
    const auto start = Clock::now();
    RunEventsFor(10s);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    state.SetIterationTime(wall);
    state.counters["cpu_percent_of_one_core"] = 100.0 * (CpuSeconds() - cpu) / wall;
    state.counters["wakeups_per_second"] = static_cast<double>(ContextSwitches() - switches) / wall;
    return wall;
}

// The built-in engine plays Black, White (the human) is to move: the worker
// is released with nothing to do. Process CPU time over 10 s of the event loop.
void BM_IdleWorkerWhileHumanToMove(benchmark::State& state) {
    TChessBrd board;
    board.show();  // first paint: StartThinking and the 500 ms timer
    board.SetComputerPlaysBlack(true);
    RunEventsFor(200ms);
    for (auto _ : state) {
        const std::uint64_t cycles = board.EngineThread()->CycleCount();
        const double wall = MeasureQuietSpan(state);
        state.counters["cycles_per_second"] = static_cast<double>(board.EngineThread()->CycleCount() - cycles) / wall;
    }
    if (board.EngineThread()->Parked() || board.EngineThread()->SearchCount() != 0)
        state.SkipWithError("the worker should be released and waiting, not parked or searching");
}
BENCHMARK(BM_IdleWorkerWhileHumanToMove)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

QPushButton* ButtonCalled(const QWidget& window, const QString& text) {
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

// The whole main window on its start screen: its clock and nothing else.
void BM_WakeupsOnStartScreen(benchmark::State& state) {
    TForm1 form;
    form.show();
    RunEventsFor(500ms);
    for (auto _ : state) MeasureQuietSpan(state);
}
BENCHMARK(BM_WakeupsOnStartScreen)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

// "Empezar" against the computer (the window's default), then the human's
// turn: the window's clock, the board's 500 ms timer and a waiting worker.
void BM_WakeupsWhileHumanToMove(benchmark::State& state) {
    TForm1 form;
    form.show();
    RunEventsFor(200ms);
    QPushButton* start = ButtonCalled(form, QStringLiteral("Empezar"));
    auto* board = form.findChild<TChessBrd*>();
    if (!start || !board) {
        state.SkipWithError("no \"Empezar\" button or no board");
        return;
    }
    start->click();
    RunEventsFor(500ms);
    for (auto _ : state) MeasureQuietSpan(state);
    if (!board->ComputerPlaysBlack() || !board->WhiteToMove() || board->EngineThread()->SearchCount() != 0)
        state.SkipWithError("the human should be to move against the computer");
}
BENCHMARK(BM_WakeupsWhileHumanToMove)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
