#pragma once
// A game file's moves tried out before anything the user sees is touched:
// they are played in order on a scratch replay that starts a new game, and
// the ones it accepts are handed back. A load
// (and any later import) replays only what passed here. Plain C++, no Qt;
// any thread, nothing shared.

#include "ChessTypes.h"

#include <cstddef>
#include <vector>

namespace tablerix {

class ReplayCheck {
public:
    using Move = HalfMove;
    struct Accepted {
        std::size_t Index = 0;  // position of the move in the list tried
        Move Played;
    };

    // The moves a new game accepts, in order; refused ones are skipped and
    // the rest go on from the position before them.
    static std::vector<Accepted> Run(const std::vector<Move>& moves);
};

}  // namespace tablerix
