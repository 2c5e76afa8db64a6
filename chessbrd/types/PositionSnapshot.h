#pragma once
// A position as the engine searches it. Plain C++.

#include "CastleSet.h"
#include "Square.h"

#include <array>

namespace tablerix {

// A consistent copy of what the engine needs of the board, taken in one piece.
struct PositionSnapshot {
    std::array<char, 64> Squares{};  // Board[1..64]
    bool WhiteToMove = true;
    CastleSet Castling;
    Square EnPassant = Square::None;
};

}  // namespace tablerix
