#pragma once
// The four castlings: the king's move that makes one, the rook's move that
// goes with it, and the right it needs. The rules core, the notation and the
// engine all take them from here. Plain C++.

#include "CastleSet.h"
#include "Square.h"

#include <array>

namespace tablerix {

struct CastlingSquares {
    CanStillCastle Right;
    char King, Rook;  // "K" and "R" for White, "k" and "r" for Black
    Square KingFrom, KingTo;
    Square RookFrom, RookTo;
};

// White king side, White queen side, Black king side, Black queen side; the
// engine generates them in this order.
inline constexpr std::array<CastlingSquares, 4> kCastlings = {{
    {CanStillCastle::WhiteKingSide, 'K', 'R', Square::E1, Square::G1, Square::H1, Square::F1},
    {CanStillCastle::WhiteQueenSide, 'K', 'R', Square::E1, Square::C1, Square::A1, Square::D1},
    {CanStillCastle::BlackKingSide, 'k', 'r', Square::E8, Square::G8, Square::H8, Square::F8},
    {CanStillCastle::BlackQueenSide, 'k', 'r', Square::E8, Square::C8, Square::A8, Square::D8},
}};

// The castling that the piece `king` makes by moving fromSq -> toSq, or
// nullptr when that is no castling (judging whether it is legal is the
// caller's business).
constexpr const CastlingSquares* CastlingOf(char king, Square fromSq, Square toSq) noexcept {
    for (const CastlingSquares& c : kCastlings)
        if (king == c.King && fromSq == c.KingFrom && toSq == c.KingTo) return &c;
    return nullptr;
}

// The rights left once a move has started or ended on sq: a king or rook
// leaving its home square, or a rook taken there, ends the castlings that
// need it.
constexpr CastleSet CastlingRightsAfter(CastleSet rights, Square sq) noexcept {
    for (const CastlingSquares& c : kCastlings)
        if (sq == c.KingFrom || sq == c.RookFrom) rights.Remove(c.Right);
    return rights;
}

}  // namespace tablerix
