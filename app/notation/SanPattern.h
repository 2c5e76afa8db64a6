#pragma once
// What a move token says, before any position is looked at: castling, or a
// piece, what is known of its square of departure, the destination and a
// promotion piece. Reads strict SAN and the looser forms found in users'
// files: "0-0", long algebraic ("e2e4", "e2-e4", "Ng1-f3", "e7e8q"), a
// promotion without "=", a missing or extra "x", trailing "+", "#", "!",
// "?" and "e.p.". Pure functions; any thread.

#include "ChessTypes.h"

#include <optional>
#include <string_view>

namespace tablerix {

struct SanPattern {
    enum class Letters {
        English,  // K Q R B N (P)
        Spanish,  // R rey, D dama, T torre, A alfil, C caballo (P peón)
    };
    enum class Kind { Move, CastleKingSide, CastleQueenSide };

    Kind What = Kind::Move;
    // The moving piece as a lower-case English letter "pnbrqk", or 0 when the
    // token names none (a pawn, or whatever stands on a full origin square).
    char Piece = 0;
    int FromFile = 0;  // 1..8 when given, else 0
    int FromRank = 0;  // 1..8 when given, else 0
    Square To = Square::None;
    // Lower-case English letter of the promotion piece when given, else 0.
    // 'k' or 'p' can be read here; they match no move.
    char Promotion = 0;

    // The token in the given piece letters; nothing when it cannot be a move.
    static std::optional<SanPattern> Parse(std::string_view token, Letters letters);
};

}  // namespace tablerix
