#pragma once
// The engine worker: a thread that searches whenever the side the computer
// plays is to move, and hands its move to the board's thread.
//
// Cycle loop (worker): if the computer is to move, set the priority, set
// Thinking, Think on a snapshot of the board, and unless stopped clear
// Thinking and DeliverMove; then FinishCycle. DeliverMove and FinishCycle run
// their callback on the board's (user-interface) thread while the worker
// waits. A cycle in which the computer is not to move pauses up to
// kIdlePause first, so that waiting for a human move costs next to nothing;
// a stop request or Terminate cuts the pause short.
//
// A move is handed over only if, when the board's thread runs the hand-over,
// no stop has been requested and the board still holds the searched position.
// A position whose move the board refused (a repetition, or no legal move)
// is not searched again until it changes or the board calls BoardChanged();
// until then its cycles pause like idle ones.
//
// Parking: the worker is parked (blocked, reading nothing) until Release().
// The cycle callback parks it with Park() while the worker waits in
// FinishCycle; it then stays parked once that call returns, unless released
// again. All of this uses std primitives, so ThreadSanitizer sees every
// hand-over.
//
// Ownership: the board owns the worker; the worker owns its engine and only
// reads the board, through Snapshot(), SearchDepth(), ThinkingPriority() and
// the computer's colours (all safe from any thread).
//
// Threads: the constructor, SetCallbacks, Release, Park, ApplyPriority,
// RunPendingCall, InBoardCall, WaitForWorker, BoardChanged and Terminate are
// for the board's thread; RequestStop, ClearStop, StopRequested, Parked,
// Thinking and ClearThinking for any thread.

#include "ChessBrdCore.h"
#include "ChessEngine.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QSocketNotifier;

namespace tablerix {

class TChessThread : public QThread {
public:
    // Runs PerformMove; the answer only tells the worker whether to search the
    // same position again.
    using MoveCallback = std::function<bool(Square fromSq, Square toSq)>;
    using CycleCallback = std::function<void()>;

    // Longest pause of a cycle in which the computer is not to move.
    static constexpr std::chrono::milliseconds kIdlePause{25};

    // Parked; the thread itself starts at the first Release().
    explicit TChessThread(const ChessBrdCore& board);
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
    bool Parked() const;

    // ---- Flags (any thread) ----
    void RequestStop();  // the search unwinds; an idle pause ends
    void ClearStop() noexcept { engine_->ClearStop(); }
    bool StopRequested() const noexcept { return engine_->StopRequested(); }
    // From the start of a search until its move is handed over, or until the
    // board parks a stopped worker.
    bool Thinking() const noexcept { return thinking_.load(); }
    void ClearThinking() noexcept { thinking_.store(false); }

    // ---- Board's side of the hand-over (board's thread) ----
    // Runs the call the worker is waiting for, if any; true when one ran.
    bool RunPendingCall();
    // True while the board's thread is inside a call made by the worker (the
    // worker is held there and reads nothing).
    bool InBoardCall() const noexcept { return callDepth_ > 0; }
    // Waits until the worker is parked or has a call waiting, at most `limit`.
    void WaitForWorker(std::chrono::milliseconds limit);
    // The board may have changed: a position whose move was refused is
    // searched again.
    void BoardChanged() noexcept { boardEpoch_.fetch_add(1); }
    // Applies a priority at once when the thread runs (the worker applies
    // ThinkingPriority again before each search).
    void ApplyPriority(TThreadPriority p);
    // Ends the worker for good: a search unwinds, no further call reaches the
    // board, and the thread has finished when this returns. Idempotent.
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
    bool WaitUntilReleased();
    void RunCycle();
    void IdlePause();
    bool CallOnBoardThread(const std::function<void()>& call);
    bool MoveOnBoardThread(const PositionSnapshot& searched, Square fromSq, Square toSq);

    void WakeBoardThread();
    void OnWakeup();

    const ChessBrdCore& board_;
    std::unique_ptr<ChessEngine> engine_;
    MoveCallback onMove_;
    CycleCallback onCycleDone_;

    std::atomic<bool> thinking_{false};
    std::atomic<std::uint64_t> boardEpoch_{0};
    std::atomic<std::uint64_t> searches_{0};
    std::atomic<std::uint64_t> cycles_{0};

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool parked_ = true;
    bool started_ = false;
    bool terminated_ = false;
    const std::function<void()>* pendingCall_ = nullptr;
    bool callRunning_ = false;
    bool callDone_ = false;

    // Board's thread only.
    int callDepth_ = 0;
    int wakeFd_ = -1;
    std::unique_ptr<QSocketNotifier> wakeNotifier_;

    // Worker only: the position whose delivered move was refused, and the
    // board epoch it was refused in.
    std::optional<PositionSnapshot> refused_;
    std::uint64_t refusedEpoch_ = 0;
};

}  // namespace tablerix
