#pragma once
// The rules core with its engine worker, as in TChessBrd but without the
// view, plus an event-loop wait for the thread tests.

#include "EngineBoard.h"
#include "TChessThread.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <memory>
#include <thread>

namespace tablerix::test {

class ThreadTestBoard : public tablerix::EngineBoard {
public:
    using tablerix::EngineBoard::AskCustomEngineAgain;  // what the Qt board runs after each event
    TChessThread& Worker() { return *EngineThread(); }
};

// Runs the event loop until pred() holds or `limit` has passed; pred()'s last answer.
template <typename Pred>
bool RunEventsUntil(Pred pred, std::chrono::milliseconds limit = std::chrono::milliseconds(20000)) {
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() > limit.count()) return pred();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

inline void RunEventsFor(std::chrono::milliseconds span) {
    RunEventsUntil([] { return false; }, span);
}

}  // namespace tablerix::test
