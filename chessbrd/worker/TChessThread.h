#pragma once
// The engine worker: a thread that searches whenever the side the computer
// plays is to move, and hands its move to the board's thread.
//
// Cycle (worker): if the computer is to move, set the priority, set Thinking,
// Think on a snapshot of the board, and unless stopped clear Thinking and
// DeliverMove; then FinishCycle. DeliverMove and FinishCycle run their
// callback on the board's (user-interface) thread while the worker waits
// (CallChannel). A cycle in which the computer is not to move waits, without
// a timeout, until the board changes (Wake: a move, a new position, a change
// of side, castling or en passant, StartThinking) or stops it, and only then
// ends with FinishCycle. Where the worker stands is kept by WorkerParking,
// whose table says who may move it on.
//
// A move is handed over only if, when the board's thread runs the hand-over,
// no stop has been requested and the board still holds the searched position.
// A position whose move the board refused (a repetition, or no legal move) is
// not searched again until the board changes or is stopped; until then the
// worker waits as in a cycle with nothing to do.
//
// Ownership: the board's engine control owns the worker; the worker owns its
// engine, its parking state and its call channel, and reads nothing of the
// board but the published position and the engine settings (both safe from
// any thread).
//
// Threads: the constructor, SetCallbacks, Release, Park, RequestStop, Wake,
// RunPendingCall, InBoardCall, WaitForCall, ApplyPriority and Terminate are
// for the board's thread; ClearStop, StopRequested, Parked, State, Thinking,
// ClearThinking and the counters for any thread.

#include "CallChannel.h"
#include "ChessEngine.h"
#include "EngineSettings.h"
#include "PublishedPosition.h"
#include "WorkerParking.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;

namespace tablerix {

class TChessThread : public QThread {
public:
    // Runs PerformMove; the answer only tells the worker whether to search the
    // same position again.
    using MoveCallback = std::function<bool(Square fromSq, Square toSq)>;
    using CycleCallback = std::function<void()>;

    // Parked; the thread itself starts at the first Release(). Both must
    // outlive the worker.
    TChessThread(const EngineSettings& settings, const PublishedPosition& position);
    // Terminate(), then frees the engine.
    ~TChessThread() override;
    TChessThread(const TChessThread&) = delete;
    TChessThread& operator=(const TChessThread&) = delete;

    // Before the first Release().
    void SetCallbacks(MoveCallback onMove, CycleCallback onCycleDone);

    // ---- Parking (board's thread) ----
    // Lets a parked worker run its next cycle; false when it was not parked
    // (nothing changes) or has been terminated.
    bool Release();
    // From the cycle callback only: the worker stays parked after it returns.
    void Park();
    // Sets the stop request: a search unwinds and a waiting worker is parked
    // at once. Any other worker parks when its FinishCycle runs.
    void RequestStop();
    // The board may have changed: a waiting worker looks again, and a
    // position whose move was refused is searched again.
    void Wake() { parking_.Wake(); }

    // ---- Flags (any thread) ----
    void ClearStop() noexcept { engine_->ClearStop(); }
    bool StopRequested() const noexcept { return engine_->StopRequested(); }
    bool Parked() const { return parking_.Parked(); }
    WorkerState State() const { return parking_.State(); }
    // From the start of a search until its move is handed over, or until the
    // board parks a stopped worker.
    bool Thinking() const noexcept { return thinking_.load(); }
    void ClearThinking() noexcept { thinking_.store(false); }

    // ---- Board's side of the hand-over (board's thread) ----
    // Runs the call the worker is waiting for, if any; true when one ran.
    bool RunPendingCall() { return channel_.RunPending(); }
    // True while the board's thread is inside a call made by the worker (the
    // worker is held there and reads nothing).
    bool InBoardCall() const noexcept { return channel_.InCall(); }
    // Waits up to `limit` for the worker to post a call; true when one waits.
    bool WaitForCall(std::chrono::milliseconds limit) { return channel_.WaitForCall(limit); }
    // Applies a priority at once when the thread runs (the worker applies
    // ThinkingPriority again before each search).
    void ApplyPriority(TThreadPriority p);
    // Ends the worker for good: a search unwinds, no further call reaches the
    // board, and the thread has finished when this returns. Idempotent. Not
    // from inside a call the worker made.
    void Terminate();

    static QThread::Priority QtPriority(TThreadPriority p) noexcept;

    // The engine, for tests and measurements; read it only while parked.
    const ChessEngine& Engine() const noexcept { return *engine_; }
    // Searches finished since construction (any thread).
    std::uint64_t SearchCount() const noexcept { return searches_.load(); }
    // Cycles finished since construction (any thread).
    std::uint64_t CycleCount() const noexcept { return cycles_.load(); }

protected:
    void run() override;

private:
    // Worker side.
    void RunCycle();
    bool ShouldSearch(const PositionSnapshot& position, std::uint64_t seen) const;
    void Search(const PositionSnapshot& position, std::uint64_t seen);
    bool DeliverMove(const PositionSnapshot& searched, Square fromSq, Square toSq);
    void FinishCycle();
    void WakeBoardThread();

    // Board's thread: the worker's wake-up arrived.
    void OnWakeup();

    const EngineSettings& settings_;
    const PublishedPosition& position_;
    std::unique_ptr<ChessEngine> engine_;
    MoveCallback onMove_;
    CycleCallback onCycleDone_;

    std::atomic<bool> thinking_{false};
    std::atomic<std::uint64_t> searches_{0};
    std::atomic<std::uint64_t> cycles_{0};

    WorkerParking parking_;
    CallChannel channel_{[this] { WakeBoardThread(); }};

    // Board's thread only: the wake-up line from the worker.
    bool started_ = false;
    int wakeFd_ = -1;
    std::unique_ptr<QSocketNotifier> wakeNotifier_;

    // Worker only: the position whose delivered move was refused, and the
    // board generation it was refused in.
    std::optional<PositionSnapshot> refused_;
    std::uint64_t refusedGeneration_ = 0;
};

}  // namespace tablerix
