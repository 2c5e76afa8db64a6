#pragma once
// One entry of the game record. Plain C++.

#include "CastleSet.h"
#include "Square.h"

#include <string>

namespace tablerix {

// The position at (move, side) and the half-move played from it, once one
// has been.
struct MoveInfo {
    std::string PositionString;  // 64 characters
    CastleSet Castling;
    Square FromSq = Square::None;
    Square ToSq = Square::None;
    Square EnPassantSq = Square::None;
};

}  // namespace tablerix
