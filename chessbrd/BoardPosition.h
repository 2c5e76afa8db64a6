#pragma once
// A position as a value: the 64 squares, the side to move, castling rights
// and the en passant square. The rules core holds one as its position; the
// notation code works on copies, so it can look a move ahead (check, mate)
// without touching a board or its game record.
//
// A move is carried out here and nowhere else: the board calls the steps
// one by one, firing its events and drawing in between; Apply runs the same
// steps in a row. Plain C++; a value owned by its user, one thread at a time.

#include "ChessTypes.h"
#include "MoveRules.h"

#include <array>
#include <string>
#include <vector>

namespace tablerix {

class BoardPosition {
public:
    // The starting position, White to move, all four castling rights.
    BoardPosition() noexcept;

    char At(Square sq) const noexcept { return IsOnBoard(sq) ? squares_[Index(sq)] : ' '; }
    bool WhiteToMove() const noexcept { return whiteToMove_; }
    CastleSet Castling() const noexcept { return castling_; }
    Square EnPassant() const noexcept { return enPassant_; }
    // The 64 squares, A8 first, as the board's position string.
    std::string Placement() const { return std::string(squares_.data() + 1, 64); }
    // Index 0 is '_', 1..64 the squares (a piece letter or a blank), 65 NUL.
    const std::array<char, 66>& Squares() const noexcept { return squares_; }

    // ---- Setting up (no judgement: any placement is taken) ----
    void Set(Square sq, char c) noexcept {
        if (IsOnBoard(sq)) squares_[Index(sq)] = c;
    }
    // Up to 64 letters from squares, A8 first; the rest of the board is blank.
    void SetPlacement(const char* squares, std::size_t count) noexcept;
    void SetWhiteToMove(bool v) noexcept { whiteToMove_ = v; }
    void SetCastling(CastleSet v) noexcept { castling_ = v; }
    void SetEnPassant(Square sq) noexcept { enPassant_ = sq; }

    // ---- Judging (none of these change anything) ----
    // The board's rules on this position; the view must not outlive *this.
    MoveRules Rules() const noexcept { return MoveRules(squares_, castling_, enPassant_); }
    // The side to move may play fromSq -> toSq: the piece rules and the
    // safety of its king (a standing repetition aside).
    bool IsLegal(Square fromSq, Square toSq) const noexcept { return Rules().LegalByRules(fromSq, toSq, whiteToMove_); }
    // Every legal move; a promoting move once for each of q, r, b and n.
    std::vector<HalfMove> LegalMoves() const;
    bool InCheck() const noexcept { return Rules().KingAttacked(whiteToMove_); }  // the side to move's king
    bool HasLegalMove() const noexcept { return Rules().HasLegalMove(whiteToMove_); }
    // True when fromSq -> toSq is a pawn's step onto the last rank.
    bool IsPromotion(Square fromSq, Square toSq) const noexcept;
    // A pawn stands on sq, on rank 8 or 1: it has just arrived to promote.
    bool PawnOnLastRank(Square sq) const noexcept;

    // ---- Carrying out a move: the steps, in the board's order ----
    // Moves the piece; returns what stood on toSq (a blank when nothing).
    char MovePiece(Square fromSq, Square toSq) noexcept;
    void PassTurn() noexcept { whiteToMove_ = !whiteToMove_; }
    // sq on the last rank becomes piece (White's on rank 8, Black's on rank
    // 1); a letter that names no piece gives a queen. Elsewhere: nothing.
    void Promote(Square sq, char piece) noexcept;
    // A pawn that has just taken en passant stands on toSq: lifts the pawn
    // it took (taken, judged before the move) and returns its letter; else a
    // blank and nothing changes.
    char TakeEnPassant(Square toSq, Square taken) noexcept;
    // The en passant square after the piece now on toSq came from fromSq.
    void SetEnPassantAfter(Square fromSq, Square toSq) noexcept;
    // A king now on toSq has castled from fromSq: its rook follows. Returns
    // the castling made, or nullptr when the move was none.
    const CastlingSquares* MoveCastlingRook(Square fromSq, Square toSq) noexcept;
    // The rights a move starting or ending on sq ends.
    void RemoveRightsOf(Square sq) noexcept { castling_ = CastlingRightsAfter(castling_, sq); }

    // A legal move carried out whole: the steps above in order, promotion to
    // move.Promotion (a queen when none is given).
    void Apply(const HalfMove& move) noexcept;
    BoardPosition After(const HalfMove& move) const noexcept {
        BoardPosition next = *this;
        next.Apply(move);
        return next;
    }

    friend bool operator==(const BoardPosition&, const BoardPosition&) = default;

private:
    static std::size_t Index(Square sq) noexcept { return static_cast<std::size_t>(ToInt(sq)); }

    std::array<char, 66> squares_{};
    bool whiteToMove_ = true;
    CastleSet castling_ = CastleSet::All();
    Square enPassant_ = Square::None;
};

}  // namespace tablerix
