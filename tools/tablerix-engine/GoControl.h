#pragma once
// What the reading thread may do to a running "go": stop it, or turn a
// pondering search into a normal one ("ponderhit"); and the wait of a search
// that may not answer on its own. Plain C++.
//
// - A normal search answers when it ends.
// - "go infinite" answers only after "stop", even when it has searched to its
//   last depth before.
// - "go ponder" thinks without a time budget and answers only after "stop",
//   or after "ponderhit", from which on its budget applies as if the "go"
//   had been read at that moment.
//
// Threads: Stop and PonderHit for any thread, at any time; Reset, Begin and
// WaitForAnswer for the thread that runs the search, in that order, one
// search at a time. Ownership: keeps a reference to the engine, which must
// outlive it.

#include "ChessEngine.h"
#include "TimeBudget.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace tablerix {

class GoControl {
public:
    using Clock = std::chrono::steady_clock;

    explicit GoControl(ChessEngine& engine) : engine_(engine) {}
    GoControl(const GoControl&) = delete;
    GoControl& operator=(const GoControl&) = delete;

    // The next search starts afresh: no stop, no ponderhit, no deadlines.
    void Reset();
    // Stops the engine and lets a waiting search answer; holds until Reset.
    void Stop();
    // The pondering search (running, or the next one to begin) becomes a
    // normal one whose clock started at `at`.
    void PonderHit(Clock::time_point at);

    // Before the search: sets the engine's deadlines from the budget, counted
    // from start (from the ponderhit when it came first), or none while the
    // search ponders or has no budget.
    void Begin(bool ponder, bool infinite, std::optional<TimeBudget> budget, Clock::time_point start);
    // After the search: returns once it may answer.
    void WaitForAnswer();

private:
    void ApplyBudget(Clock::time_point start);  // under mutex_

    ChessEngine& engine_;
    std::mutex mutex_;  // guards everything below
    std::condition_variable changed_;
    bool stopped_ = false;
    bool hit_ = false;
    Clock::time_point hitAt_;
    bool pondering_ = false;  // waits for ponderhit or stop
    bool infinite_ = false;   // waits for stop
    std::optional<TimeBudget> budget_;
};

}  // namespace tablerix
