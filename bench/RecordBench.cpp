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

using namespace tablerix;

namespace {

// A two-player game of `halfMoves` half-moves: knights out and back.
void PlayKnights(TForm1& form, int halfMoves) {
    form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    form.findChild<QComboBox*>(QStringLiteral("ComboJugadores"))->setCurrentIndex(1);
    form.ComboJugadoresChange();
    form.BAceptarClick();
    auto* board = form.findChild<TChessBrd*>(QStringLiteral("ChessBrd1"));
    board->SetAnimateMoves(false);
    // Four half-moves bring the start back; a repetition would end the game,
    // so each cycle moves a pawn too.
    const char* cycle[][2] = {{"b1", "c3"}, {"b8", "c6"}, {"c3", "b1"}, {"c6", "b8"}};
    const char* pawns[][2] = {{"a2", "a3"}, {"a7", "a6"}, {"h2", "h3"}, {"h7", "h6"}, {"a3", "a4"},
                              {"a6", "a5"}, {"h3", "h4"}, {"h6", "h5"}, {"b2", "b3"}, {"b7", "b6"}};
    int played = 0;
    for (int round = 0; played < halfMoves; ++round) {
        for (const auto& m : cycle) {
            if (played++ >= halfMoves) break;
            board->MakeMove(ChessBrdCore::StrToSquare(m[0]), ChessBrdCore::StrToSquare(m[1]));
        }
        const auto& p = pawns[round % 10];
        if (played++ < halfMoves) board->MakeMove(ChessBrdCore::StrToSquare(p[0]), ChessBrdCore::StrToSquare(p[1]));
    }
    QApplication::processEvents();
}

void BM_CollectGameOnTheWindowsThread(benchmark::State& state) {
    TForm1 form;
    PlayKnights(form, static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(form.CollectGame());
}
BENCHMARK(BM_CollectGameOnTheWindowsThread)->Arg(40)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_WriteRecordOnTheWritersThread(benchmark::State& state) {
    TForm1 form;
    PlayKnights(form, static_cast<int>(state.range(0)));
    const GameRecordText game = form.CollectGame();
    QTemporaryDir dir(QStringLiteral("record-bench-XXXXXX"));  // the working folder's disk
    const QString path = dir.filePath(QStringLiteral("en-curso.Chess"));
    for (auto _ : state) benchmark::DoNotOptimize(GameFile::Save(path, game));
}
BENCHMARK(BM_WriteRecordOnTheWritersThread)->Arg(40)->Arg(200)->Unit(benchmark::kMicrosecond);

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
