// Main window: from constructing TForm1 to its first paint on screen, and the
// tick handler of the clocks. Runs headless (offscreen) unless
// QT_QPA_PLATFORM says otherwise; the launch of the whole program under a real
// X server is measured outside (process start included).

#include "TChessBrd.h"
#include "TablerixPas.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

using namespace tablerix;

namespace {

// Notes the first paint of the window it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void BM_FormToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<TForm1>();
        PaintWatch watch;
        form->installEventFilter(&watch);
        form->show();
        while (!watch.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FormToFirstPaint)->Unit(benchmark::kMillisecond);

// One clock tick of a running game (labels and status bar included).
void BM_ClockTick(benchmark::State& state) {
    TForm1 form;
    form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    form.SetClocksRunning(true);
    for (auto _ : state) form.Timer1Timer();
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

// A game of the engine against itself at "Difícil" (search depth 5), played
// through the window as far as move `range(0)`: how long Black's replies take
// in the opening (moves 1-10) and after it. Animation off, so the figures are
// the search; mate and draw messages are closed as they come.
void BM_RepliesAtDificil(benchmark::State& state) {
    const int lastMove = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TForm1 form;
        auto* board = form.findChild<TChessBrd*>(QStringLiteral("ChessBrd1"));
        auto* hiddenList = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
        auto* blackPlayer = form.findChild<QComboBox*>(QStringLiteral("ComboJugadores"));
        auto* whitePlayer = form.findChild<QComboBox*>(QStringLiteral("ComboJugadorBlancas"));
        form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        closer.start(20);
        form.findChild<QComboBox*>(QStringLiteral("ComboDificultad"))->setCurrentIndex(2);
        form.BAceptarClick();
        board->SetAnimateMoves(false);
        whitePlayer->setCurrentIndex(0);  // the engine plays White too
        form.ComboJugadorBlancasChange();

        std::vector<double> opening, later;
        QElapsedTimer sinceWhite;
        int seen = 0;
        QElapsedTimer budget;
        budget.start();
        while (seen < 2 * lastMove && !board->GameOver() && budget.elapsed() < 300000) {
            QApplication::processEvents(QEventLoop::AllEvents, 2);
            const int count = hiddenList->count();
            if (count == seen) continue;
            seen = count;
            if (count % 2 == 1) {
                sinceWhite.start();  // White has just moved
            } else if (sinceWhite.isValid()) {
                const double ms = static_cast<double>(sinceWhite.nsecsElapsed()) / 1e6;
                (count / 2 <= 10 ? opening : later).push_back(ms);
            }
        }
        whitePlayer->setCurrentIndex(1);
        form.ComboJugadorBlancasChange();
        blackPlayer->setCurrentIndex(1);
        form.ComboJugadoresChange();

        const auto median = [](std::vector<double> v) {
            if (v.empty()) return 0.0;
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        const auto slowest = [](const std::vector<double>& v) {
            return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
        };
        state.counters["opening_median_ms"] = median(opening);
        state.counters["opening_max_ms"] = slowest(opening);
        state.counters["later_median_ms"] = median(later);
        state.counters["later_max_ms"] = slowest(later);
        state.counters["black_moves"] = static_cast<double>(opening.size() + later.size());
    }
}
BENCHMARK(BM_RepliesAtDificil)->Arg(40)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
