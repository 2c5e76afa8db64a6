#pragma once
// Forsyth-Edwards Notation of the position a board shows. Castling rights
// are those the board keeps, limited to a king and rook still on their
// squares; an en passant square only right after a pawn's double step; the
// half-move clock and move number come from the game record. Pure
// functions; the board's thread.

#include "BoardPosition.h"
#include "ChessBrdCore.h"

#include <string>

namespace tablerix {

class FenWriter {
public:
    static constexpr const char* kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

    // The full six fields for the shown position.
    static std::string Write(const ChessBrdCore& core);
    // The first four fields (placement, side, castling, en passant) of a position.
    static std::string Position(const BoardPosition& position);
};

}  // namespace tablerix
