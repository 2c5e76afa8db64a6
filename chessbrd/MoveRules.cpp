#include "MoveRules.h"

#include <cstdlib>
#include <cstring>

namespace tablerix {

namespace {

constexpr int Sign(int v) noexcept { return (v > 0) - (v < 0); }

// 64-character working copy, index 0 = A8.
using Copy = std::array<char, 64>;

char CopyAt(const Copy& b, int file, int rank) noexcept {
    if (file < 1 || file > 8 || rank < 1 || rank > 8) return '\0';
    return b[static_cast<std::size_t>((8 - rank) * 8 + file - 1)];
}

// Walks from (f, r) in direction (sf, sr); true when the first piece met is
// one of slider1/slider2, or the other king right next to the start.
bool RayAttacked(const Copy& b, int f, int r, int sf, int sr, char slider1, char slider2, char king) noexcept {
    for (int k = 1; k <= 7; ++k) {
        const char c = CopyAt(b, f + k * sf, r + k * sr);
        if (c == '\0') return false;
        if (c == slider1 || c == slider2 || (k == 1 && c == king)) return true;
        if (c != ' ') return false;
    }
    return false;
}

}  // namespace

int MoveRules::FileOf(Square sq) noexcept { return IsOnBoard(sq) ? (ToInt(sq) - 1) % 8 + 1 : 0; }

int MoveRules::RankOf(Square sq) noexcept { return IsOnBoard(sq) ? 8 - (ToInt(sq) - 1) / 8 : 0; }

Square MoveRules::SquareAt(int file, int rank) noexcept {
    if (file < 1 || file > 8 || rank < 1 || rank > 8) return Square::None;
    return ToSquare((8 - rank) * 8 + file);
}

int MoveRules::ColorOf(char c) noexcept {
    if (c >= 'B' && c <= 'R') return 1;
    if (c >= 'b' && c <= 'r') return 0;
    return -1;
}

bool MoveRules::MaterialInsufficient(std::string_view squares) noexcept {
    const auto weight = [](char c) {
        switch (c | 0x20) {  // ASCII lower case
        case 'p':
        case 'r':
        case 'q': return 5;
        case 'b': return 3;
        case 'n': return 2;
        default: return 0;
        }
    };
    int white = 0, black = 0;
    for (char c : squares) {
        if (ColorOf(c) == 1) white += weight(c);
        if (ColorOf(c) == 0) black += weight(c);
    }
    return white < 5 && black < 5;
}

int MoveRules::PieceColor(Square sq) const noexcept { return IsOnBoard(sq) ? ColorOf(At(sq)) : -1; }

bool MoveRules::ValidPawnMove(Square fromSq, Square toSq) const noexcept {
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq)) return false;
    const int color = PieceColor(fromSq);
    if (color < 0) return false;
    const int forward = color == 1 ? 1 : -1;
    const int df = FileOf(toSq) - FileOf(fromSq);
    const int dr = RankOf(toSq) - RankOf(fromSq);
    if (dr == forward) {
        if (df == 0) return At(toSq) == ' ';
        if (std::abs(df) == 1) return PieceColor(toSq) == 1 - color || toSq == enPassant_;
        return false;
    }
    if (dr == 2 * forward) {
        const int startRank = color == 1 ? 2 : 7;
        const Square passed = ToSquare((ToInt(fromSq) + ToInt(toSq)) / 2);
        return df == 0 && RankOf(fromSq) == startRank && At(toSq) == ' ' && At(passed) == ' ';
    }
    return false;
}

bool MoveRules::ValidKnightMove(Square fromSq, Square toSq) const noexcept {
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq)) return false;
    const int df = std::abs(FileOf(toSq) - FileOf(fromSq));
    const int dr = std::abs(RankOf(toSq) - RankOf(fromSq));
    return (df == 2 && dr == 1) || (df == 1 && dr == 2);
}

// Only the direction that points at toSq can reach it, so walking that one
// direction decides the same as walking all of them.
bool MoveRules::SlideValid(Square fromSq, Square toSq, bool diagonal) const noexcept {
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq)) return false;
    const int df = FileOf(toSq) - FileOf(fromSq);
    const int dr = RankOf(toSq) - RankOf(fromSq);
    if (diagonal ? (df == 0 || std::abs(df) != std::abs(dr)) : ((df == 0) == (dr == 0))) return false;
    const int sf = Sign(df), sr = Sign(dr);
    const int mover = PieceColor(fromSq);
    for (int k = 1; k <= 7; ++k) {
        const Square sq = SquareAt(FileOf(fromSq) + k * sf, RankOf(fromSq) + k * sr);
        if (sq == toSq) return At(toSq) == ' ' || PieceColor(toSq) != mover;
        if (sq == Square::None || At(sq) != ' ') return false;
    }
    return false;
}

bool MoveRules::ValidBishopMove(Square fromSq, Square toSq) const noexcept { return SlideValid(fromSq, toSq, true); }

bool MoveRules::ValidRookMove(Square fromSq, Square toSq) const noexcept { return SlideValid(fromSq, toSq, false); }

bool MoveRules::ValidQueenMove(Square fromSq, Square toSq) const noexcept {
    return ValidBishopMove(fromSq, toSq) || ValidRookMove(fromSq, toSq);
}

bool MoveRules::ValidKingMove(Square fromSq, Square toSq) const noexcept {
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq)) return false;
    const int df = std::abs(FileOf(toSq) - FileOf(fromSq));
    const int dr = std::abs(RankOf(toSq) - RankOf(fromSq));
    if (df <= 1 && dr <= 1) return true;
    return CastleValid(fromSq, toSq);
}

// Only the king of the castling side may use its rights and squares; the
// rook stands in its corner with nothing between them, and the king is not
// in check and crosses and lands on no attacked square.
bool MoveRules::CastleValid(Square fromSq, Square toSq) const noexcept {
    const CastlingSquares* c = CastlingOf(At(fromSq), fromSq, toSq);
    if (c == nullptr || !castling_.Contains(c->Right) || At(c->RookFrom) != c->Rook) return false;
    const int step = ToInt(c->RookFrom) > ToInt(c->KingFrom) ? 1 : -1;
    for (int s = ToInt(c->KingFrom) + step; s != ToInt(c->RookFrom); s += step)
        if (At(ToSquare(s)) != ' ') return false;
    const bool white = c->King == 'K';
    for (int s = ToInt(c->KingFrom); s != ToInt(c->KingTo) + step; s += step)
        if (KingAttackedAfter(fromSq, ToSquare(s), white)) return false;
    return true;
}

Square MoveRules::EnPassantVictim(Square fromSq, Square toSq) const noexcept {
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq) || toSq != enPassant_ || At(toSq) != ' ') return Square::None;
    if (std::abs(FileOf(toSq) - FileOf(fromSq)) != 1) return Square::None;
    const char pawn = At(fromSq);
    if (pawn == 'P' && RankOf(fromSq) == 5 && RankOf(toSq) == 6) {
        const Square taken = SquareAt(FileOf(toSq), 5);
        return At(taken) == 'p' ? taken : Square::None;
    }
    if (pawn == 'p' && RankOf(fromSq) == 4 && RankOf(toSq) == 3) {
        const Square taken = SquareAt(FileOf(toSq), 4);
        return At(taken) == 'P' ? taken : Square::None;
    }
    return Square::None;
}

bool MoveRules::KingAttackedAfter(Square fromSq, Square toSq, bool white) const noexcept {
    Copy b;
    std::memcpy(b.data(), board_.data() + 1, b.size());
    if (IsOnBoard(fromSq) && IsOnBoard(toSq) && fromSq != toSq) {
        const Square taken = EnPassantVictim(fromSq, toSq);
        b[static_cast<std::size_t>(ToInt(toSq) - 1)] = b[static_cast<std::size_t>(ToInt(fromSq) - 1)];
        b[static_cast<std::size_t>(ToInt(fromSq) - 1)] = ' ';
        if (taken != Square::None) b[static_cast<std::size_t>(ToInt(taken) - 1)] = ' ';
    }
    const char* found = static_cast<const char*>(std::memchr(b.data(), white ? 'K' : 'k', b.size()));
    if (found == nullptr) return false;
    const int index = static_cast<int>(found - b.data());
    const int f = index % 8 + 1, r = 8 - index / 8;

    const char pawn = white ? 'p' : 'P', knight = white ? 'n' : 'N', bishop = white ? 'b' : 'B';
    const char rook = white ? 'r' : 'R', queen = white ? 'q' : 'Q', king = white ? 'k' : 'K';
    const int ahead = white ? 1 : -1;
    if (CopyAt(b, f - 1, r + ahead) == pawn || CopyAt(b, f + 1, r + ahead) == pawn) return true;
    static constexpr int kJumps[8][2] = {{2, 1}, {2, -1}, {-2, 1}, {-2, -1}, {1, 2}, {1, -2}, {-1, 2}, {-1, -2}};
    for (const auto& j : kJumps)
        if (CopyAt(b, f + j[0], r + j[1]) == knight) return true;
    static constexpr int kDiagonals[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
    for (const auto& d : kDiagonals)
        if (RayAttacked(b, f, r, d[0], d[1], queen, bishop, king)) return true;
    static constexpr int kLines[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& d : kLines)
        if (RayAttacked(b, f, r, d[0], d[1], queen, rook, king)) return true;
    return false;
}

bool MoveRules::WhiteKingAttackedAfter(Square fromSq, Square toSq) const noexcept {
    return KingAttackedAfter(fromSq, toSq, true);
}

bool MoveRules::BlackKingAttackedAfter(Square fromSq, Square toSq) const noexcept {
    return KingAttackedAfter(fromSq, toSq, false);
}

bool MoveRules::LegalByRules(Square fromSq, Square toSq, bool whiteToMove) const noexcept {
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq)) return false;
    const int color = PieceColor(fromSq);
    if (color != (whiteToMove ? 1 : 0) || color == PieceColor(toSq)) return false;
    bool valid = false;
    switch (At(fromSq) | 0x20) {  // ASCII lower case
    case 'p': valid = ValidPawnMove(fromSq, toSq); break;
    case 'n': valid = ValidKnightMove(fromSq, toSq); break;
    case 'b': valid = ValidBishopMove(fromSq, toSq); break;
    case 'r': valid = ValidRookMove(fromSq, toSq); break;
    case 'q': valid = ValidQueenMove(fromSq, toSq); break;
    case 'k': valid = ValidKingMove(fromSq, toSq); break;
    default: break;
    }
    return valid && !KingAttackedAfter(fromSq, toSq, color == 1);
}

bool MoveRules::HasLegalMove(bool whiteToMove) const noexcept {
    const int side = whiteToMove ? 1 : 0;
    for (int from = 1; from <= 64; ++from) {
        if (ColorOf(board_[static_cast<std::size_t>(from)]) != side) continue;
        for (int to = 1; to <= 64; ++to)
            if (LegalByRules(ToSquare(from), ToSquare(to), whiteToMove)) return true;
    }
    return false;
}

}  // namespace tablerix
