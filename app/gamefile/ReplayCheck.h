#pragma once
// A replay tried out before anything the user sees is touched: the moves are
// played in order on a scratch rules core that starts a new game, exactly as
// the board would take them, and the ones it accepts are handed back. A load
// (and any later import) replays only what passed here. Plain C++, no Qt;
// any thread, nothing shared.

#include "ChessTypes.h"

#include <cstddef>
#include <vector>

namespace tablerix {

class ReplayCheck {
public:
    struct Move {
        Square From = Square::None;
        Square To = Square::None;
    };
    struct Accepted {
        std::size_t Index = 0;  // position of the move in the list tried
        Move Played;
    };

    // The moves a new game accepts, in order; refused ones are skipped and
    // the rest go on from the position before them.
    static std::vector<Accepted> Run(const std::vector<Move>& moves);
};

}  // namespace tablerix
