#pragma once
// A rules-core board wired to the engine worker the way TChessBrd is, without
// the view, plus an event-loop wait for the thread tests.

#include "ChessBrdCore.h"
#include "EngineControl.h"
#include "TChessThread.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <memory>
#include <thread>

namespace tablerix::test {

class EngineBoard : public ChessBrdCore {
public:
    EngineBoard() : control_(std::make_unique<EngineControl>(*this)) {}
    ~EngineBoard() override { control_.reset(); }

    void StopThinking() override {
        if (control_)
            control_->StopThinking();
        else
            ChessBrdCore::StopThinking();
    }
    void StartThinking() override {
        if (control_) control_->StartThinking();
    }
    bool Thinking() const override { return control_ && control_->Thinking(); }
    void SetThinkingPriority(TThreadPriority p) override {
        ChessBrdCore::SetThinkingPriority(p);
        if (control_) control_->ApplyPriority();
    }

    EngineControl& Control() { return *control_; }
    TChessThread& Worker() { return *control_->Worker(); }

private:
    std::unique_ptr<EngineControl> control_;
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
