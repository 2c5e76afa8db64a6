#pragma once
// Reads a position in Forsyth-Edwards notation into the board's terms.
// Plain C++, no Qt; any thread.

#include "ChessTypes.h"

#include <string>
#include <string_view>

namespace tablerix {

class FenParser {
public:
    // Fills pos from the text ("<placement> <side> <castling> <en passant>
    // [<halfmove> <fullmove>]") and returns true; on a malformed or
    // impossible position returns false with the reason in error and pos
    // unchanged. Castling letters whose king or rook is not at home are kept
    // here and dropped by the engine; an en passant square that no pawn can
    // just have passed over is dropped here (a malformed one is an error).
    static bool Parse(std::string_view fen, PositionSnapshot& pos, std::string& error);

    // The start position.
    static PositionSnapshot StartPosition();
};

}  // namespace tablerix
