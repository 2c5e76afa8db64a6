#include "BoardPosition.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace tablerix {

namespace {

// ASCII only: a promotion letter may be any byte.
char AsciiLower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }
char AsciiUpper(char c) noexcept { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c; }

}  // namespace

BoardPosition::BoardPosition() noexcept {
    squares_[0] = '_';
    std::memcpy(squares_.data() + 1, kStartPosition, 64);
    squares_[65] = '\0';
}

void BoardPosition::SetPlacement(const char* squares, std::size_t count) noexcept {
    std::fill(squares_.begin() + 1, squares_.begin() + 65, ' ');
    std::copy_n(squares, std::min<std::size_t>(count, 64), squares_.begin() + 1);
}

bool BoardPosition::IsPromotion(Square fromSq, Square toSq) const noexcept {
    const char c = At(fromSq);
    const int rank = MoveRules::RankOf(toSq);
    return (c == 'P' && rank == 8) || (c == 'p' && rank == 1);
}

bool BoardPosition::PawnOnLastRank(Square sq) const noexcept {
    const char c = At(sq);
    const int rank = MoveRules::RankOf(sq);
    return (c == 'P' || c == 'p') && (rank == 8 || rank == 1);
}

std::vector<HalfMove> BoardPosition::LegalMoves() const {
    std::vector<HalfMove> moves;
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

char BoardPosition::MovePiece(Square fromSq, Square toSq) noexcept {
    const char captured = At(toSq);
    Set(toSq, At(fromSq));
    Set(fromSq, ' ');
    return captured;
}

void BoardPosition::Promote(Square sq, char piece) noexcept {
    char letter = AsciiLower(piece);
    // The board holds piece letters only; anything else becomes a queen.
    if (letter == '\0' || std::string_view(kPieceLetters).find(letter) == std::string_view::npos) letter = 'q';
    if (MoveRules::RankOf(sq) == 8) Set(sq, AsciiUpper(letter));
    else if (MoveRules::RankOf(sq) == 1) Set(sq, letter);
}

// Only a pawn of the right colour arriving on the en passant rank takes:
// one promoted on the way is no pawn any more.
char BoardPosition::TakeEnPassant(Square toSq, Square taken) noexcept {
    if (taken == Square::None || At(toSq) != (MoveRules::RankOf(toSq) == 6 ? 'P' : 'p')) return ' ';
    const char pawn = At(taken);
    Set(taken, ' ');
    return pawn;
}

// The square a pawn's double step has just passed over, else None.
void BoardPosition::SetEnPassantAfter(Square fromSq, Square toSq) noexcept {
    const char mover = At(toSq);
    const int fromRank = MoveRules::RankOf(fromSq);
    const int toRank = MoveRules::RankOf(toSq);
    if ((mover == 'P' && fromRank == 2 && toRank == 4) || (mover == 'p' && fromRank == 7 && toRank == 5))
        enPassant_ = ToSquare((ToInt(fromSq) + ToInt(toSq)) / 2);
    else enPassant_ = Square::None;
}

const CastlingSquares* BoardPosition::MoveCastlingRook(Square fromSq, Square toSq) noexcept {
    const CastlingSquares* c = CastlingOf(At(toSq), fromSq, toSq);
    if (c == nullptr) return nullptr;
    Set(c->RookTo, c->Rook);
    Set(c->RookFrom, ' ');
    return c;
}

void BoardPosition::Apply(const HalfMove& move) noexcept {
    const Square from = move.From, to = move.To;
    const Square taken = Rules().EnPassantVictim(from, to);  // judged before the move
    MovePiece(from, to);
    PassTurn();
    if (PawnOnLastRank(to)) {
        const char p = move.Promotion;
        Promote(to, p == 'r' || p == 'b' || p == 'n' ? p : 'q');
    }
    TakeEnPassant(to, taken);
    SetEnPassantAfter(from, to);
    MoveCastlingRook(from, to);
    RemoveRightsOf(from);
    RemoveRightsOf(to);
}

}  // namespace tablerix
