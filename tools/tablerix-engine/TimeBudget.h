#pragma once
// How long one "go" may think, from the clock values it was given. Plain C++;
// a value, any thread.
//
// With a clock (wtime/btime of the side to move, winc/binc, movestogo):
//   usable = remaining time - kOverhead (never below 0), kept back for the
//            pipes, the program that runs the clock, and a loaded machine;
//   target = usable / moves to go + increment, where moves to go is
//            movestogo, or kAssumedMovesToGo when the game has no control;
//   hard   = min(2 x target, usable / 2): the search ends there, so one move
//            never takes more than half of what is left after the margin;
//   soft   = min(target / 4, hard): no new iteration starts after it. Each
//            iteration takes about six times as long as the one before, so
//            one started by then mostly ends between a quarter of the target
//            and one and a half targets: about the target on average.
// With movetime m: soft = hard = m - kMoveTimeMargin (m / 2 when m is small).
// Both given: the smaller of each. Neither: no budget (depth and nodes only).
// The engine always finishes its first iteration, which takes well under a
// millisecond, so even a budget of 0 gives a searched move.

#include "GoParameters.h"

#include <chrono>
#include <optional>

namespace tablerix {

struct TimeBudget {
    using Duration = std::chrono::milliseconds;
    static constexpr Duration kOverhead{100};
    static constexpr Duration kMoveTimeMargin{10};
    static constexpr int kAssumedMovesToGo = 25;

    Duration Soft{0};  // no new iteration after this long
    Duration Hard{0};  // the search ends after this long

    // The budget for the side to move, or none when go names no time for it.
    static std::optional<TimeBudget> For(const GoParameters& go, bool whiteToMove);
};

}  // namespace tablerix
