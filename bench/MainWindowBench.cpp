// Main window: from constructing TForm1 to its first paint on screen, and the
// tick handler of the clocks. Runs headless (offscreen) unless
// QT_QPA_PLATFORM says otherwise; the launch of the whole program under a real
// X server is measured outside (process start included).

#include "TablerixPas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

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
    form.Timer1->stop();
    form.ClocksRunning = true;
    for (auto _ : state) form.Timer1Timer();
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
