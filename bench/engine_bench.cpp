// Engine speed: perft throughput with the engine's own generator and
// TryMove/UndoMove, and fixed-depth searches. Each benchmark also checks its
// exact count, so a faster but different engine fails here.

#include "ChessEngine.h"
#include "FenParser.h"
#include "Perft.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

using namespace tablerix;

struct BenchPosition {
    const char* Name;
    const char* Fen;  // empty for the start position
};

const BenchPosition kPositions[] = {
    {"start", ""},
    {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -"},
    {"endgame", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -"},
    {"promotions", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq -"},
    {"talkchess", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -"},
};

PositionSnapshot Load(const BenchPosition& p) {
    PositionSnapshot pos = FenParser::StartPosition();
    std::string error;
    if (*p.Fen != '\0') FenParser::Parse(p.Fen, pos, error);
    return pos;
}

void PerftBench(benchmark::State& state, int index, int depth, std::uint64_t expected) {
    auto board = std::make_unique<SearchBoard>();
    board->Load(Load(kPositions[index]));
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        nodes = Perft::Count(*board, depth);
        benchmark::DoNotOptimize(nodes);
    }
    if (nodes != expected) state.SkipWithError(("wrong count " + std::to_string(nodes)).c_str());
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["nps"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsIterationInvariantRate);
}

void SearchBench(benchmark::State& state, int index) {
    auto engine = std::make_unique<ChessEngine>();
    const PositionSnapshot pos = Load(kPositions[index]);
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        engine->ClearPrincipalVariation();  // a fresh engine each time: same work
        engine->Think(pos, 5);
        nodes = engine->Nodes();
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["nps"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["maxply"] = engine->MaxPlyReached();  // the tables end at ply 63
    state.SetLabel(MoveText(engine->BestMove()) + " score " + std::to_string(engine->CompletedScore()));
}

BENCHMARK_CAPTURE(PerftBench, start_d5, 0, 5, 4865609)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PerftBench, kiwipete_d4, 1, 4, 4085603)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PerftBench, endgame_d5, 2, 5, 674624)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PerftBench, promotions_d4, 3, 4, 422333)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PerftBench, talkchess_d3, 4, 3, 62379)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(SearchBench, start_d5, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchBench, kiwipete_d5, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchBench, endgame_d5, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchBench, promotions_d5, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchBench, talkchess_d5, 4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
