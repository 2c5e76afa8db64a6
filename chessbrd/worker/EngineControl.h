#pragma once
// The board's side of the engine: StopThinking, StartThinking, the cycle
// callback that parks and re-releases the worker, the custom-engine mode
// (the owner is asked for the computer's moves, and asked again after each
// event and timer tick).
// It also watches the published position: each publication wakes a worker
// that waits with nothing to do.
//
// The engine board (EngineBoard) owns one EngineControl, with the settings
// and the published position it reads, and destroys it before anything else
// of the board: that parks the worker where it stands and ends it, and the
// worker never calls into the board again.
//
// Threads: every member is for the board's (user-interface) thread.

#include "ChessBrdCore.h"
#include "EngineSettings.h"
#include "PublishedPosition.h"
#include "TChessThread.h"

#include <chrono>
#include <memory>

namespace tablerix {

class EngineControl {
public:
    // Creates the worker parked, wired to the board's PerformMove. The three
    // must outlive the control.
    EngineControl(ChessBrdCore& board, EngineSettings& settings, PublishedPosition& position);
    ~EngineControl();  // Shutdown()
    EngineControl(const EngineControl&) = delete;
    EngineControl& operator=(const EngineControl&) = delete;

    // Sets ThinkingPaused. Unless GameOver is set: sets the stop request and
    // returns once the worker is parked; a waiting worker is parked at once,
    // otherwise it runs the worker's calls as they come and processes the
    // thread's events while none does. Inside a call the worker is waiting for (its move's events)
    // it returns at once: the worker is held there and parks at the end of
    // its cycle. With GameOver set it only wakes a waiting worker.
    void StopThinking();
    // Built-in engine: clears the stop request and releases a parked worker,
    // or wakes one that waits. CustomEngine: asks OnCalculateMove for the
    // computer's move when the computer is to move and ThinkingPaused is
    // clear, and performs it.
    void StartThinking();
    bool Thinking() const noexcept { return worker_ && worker_->Thinking(); }
    // Applies ThinkingPriority to the worker now.
    void ApplyPriority();
    // Run after every event the board handles and on each 500 ms tick: in
    // CustomEngine mode, asks again while the computer is to move.
    void AskCustomEngineAgain();
    // Parks and ends the worker; afterwards Stop/Start only set flags.
    void Shutdown();

    // Nullptr after Shutdown().
    TChessThread* Worker() noexcept { return worker_.get(); }

    // Inside StopThinking: how long to wait for the worker's call before a
    // round of event processing.
    static constexpr std::chrono::milliseconds kStopPollInterval{5};

private:
    void EngineCycleDone();
    void AskCustomEngine();
    bool ComputerToMove() const;

    ChessBrdCore& board_;
    EngineSettings& settings_;
    PublishedPosition& position_;
    std::unique_ptr<TChessThread> worker_;
    bool asking_ = false;  // OnCalculateMove is running
};

}  // namespace tablerix
