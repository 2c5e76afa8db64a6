#pragma once
// One half-move as the notation code passes it around: the squares of the
// moving piece (the king's for a castling) and, for a pawn reaching the last
// rank, the piece it becomes. Plain data; any thread.

#include "ChessTypes.h"

namespace tablerix {

struct NotationMove {
    Square From = Square::None;
    Square To = Square::None;
    // 'q', 'r', 'b' or 'n' for a promotion; 0 for any other move. A promoting
    // move given with 0 is taken as a queen, as the board does by default.
    char Promotion = 0;

    friend bool operator==(const NotationMove&, const NotationMove&) = default;
};

}  // namespace tablerix
