#pragma once
// The piece rules and attack tests of the board, judged on one position.
// A MoveRules is a cheap view: it keeps a reference to the caller's board
// array and copies of the side data, and never changes anything. Build one
// per question on the thread that owns the board; it must not outlive it.

#include "ChessTypes.h"

#include <array>
#include <string_view>

namespace tablerix {

class MoveRules {
public:
    // board: index 1..64 are the squares in Square order (index 0 and 65 unused).
    MoveRules(const std::array<char, 66>& board, CastleSet castling, Square enPassant) noexcept
        : board_(board), castling_(castling), enPassant_(enPassant) {}

    static int FileOf(Square sq) noexcept;                // 1..8, 0 off the board
    static int RankOf(Square sq) noexcept;                // 1..8, 0 off the board
    static Square SquareAt(int file, int rank) noexcept;  // None outside 1..8
    // 1 White ("B".."R"), 0 Black ("b".."r"), -1 anything else or off the board.
    static int ColorOf(char c) noexcept;
    // Neither side can mate with the pieces among squares: each has less
    // than a rook's worth, counting a pawn as a rook, a bishop as 3 and a
    // knight as 2.
    static bool MaterialInsufficient(std::string_view squares) noexcept;
    int PieceColor(Square sq) const noexcept;

    // The piece on fromSq may reach toSq by its own way of moving; the safety
    // of its king is not looked at. Squares off the board give false.
    bool ValidPawnMove(Square fromSq, Square toSq) const noexcept;
    bool ValidKnightMove(Square fromSq, Square toSq) const noexcept;
    bool ValidBishopMove(Square fromSq, Square toSq) const noexcept;
    bool ValidRookMove(Square fromSq, Square toSq) const noexcept;
    bool ValidQueenMove(Square fromSq, Square toSq) const noexcept;
    bool ValidKingMove(Square fromSq, Square toSq) const noexcept;

    // The king of that colour would stand attacked once the piece on fromSq
    // stands on toSq (fromSq == toSq: attacked now). A pawn taken en passant
    // is lifted from the board for the test; a castling rook is not moved.
    // No king of that colour: false. A square off the board: the position is
    // judged as it stands.
    bool WhiteKingAttackedAfter(Square fromSq, Square toSq) const noexcept;
    bool BlackKingAttackedAfter(Square fromSq, Square toSq) const noexcept;
    // The king of that colour stands attacked as the position is; no king
    // of that colour: false.
    bool KingAttacked(bool white) const noexcept { return KingAttackedAfter(Square::None, Square::None, white); }

    // The square of the pawn that fromSq -> toSq takes en passant, or None:
    // a pawn stepping diagonally onto the empty en passant square with the
    // other side's pawn right behind it.
    Square EnPassantVictim(Square fromSq, Square toSq) const noexcept;

    // Everything the board asks of a move except the repetition: both squares
    // on the board, a piece of the side to move, target not its own, the
    // piece's rule, and the safety of its king.
    bool LegalByRules(Square fromSq, Square toSq, bool whiteToMove) const noexcept;
    // Some pair of squares passes LegalByRules.
    bool HasLegalMove(bool whiteToMove) const noexcept;

private:
    char At(Square sq) const noexcept { return board_[static_cast<std::size_t>(ToInt(sq))]; }
    bool SlideValid(Square fromSq, Square toSq, bool diagonal) const noexcept;
    bool CastleValid(Square fromSq, Square toSq) const noexcept;
    bool KingAttackedAfter(Square fromSq, Square toSq, bool white) const noexcept;

    const std::array<char, 66>& board_;
    CastleSet castling_;
    Square enPassant_;
};

}  // namespace tablerix
