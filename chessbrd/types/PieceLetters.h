#pragma once
// The letters of the pieces and the starting position. Plain C++.

namespace tablerix {

// White's pawn, knight, bishop, rook, queen and king, then Black's; a blank
// is an empty square. The order is also that of the piece images.
inline constexpr const char* kPieceLetters = "PNBRQKpnbrqk";

// A8 first, H1 last: 64 characters.
inline constexpr const char* kStartPosition = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

}  // namespace tablerix
