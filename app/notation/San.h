#pragma once
// Standard Algebraic Notation of a half-move in a position, and back.
// Writing follows the standard: English piece letters, disambiguation by
// file, then rank, then both, only among legal moves; "x" for captures (en
// passant too), "=Q" for the piece placed, "O-O"/"O-O-O", "+" and "#".
// Reading is tolerant (see SanPattern) and falls back to Spanish piece
// letters (R D T A C) only when the English reading is unreadable or names
// no legal move. Pure functions on copies; any thread (the overload that
// takes a board core: that board's thread).

#include "BoardPosition.h"
#include "ChessBrdCore.h"
#include "HalfMove.h"

#include <string>
#include <string_view>

namespace tablerix {

class San {
public:
    enum class Error {
        None,
        Unreadable,  // the token cannot be a move in either set of letters
        Illegal,     // readable, but no legal move fits it
        Ambiguous,   // more than one legal move fits it
    };
    struct Reading {
        Error Fault = Error::None;
        HalfMove Move;  // valid when Fault is None; Promotion set for every promoting move
        bool Ok() const noexcept { return Fault == Error::None; }
    };

    // SAN of move in position; an empty text when the move is not legal there.
    static std::string Write(const BoardPosition& position, const HalfMove& move);
    // The same in the position the core shows.
    static std::string Write(const ChessBrdCore& core, const HalfMove& move) {
        return Write(core.CurrentPosition(), move);
    }

    // The move a token names in position.
    static Reading Read(const BoardPosition& position, std::string_view token);

    // A short Spanish reason for a fault ("jugada ilegal" ...).
    static const char* Describe(Error fault) noexcept;
};

}  // namespace tablerix
