// Board painting: a full Paint of the default 368-pixel board with wood
// textures, coordinates and lines, and the redraw of one move's squares.
// Runs headless (offscreen) unless QT_QPA_PLATFORM says otherwise.

#include "TChessBrd.h"

#include <benchmark/benchmark.h>
#include <QApplication>

#include <memory>

using namespace tablerix;

namespace {

std::unique_ptr<QWidget> MakeWindow(TChessBrd*& board, bool show) {
    auto window = std::make_unique<QWidget>();
    window->resize(420, 420);
    board = new TChessBrd(window.get());
    board->move(26, 26);
    board->SetSquareDark(QImage(QStringLiteral(":/textures/MarronOscuro2.png")));
    board->SetSquareLight(QImage(QStringLiteral(":/textures/MarronClaro2.png")));
    board->SetBorderBitmap(QImage(QStringLiteral(":/textures/MaderaBorde.png")));
    board->SetDisplayCoords(CoordSet::All());
    board->SetBoardLines(true);
    if (show) {
        window->show();
        QApplication::processEvents();
    }
    return window;
}

// Everything drawn on the board's surface, nothing put on screen (hidden board).
void BM_FullPaint(benchmark::State& state) {
    TChessBrd* board = nullptr;
    const auto window = MakeWindow(board, false);
    for (auto _ : state) board->Paint();
    state.counters["px"] = board->width();
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same on a shown board, including the synchronous repaint.
void BM_FullPaintShown(benchmark::State& state) {
    TChessBrd* board = nullptr;
    const auto window = MakeWindow(board, true);
    for (auto _ : state) board->Paint();
}
BENCHMARK(BM_FullPaintShown)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What a move draws: two squares cleared, one piece, the lines.
void BM_MoveRedraw(benchmark::State& state) {
    TChessBrd* board = nullptr;
    const auto window = MakeWindow(board, true);
    for (auto _ : state) {
        board->RepaintSquare(Square::E2);
        board->RepaintSquare(Square::E4);
        board->DrawPiece(Square::E4, 'P');
        board->DrawGrid();
    }
}
BENCHMARK(BM_MoveRedraw)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
