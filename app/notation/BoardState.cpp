#include "BoardState.h"

#include <algorithm>
#include <cstring>

namespace tablerix {

BoardState::BoardState() {
    board_[0] = '_';
    std::memcpy(board_.data() + 1, kStartPosition, 64);
    board_[65] = '\0';
}

BoardState BoardState::FromCore(const ChessBrdCore& core) {
    BoardState s;
    s.board_ = core.Board();
    s.whiteToMove_ = core.WhiteToMove();
    s.castling_ = core.CastlingAllowed();
    s.enPassant_ = core.EnPassant();
    return s;
}

bool BoardState::IsLegal(Square fromSq, Square toSq) const noexcept {
    return Rules().LegalByRules(fromSq, toSq, whiteToMove_);
}

bool BoardState::IsPromotion(Square fromSq, Square toSq) const noexcept {
    const char c = At(fromSq);
    const int rank = MoveRules::RankOf(toSq);
    return (c == 'P' && rank == 8) || (c == 'p' && rank == 1);
}

std::vector<NotationMove> BoardState::LegalMoves() const {
    std::vector<NotationMove> moves;
    const MoveRules rules = Rules();
    const int side = whiteToMove_ ? 1 : 0;
    for (int f = 1; f <= 64; ++f) {
        const Square from = ToSquare(f);
        if (rules.PieceColor(from) != side) continue;
        for (int t = 1; t <= 64; ++t) {
            const Square to = ToSquare(t);
            if (!rules.LegalByRules(from, to, whiteToMove_)) continue;
            if (!IsPromotion(from, to)) {
                moves.push_back({from, to, 0});
                continue;
            }
            for (char piece : {'q', 'r', 'b', 'n'}) moves.push_back({from, to, piece});
        }
    }
    return moves;
}

bool BoardState::InCheck() const noexcept {
    return whiteToMove_ ? Rules().WhiteKingAttackedAfter(Square::E1, Square::E1)
                        : Rules().BlackKingAttackedAfter(Square::E8, Square::E8);
}

void BoardState::RemoveRightsOf(Square sq) noexcept { castling_ = CastlingRightsAfter(castling_, sq); }

BoardState BoardState::After(const NotationMove& move) const {
    BoardState next = *this;
    const Square from = move.From, to = move.To;
    const char mover = At(from);
    const Square taken = Rules().EnPassantVictim(from, to);

    next.Set(to, mover);
    next.Set(from, ' ');
    if (IsPromotion(from, to)) {
        const char p = move.Promotion == 'r' || move.Promotion == 'b' || move.Promotion == 'n' ? move.Promotion : 'q';
        next.Set(to, mover == 'P' ? static_cast<char>(p - ('a' - 'A')) : p);
    }
    if (taken != Square::None) next.Set(taken, ' ');

    const int fromRank = MoveRules::RankOf(from), toRank = MoveRules::RankOf(to);
    next.enPassant_ = Square::None;
    if ((mover == 'P' && fromRank == 2 && toRank == 4) || (mover == 'p' && fromRank == 7 && toRank == 5))
        next.enPassant_ = ToSquare((ToInt(from) + ToInt(to)) / 2);

    if (const CastlingSquares* c = CastlingOf(mover, from, to)) {
        next.Set(c->RookTo, next.At(c->RookFrom));
        next.Set(c->RookFrom, ' ');
    }
    next.RemoveRightsOf(from);
    next.RemoveRightsOf(to);
    next.whiteToMove_ = !whiteToMove_;
    return next;
}

}  // namespace tablerix
