#include "EngineControl.h"

#include <QCoreApplication>

namespace tablerix {

EngineControl::EngineControl(ChessBrdCore& board, EngineSettings& settings, PublishedPosition& position)
    : board_(board),
      settings_(settings),
      position_(position),
      worker_(std::make_unique<TChessThread>(settings, position)) {
    worker_->SetCallbacks([this](Square fromSq, Square toSq) { return board_.PerformMove(fromSq, toSq); },
                          [this] { EngineCycleDone(); });
    position_.SetObserver([this] {
        if (worker_) worker_->Wake();
    });
}

EngineControl::~EngineControl() { Shutdown(); }

void EngineControl::Shutdown() {
    if (!worker_) return;
    position_.SetObserver({});
    worker_->Terminate();
    worker_.reset();
}

void EngineControl::StopThinking() {
    settings_.SetThinkingPaused(true);  // before any event can run the hook
    if (!worker_) return;
    if (board_.GameOver()) {
        worker_->Wake();  // not parked: it looks at the board again
        return;
    }
    worker_->RequestStop();  // a worker with nothing to do is parked at once
    if (worker_->InBoardCall()) return;
    // Also in CustomEngine mode: a worker still running from before the
    // switch must not search on while the board changes. A stopped worker
    // always ends its cycle with FinishCycle, whose call parks it.
    while (!worker_->Parked()) {
        if (worker_->RunPendingCall() || worker_->WaitForCall(kStopPollInterval)) continue;
        // Input waits until the stop is over, so that no move or click is
        // handled halfway through the operation that stopped the engine.
        // The worker's call may run in here too (its wake-up is an event).
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void EngineControl::StartThinking() {
    if (settings_.CustomEngine()) {
        AskCustomEngine();
        return;
    }
    if (!worker_) return;
    worker_->ClearStop();
    // A worker already released may be waiting for a change: this is one.
    if (!worker_->Release()) worker_->Wake();
}

void EngineControl::ApplyPriority() {
    if (worker_) worker_->ApplyPriority(settings_.ThinkingPriority());
}

void EngineControl::AskCustomEngineAgain() {
    if (!settings_.ThinkingPaused() && settings_.CustomEngine() && ComputerToMove()) StartThinking();
}

void EngineControl::EngineCycleDone() {
    worker_->ClearThinking();
    worker_->Park();
    if (!worker_->StopRequested()) StartThinking();
}

void EngineControl::AskCustomEngine() {
    // Not again from inside itself: an owner that processes events in
    // OnCalculateMove, or the repaints of PerformMove, would otherwise run the
    // hook and nest one question (and move) inside the other.
    if (asking_ || !ComputerToMove() || !board_.OnCalculateMove || settings_.ThinkingPaused()) return;
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
    } guard(asking_);
    Square oldSq = Square::None;
    Square newSq = Square::None;
    board_.OnCalculateMove(board_, oldSq, newSq);
    if (settings_.ThinkingPaused()) return;
    if (!board_.PerformMove(oldSq, newSq) && board_.OnCalculationFailed)
        board_.OnCalculationFailed(board_, oldSq, newSq);
}

// Judged on the published position, as the worker judges it.
bool EngineControl::ComputerToMove() const { return settings_.ComputerPlays(position_.Snapshot().WhiteToMove); }

}  // namespace tablerix
