// Speed of the rules core: the legality gate, asked on every pointer move of a
// drag, and PerformMove, which tests every pair of squares after each move.

#include "ChessBrdCore.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <utility>
#include <vector>

namespace {

using tablerix::ChessBrdCore;
using tablerix::Square;
using tablerix::ToSquare;
using Pairs = std::vector<std::pair<Square, Square>>;

Pairs LegalPairs(const ChessBrdCore& b) {
    Pairs legal;
    for (int f = 1; f <= 64; ++f)
        for (int t = 1; t <= 64; ++t)
            if (b.IsLegalMove(ToSquare(f), ToSquare(t))) legal.emplace_back(ToSquare(f), ToSquare(t));
    return legal;
}

// A seeded game of `halfMoves` random legal moves that is not over.
void PlayRandomGame(ChessBrdCore& b, int halfMoves) {
    for (unsigned seed = 1;; ++seed) {
        b.ResetGame();
        std::mt19937 rng(seed);
        int played = 0;
        for (; played < halfMoves; ++played) {
            const Pairs legal = LegalPairs(b);
            if (legal.empty()) break;
            const auto [f, t] = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
            if (!b.PerformMove(f, t)) break;
        }
        if (played == halfMoves && !LegalPairs(b).empty()) return;
    }
}

// Cycles through the legal moves (the dearer answers: piece rule and king
// safety) and as many refused pairs of the side's own pieces.
void IsLegalMoveIn(benchmark::State& state, bool middleOfRecord) {
    ChessBrdCore b;
    PlayRandomGame(b, 100);
    if (middleOfRecord) b.GotoMove(26, true);  // half-move 50 of 100
    Pairs pairs = LegalPairs(b);
    const std::size_t legal = pairs.size();
    const int side = b.WhiteToMove() ? 1 : 0;
    for (int f = 1; f <= 64; ++f)
        for (int t = 1; t <= 64 && pairs.size() < 2 * legal; t += 3)
            if (b.PieceColor(ToSquare(f)) == side && !b.IsLegalMove(ToSquare(f), ToSquare(t)))
                pairs.emplace_back(ToSquare(f), ToSquare(t));
    state.counters["legal"] = static_cast<double>(legal);
    state.counters["pairs"] = static_cast<double>(pairs.size());
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [f, t] = pairs[i];
        benchmark::DoNotOptimize(b.IsLegalMove(f, t));
        if (++i == pairs.size()) i = 0;
    }
}
void BM_IsLegalMove_EndOf100HalfMoves(benchmark::State& state) { IsLegalMoveIn(state, false); }
void BM_IsLegalMove_MiddleOf100HalfMoves(benchmark::State& state) { IsLegalMoveIn(state, true); }

// Times PerformMove alone; MoveBack restores the position between runs.
void TimePerformMove(benchmark::State& state, ChessBrdCore& b, Square from, Square to) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = b.PerformMove(from, to);
        const auto stop = std::chrono::steady_clock::now();
        if (!ok) {
            state.SkipWithError("move refused");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        b.MoveBack();
    }
}

void BM_PerformMove_QuietMidgame(benchmark::State& state) {
    ChessBrdCore b;
    PlayRandomGame(b, 50);
    const Pairs legal = LegalPairs(b);
    TimePerformMove(state, b, legal.front().first, legal.front().second);
}

void BM_PerformMove_ScholarsMate(benchmark::State& state) {
    ChessBrdCore b;
    for (auto [f, t] : {std::pair{"e2", "e4"}, {"e7", "e5"}, {"d1", "h5"}, {"b8", "c6"}, {"f1", "c4"}, {"g8", "f6"}})
        b.PerformMove(ChessBrdCore::StrToSquare(f), ChessBrdCore::StrToSquare(t));
    TimePerformMove(state, b, Square::H5, Square::F7);
}

}  // namespace

BENCHMARK(BM_IsLegalMove_EndOf100HalfMoves)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_IsLegalMove_MiddleOf100HalfMoves)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PerformMove_QuietMidgame)->UseManualTime()->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PerformMove_ScholarsMate)->UseManualTime()->Repetitions(9)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
