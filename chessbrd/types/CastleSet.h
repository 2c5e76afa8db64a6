#pragma once
// Castling rights. Plain C++.

#include "FlagSet.h"

#include <cstdint>

namespace tablerix {

enum class CanStillCastle : std::uint8_t {
    WhiteKingSide = 1,
    WhiteQueenSide = 2,
    BlackKingSide = 4,
    BlackQueenSide = 8,
};

// Set of CanStillCastle; Bits() is also the engine's castle-bit word.
using CastleSet = FlagSet<CanStillCastle>;

}  // namespace tablerix
