#pragma once
// Reads a board's game record: the half-moves from the start up to the
// position it shows (after stepping back, only those before it), and the
// number of half-moves since the last capture or pawn move. Pure functions;
// the board's thread.

#include "ChessBrdCore.h"
#include "HalfMove.h"

#include <vector>

namespace tablerix {

class RecordMoves {
public:
    // The half-moves of entries (1, White) .. the shown entry, in order. A
    // promotion carries the piece the next entry shows on the pawn's square.
    // The list stops early at an entry that holds no half-move (a side made
    // to move out of turn).
    static std::vector<HalfMove> UpToShown(const ChessBrdCore& core);

    // Half-moves played since the last capture or pawn move, counted over
    // the same entries.
    static int HalfMoveClock(const ChessBrdCore& core);
};

}  // namespace tablerix
