#pragma once
// The owner's choices for the computer player: the colours it plays, how deep
// it searches and at which priority, whether the owner answers for it
// (CustomEngine), and whether the owner has paused it (ThinkingPaused). Plain
// values with no side effects: the board's setters stop and restart the
// engine around them (EngineBoard). Plain C++.
//
// Ownership: the board owns one; the worker reads it by reference and never
// writes it.
//
// Threads: setters, CustomEngine and ThinkingPaused are for the board's
// thread; the colours, ComputerPlays, SearchDepth and ThinkingPriority may be
// read from any thread.

#include "ThreadPriority.h"

#include <algorithm>
#include <atomic>

namespace tablerix {

class EngineSettings {
public:
    static constexpr int kMinSearchDepth = 1;
    static constexpr int kMaxSearchDepth = 8;

    bool ComputerPlaysWhite() const noexcept { return computerPlaysWhite_.load(); }
    void SetComputerPlaysWhite(bool v) noexcept { computerPlaysWhite_.store(v); }
    bool ComputerPlaysBlack() const noexcept { return computerPlaysBlack_.load(); }
    void SetComputerPlaysBlack(bool v) noexcept { computerPlaysBlack_.store(v); }
    // The computer plays the side to move.
    bool ComputerPlays(bool whiteToMove) const noexcept {
        return whiteToMove ? ComputerPlaysWhite() : ComputerPlaysBlack();
    }

    int SearchDepth() const noexcept { return searchDepth_.load(); }
    // Kept within kMinSearchDepth..kMaxSearchDepth.
    void SetSearchDepth(int v) noexcept { searchDepth_.store(std::clamp(v, kMinSearchDepth, kMaxSearchDepth)); }
    TThreadPriority ThinkingPriority() const noexcept { return priority_.load(); }
    void SetThinkingPriority(TThreadPriority p) noexcept { priority_.store(p); }

    // The owner is asked for the computer's moves instead of the worker.
    bool CustomEngine() const noexcept { return customEngine_; }
    void SetCustomEngine(bool v) noexcept { customEngine_ = v; }
    // Set by every StopThinking, cleared when MakeMove has entered a move; a
    // custom engine is not asked while it is set.
    bool ThinkingPaused() const noexcept { return thinkingPaused_; }
    void SetThinkingPaused(bool v) noexcept { thinkingPaused_ = v; }

private:
    std::atomic<bool> computerPlaysWhite_{false};
    std::atomic<bool> computerPlaysBlack_{false};
    std::atomic<int> searchDepth_{kMinSearchDepth};
    std::atomic<TThreadPriority> priority_{TThreadPriority::tpNormal};
    bool customEngine_ = false;
    bool thinkingPaused_ = false;
};

}  // namespace tablerix
