#pragma once
// One half-move as the rules, the notation and the game files pass it
// around: the squares of the moving piece (the king's for a castling) and,
// for a pawn reaching the last rank, the piece it becomes. The engine keeps
// a packed move of its own. Plain data; any thread.

#include "Square.h"

namespace tablerix {

struct HalfMove {
    Square From = Square::None;
    Square To = Square::None;
    // 'q', 'r', 'b' or 'n' for a promotion; 0 for any other move. A promoting
    // move given with 0 is taken as a queen, as the board does by default.
    char Promotion = 0;

    friend bool operator==(const HalfMove&, const HalfMove&) = default;
};

}  // namespace tablerix
