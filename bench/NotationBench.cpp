// PGN export and import of a 300-half-move game, and opening a 5 MB
// database of 2,000 games (only its first game is read and replayed).

#include "BoardPosition.h"
#include "ChessBrdCore.h"
#include "FenWriter.h"
#include "PgnReader.h"
#include "PgnReplay.h"
#include "PgnWriter.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using namespace tablerix;

// A seeded game of 300 random legal half-moves that the board accepts.
PgnExport Game300() {
    for (unsigned seed = 1;; ++seed) {
        std::mt19937 rng(seed);
        ChessBrdCore board;
        PgnExport game;
        game.Notes = "Notas de la partida";
        while (game.Moves.size() < 300) {
            const std::vector<HalfMove> legal = board.CurrentPosition().LegalMoves();
            if (legal.empty()) break;
            const HalfMove m = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
            board.SetPromotionPiece(m.Promotion != 0 ? m.Promotion : 'q');
            if (!board.PerformMove(m.From, m.To)) break;
            game.Moves.push_back(m);
        }
        if (game.Moves.size() == 300) return game;
    }
}

void BM_ExportPgn_300HalfMoves(benchmark::State& state) {
    const PgnExport game = Game300();
    for (auto _ : state) benchmark::DoNotOptimize(PgnWriter::Write(game));
}

// Reads the first game of text and replays it on a fresh board, as a load does.
void TimeImport(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        const PgnReader::Result read = PgnReader::ReadFirstGame(text);
        const PgnReplay::Result replay = PgnReplay::Run(read.Game.Moves);
        if (!replay.Ok()) state.SkipWithError("replay refused a move");
        benchmark::DoNotOptimize(replay.Moves.data());
    }
}

void BM_ImportPgn_300HalfMoves(benchmark::State& state) { TimeImport(state, PgnWriter::Write(Game300()).value()); }

void BM_OpenDatabase_5MB_2000Games(benchmark::State& state) {
    const std::string game = PgnWriter::Write(Game300()).value();
    std::string database;
    while (database.size() < 5'000'000 || database.size() < 2000 * game.size()) database += game;
    state.counters["bytes"] = static_cast<double>(database.size());
    TimeImport(state, database);
}

void BM_FenOfShownPosition_300HalfMoves(benchmark::State& state) {
    ChessBrdCore board;
    PgnReplay::Run(PgnReader::ReadFirstGame(PgnWriter::Write(Game300()).value()).Game.Moves, board);
    for (auto _ : state) benchmark::DoNotOptimize(FenWriter::Write(board));
}

}  // namespace

BENCHMARK(BM_ExportPgn_300HalfMoves)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ImportPgn_300HalfMoves)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenDatabase_5MB_2000Games)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_FenOfShownPosition_300HalfMoves)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
