// The record that keeps a game from being lost: what a move costs the window
// (collecting the game, on the user-interface thread) and what it costs the
// writer's thread (the whole file written, flushed and committed, fsync
// included). And the notes field showing a word of 256 KiB and 1 MiB, next to
// 1 MiB of ordinary words. Runs headless unless QT_QPA_PLATFORM says otherwise.

#include "GameFile.h"
#include "TChessBrd.h"
#include "TNotesEdit.h"
#include "TablerixPas.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <string>

using namespace tablerix;

namespace {

// A two-player game of `halfMoves` half-moves (at most 78): each round the
// knights go out and back and each side pushes a pawn, so nothing repeats.
void PlayKnights(TForm1& form, int halfMoves) {
    form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    form.findChild<QComboBox*>(QStringLiteral("ComboJugadores"))->setCurrentIndex(1);
    form.ComboJugadoresChange();
    form.BAceptarClick();
    auto* board = form.findChild<TChessBrd*>(QStringLiteral("ChessBrd1"));
    board->SetAnimateMoves(false);
    const char* cycle[][2] = {{"b1", "c3"}, {"b8", "c6"}, {"c3", "b1"}, {"c6", "b8"}};
    const char* white[] = {"a2a3", "h2h3", "a3a4", "h3h4", "c2c3", "f2f3", "d2d3",
                           "e2e3", "g2g3", "b2b3", "c3c4", "f3f4", "g3g4"};
    const char* black[] = {"a7a6", "h7h6", "a6a5", "h6h5", "c7c6", "f7f6", "d7d6",
                           "e7e6", "g7g6", "b7b6", "c6c5", "f6f5", "g6g5"};
    const auto play = [board](const char* from, const char* to) {
        board->MakeMove(ChessBrdCore::StrToSquare(from), ChessBrdCore::StrToSquare(to));
    };
    int played = 0;
    for (int round = 0; round < 13 && played < halfMoves; ++round) {
        for (const auto& m : cycle)
            if (played++ < halfMoves) play(m[0], m[1]);
        if (played++ < halfMoves) play(std::string(white[round], 2).c_str(), white[round] + 2);
        if (played++ < halfMoves) play(std::string(black[round], 2).c_str(), black[round] + 2);
    }
    QApplication::processEvents();
}

void BM_CollectGameOnTheWindowsThread(benchmark::State& state) {
    TForm1 form;
    PlayKnights(form, static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(form.CollectGame());
}
BENCHMARK(BM_CollectGameOnTheWindowsThread)->Arg(40)->Arg(78)->Unit(benchmark::kMicrosecond);

void BM_WriteRecordOnTheWritersThread(benchmark::State& state) {
    TForm1 form;
    PlayKnights(form, static_cast<int>(state.range(0)));
    const GameRecordText game = form.CollectGame();
    QTemporaryDir dir(QStringLiteral("record-bench-XXXXXX"));  // the working folder's disk
    const QString path = dir.filePath(QStringLiteral("en-curso.Chess"));
    for (auto _ : state) benchmark::DoNotOptimize(GameFile::Save(path, game));
}
BENCHMARK(BM_WriteRecordOnTheWritersThread)->Arg(40)->Arg(78)->Unit(benchmark::kMicrosecond);

void ShowNotes(benchmark::State& state, const QString& text) {
    for (auto _ : state) {
        TNotesEdit notes;
        notes.resize(250, 150);
        notes.show();
        QApplication::processEvents();
        notes.SetNotes(QStringLiteral("Notas"));
        notes.SetNotes(text);
        notes.repaint();
        QApplication::processEvents();
    }
}

void BM_NotesWithOneLongWord(benchmark::State& state) {
    ShowNotes(state, QString(static_cast<qsizetype>(state.range(0)), u'a'));
}
BENCHMARK(BM_NotesWithOneLongWord)->Arg(256 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

void BM_NotesWithOrdinaryWords(benchmark::State& state) {
    QString text;
    while (text.size() < state.range(0)) text += QStringLiteral("palabra ");
    ShowNotes(state, text);
}
BENCHMARK(BM_NotesWithOrdinaryWords)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

}  // namespace
