#pragma once
// A position as a value: the 64 squares, the side to move, castling rights
// and the en passant square, judged with the board's own MoveRules. The
// notation code works on copies of this, so it can look one move ahead
// (check, mate) without touching the board or its game record.
// Plain C++; a BoardState is owned by its user and used on one thread at a time.

#include "ChessBrdCore.h"
#include "MoveRules.h"
#include "NotationMove.h"

#include <array>
#include <vector>

namespace tablerix {

class BoardState {
public:
    // The starting position, White to move, all four castling rights.
    BoardState();
    // The position the core shows now (after stepping back, that one).
    static BoardState FromCore(const ChessBrdCore& core);

    char At(Square sq) const noexcept { return IsOnBoard(sq) ? board_[static_cast<std::size_t>(ToInt(sq))] : ' '; }
    bool WhiteToMove() const noexcept { return whiteToMove_; }
    CastleSet Castling() const noexcept { return castling_; }
    Square EnPassant() const noexcept { return enPassant_; }
    // The 64 squares, A8 first, as the board's position string.
    std::string Placement() const { return std::string(board_.data() + 1, 64); }

    // The board's rules on this position; the view must not outlive *this.
    MoveRules Rules() const noexcept { return MoveRules(board_, castling_, enPassant_); }
    // The side to move may play fromSq -> toSq: the piece rules and the safety
    // of its king, as the board judges them (a standing repetition aside).
    bool IsLegal(Square fromSq, Square toSq) const noexcept;
    // Every legal move; a promoting move once for each of q, r, b and n.
    std::vector<NotationMove> LegalMoves() const;
    bool InCheck() const noexcept;  // the side to move's king stands attacked
    bool HasLegalMove() const noexcept { return Rules().HasLegalMove(whiteToMove_); }

    // The position after a legal move, carried out as the board does it: the
    // promotion piece (a queen when none is given), the pawn taken en passant,
    // the castling rook, the new en passant square and castling rights.
    BoardState After(const NotationMove& move) const;

    // True when move is a pawn's step onto the last rank.
    bool IsPromotion(Square fromSq, Square toSq) const noexcept;

private:
    void Set(Square sq, char c) noexcept { board_[static_cast<std::size_t>(ToInt(sq))] = c; }
    void RemoveRightsOf(Square sq) noexcept;

    std::array<char, 66> board_{};
    bool whiteToMove_ = true;
    CastleSet castling_ = CastleSet::All();
    Square enPassant_ = Square::None;
};

}  // namespace tablerix
