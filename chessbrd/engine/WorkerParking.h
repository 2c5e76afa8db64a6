#pragma once
// Where the engine worker stands in its cycle, and who may move it on. The
// worker blocks here, without a timeout, whenever it has nothing to do: while
// parked, and while released with the human to move. Plain C++.
//
// State table (B: the board's thread makes the move, W: the worker):
//
//   from        to          by  operation    when
//   Parked      Released    B   Release      StartThinking lets the worker run a cycle
//   Released    Searching   W   BeginSearch  the computer is to move
//   Released    Idle        W   AwaitChange  nothing to do: it blocks and reads nothing
//   Released    Reporting   W   BeginReport  the cycle ends (FinishCycle)
//   Released    Stopping    B   Stop
//   Idle        Released    B   Wake         the board changed, or StartThinking
//   Idle        Parked      B   Stop         it holds nothing, so it is parked at once
//   Searching   Delivering  W   EndSearch    the search ended with no stop since it began
//   Searching   Stopping    B   Stop         the search unwinds; its result is dropped
//   Stopping    Reporting   W   BeginReport
//   Delivering  Reporting   W   BeginReport  DeliverMove has returned
//   Reporting   Parked      B   Park         inside FinishCycle's call on the board's thread
//   any         ShutDown    B   ShutDown     final: the worker ends and calls nothing
//
// Any other move is a programming error and fails an assertion in builds
// without NDEBUG (debug and the sanitizer presets). Operations that find another state change nothing: Release answers
// false, Wake and Stop leave a worker that is held in a call or already
// stopping where it is (it parks when FinishCycle's call runs).
//
// Wake and Stop also count a change of the board (Generation): a worker that
// read the board before the change does not go idle on what it read.
//
// Threads: each operation is for the thread the table names; State,
// Parked and Generation for any thread. One mutex guards everything, so each
// hand-over is ordered for the worker's reads of the board.

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace tablerix {

enum class WorkerState : std::uint8_t { Parked, Released, Idle, Searching, Stopping, Delivering, Reporting, ShutDown };

class WorkerParking {
public:
    WorkerParking() = default;
    WorkerParking(const WorkerParking&) = delete;
    WorkerParking& operator=(const WorkerParking&) = delete;

    // ---- Board's thread ----
    // Parked -> Released; false (nothing changes) from any other state.
    bool Release();
    // A change of the board: Idle -> Released, so that the worker looks again.
    void Wake();
    // Idle -> Parked, Released or Searching -> Stopping; the state afterwards.
    WorkerState Stop();
    // Reporting -> Parked; only from the cycle callback. Nothing after ShutDown.
    void Park();
    // Final; wakes a blocked worker.
    void ShutDown();

    // ---- Worker ----
    // Blocks while Parked, and while a report waits for the board's Park;
    // false once ShutDown.
    bool WaitForRelease();
    // Released -> Searching; false when a stop or the shutdown came first.
    bool BeginSearch();
    // Searching -> Delivering; false when the search was stopped (or ShutDown).
    bool EndSearch();
    // When no change came since `seen` (a Generation()), Released -> Idle and
    // blocks until the board moves it on. True: end the cycle with
    // BeginReport (woken, or a stop is due); false: parked or shut down, the
    // cycle ends without a report.
    bool AwaitChange(std::uint64_t seen);
    // Released, Stopping or Delivering -> Reporting; false once ShutDown.
    bool BeginReport();

    // ---- Any thread ----
    WorkerState State() const;
    bool Parked() const { return State() == WorkerState::Parked; }
    // Counts Wake and Stop calls.
    std::uint64_t Generation() const;

    // The state table above.
    static bool Allowed(WorkerState from, WorkerState to) noexcept;

private:
    // Asserts the table (builds without NDEBUG); call with mutex_ held.
    void MoveTo(WorkerState to) noexcept;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    WorkerState state_ = WorkerState::Parked;
    std::uint64_t generation_ = 0;
};

}  // namespace tablerix
