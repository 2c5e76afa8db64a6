#pragma once
// The rules core with its engine: the engine's published properties
// (ComputerPlaysWhite/Black, Thinking, CustomEngine, SearchDepth,
// ThinkingPriority, ThinkingPaused), StopThinking and StartThinking, and the
// position published to the worker. It fills the core's engine seams; the
// view seams are left to TChessBrd, which derives from it. The thread tests
// use it without a view.
//
// Ownership: owns the engine settings, the published position and the engine
// control (which owns the worker). The control is created parked with the
// board and ended first: by ShutDownEngine, which a derived view calls at the
// start of its destructor, or at the latest by this destructor.
//
// Threads: every member is for the board's (user-interface) thread, except
// Snapshot(), ComputerToMove(), ComputerPlaysWhite/Black(), SearchDepth() and
// ThinkingPriority(), which any thread may call.

#include "ChessBrdCore.h"
#include "EngineSettings.h"
#include "PublishedPosition.h"

#include <memory>

namespace tablerix {

// Only declared here, so that code including the board does not parse the
// worker's Qt thread headers.
class EngineControl;
class TChessThread;

class EngineBoard : public ChessBrdCore {
public:
    // Publishes the starting position and creates the worker, parked until
    // the first StartThinking.
    EngineBoard();
    ~EngineBoard() override;  // ShutDownEngine

    // ---- Engine properties ----
    bool ComputerPlaysBlack() const noexcept { return settings_.ComputerPlaysBlack(); }
    void SetComputerPlaysBlack(bool v);  // StopThinking, store, StartThinking
    bool ComputerPlaysWhite() const noexcept { return settings_.ComputerPlaysWhite(); }
    void SetComputerPlaysWhite(bool v);  // StopThinking, store, StartThinking
    virtual bool Thinking() const;       // the worker is searching
    void SetThinking(bool) noexcept {}   // ignored
    bool CustomEngine() const noexcept { return settings_.CustomEngine(); }
    void SetCustomEngine(bool v) noexcept { settings_.SetCustomEngine(v); }  // plain store
    int SearchDepth() const noexcept { return settings_.SearchDepth(); }
    void SetSearchDepth(int v) noexcept { settings_.SetSearchDepth(v); }  // clamped to 1..8
    TThreadPriority ThinkingPriority() const noexcept { return settings_.ThinkingPriority(); }
    void SetThinkingPriority(TThreadPriority p);  // store, applied to the worker at once
    bool ThinkingPaused() const noexcept { return settings_.ThinkingPaused(); }

    // ---- Engine operations ----
    // Parks the worker (processing events until it is parked) unless
    // GameOver is set; always sets ThinkingPaused.
    void StopThinking() override;
    // Releases the worker, or in CustomEngine mode asks OnCalculateMove.
    void StartThinking() override;

    // ---- For the engine worker (any thread) ----
    // Position, side, castling and en passant as one consistent whole: the
    // copy published at the end of the last change to any of them.
    PositionSnapshot Snapshot() const { return published_.Snapshot(); }
    // The computer plays the side to move of Snapshot().
    bool ComputerToMove() const { return settings_.ComputerPlays(Snapshot().WhiteToMove); }
    // The worker; nullptr once the engine has been shut down.
    TChessThread* EngineThread() noexcept;

protected:
    // MakeMove's end: the pause is over (ThinkingPaused cleared), StartThinking.
    void ResumeThinking() override;
    void PositionChanged() override;
    // Run after every event the owner handles and on its 500 ms tick: in
    // CustomEngine mode, asks again while the computer is to move.
    void AskCustomEngineAgain();
    // Parks and ends the worker for good; afterwards StopThinking only sets
    // ThinkingPaused and StartThinking does nothing. Idempotent.
    void ShutDownEngine();

private:
    EngineSettings settings_;
    PublishedPosition published_;
    std::unique_ptr<EngineControl> control_;
};

}  // namespace tablerix
