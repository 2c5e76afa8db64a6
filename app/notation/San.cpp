#include "San.h"

#include "CastlingSquares.h"
#include "SanPattern.h"

#include <vector>

namespace tablerix {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c; }
char FileLetter(Square sq) { return static_cast<char>('a' + MoveRules::FileOf(sq) - 1); }
char RankDigit(Square sq) { return static_cast<char>('0' + MoveRules::RankOf(sq)); }

std::string SquareName(Square sq) { return {FileLetter(sq), RankDigit(sq)}; }

bool IsCastling(const BoardPosition& p, Square from, Square to) { return CastlingOf(p.At(from), from, to) != nullptr; }

// File, rank or both of from, as far as other pieces of its kind that may
// also go to `to` make it necessary.
std::string Disambiguation(const BoardPosition& p, Square from, Square to) {
    bool any = false, sameFile = false, sameRank = false;
    for (int s = 1; s <= 64; ++s) {
        const Square other = ToSquare(s);
        if (other == from || p.At(other) != p.At(from) || !p.IsLegal(other, to)) continue;
        any = true;
        sameFile |= MoveRules::FileOf(other) == MoveRules::FileOf(from);
        sameRank |= MoveRules::RankOf(other) == MoveRules::RankOf(from);
    }
    if (!any) return {};
    if (!sameFile) return {FileLetter(from)};
    if (!sameRank) return {RankDigit(from)};
    return SquareName(from);
}

std::vector<HalfMove> Matches(const BoardPosition& p, const SanPattern& pattern) {
    std::vector<HalfMove> found;
    if (pattern.What != SanPattern::Kind::Move) {
        const bool white = p.WhiteToMove();
        const Square from = white ? Square::E1 : Square::E8;
        const bool kingSide = pattern.What == SanPattern::Kind::CastleKingSide;
        const Square to = white ? (kingSide ? Square::G1 : Square::C1) : (kingSide ? Square::G8 : Square::C8);
        if (p.At(from) == (white ? 'K' : 'k') && p.IsLegal(from, to)) found.push_back({from, to, 0});
        return found;
    }
    const bool anyPiece = pattern.Piece == 0 && pattern.FromFile != 0 && pattern.FromRank != 0;
    const char piece = pattern.Piece != 0 ? pattern.Piece : 'p';
    // A pawn named by its destination alone moves straight ahead.
    const int fromFile = pattern.Piece == 0 && pattern.FromFile == 0 ? MoveRules::FileOf(pattern.To) : pattern.FromFile;
    for (int s = 1; s <= 64; ++s) {
        const Square from = ToSquare(s);
        if (!anyPiece && Lower(p.At(from)) != piece) continue;
        if (fromFile != 0 && MoveRules::FileOf(from) != fromFile) continue;
        if (pattern.FromRank != 0 && MoveRules::RankOf(from) != pattern.FromRank) continue;
        if (!p.IsLegal(from, pattern.To)) continue;
        char promotion = 0;
        if (p.IsPromotion(from, pattern.To)) {
            promotion = pattern.Promotion == 0 ? 'q' : pattern.Promotion;
            if (promotion == 'k' || promotion == 'p') continue;
        } else if (pattern.Promotion != 0) {
            continue;
        }
        found.push_back({from, pattern.To, promotion});
    }
    return found;
}

}  // namespace

std::string San::Write(const BoardPosition& p, const HalfMove& move) {
    const Square from = move.From, to = move.To;
    if (!p.IsLegal(from, to)) return {};
    std::string san;
    const char piece = Lower(p.At(from));
    if (IsCastling(p, from, to)) {
        san = MoveRules::FileOf(to) == 7 ? "O-O" : "O-O-O";
    } else if (piece == 'p') {
        if (MoveRules::FileOf(from) != MoveRules::FileOf(to)) san = {FileLetter(from), 'x'};
        san += SquareName(to);
        if (p.IsPromotion(from, to)) {
            const char placed =
                move.Promotion == 'r' || move.Promotion == 'b' || move.Promotion == 'n' ? move.Promotion : 'q';
            san += '=';
            san += Upper(placed);
        }
    } else {
        san = {Upper(piece)};
        san += Disambiguation(p, from, to);
        if (p.At(to) != ' ') san += 'x';
        san += SquareName(to);
    }
    const BoardPosition after = p.After(move);
    if (after.InCheck()) san += after.HasLegalMove() ? '+' : '#';
    return san;
}

San::Reading San::Read(const BoardPosition& p, std::string_view token) {
    bool readable = false;
    for (auto letters : {SanPattern::Letters::English, SanPattern::Letters::Spanish}) {
        const auto pattern = SanPattern::Parse(token, letters);
        if (!pattern) continue;
        readable = true;
        const std::vector<HalfMove> found = Matches(p, *pattern);
        if (found.size() == 1) return {Error::None, found.front()};
        if (found.size() > 1) return {Error::Ambiguous, {}};
    }
    return {readable ? Error::Illegal : Error::Unreadable, {}};
}

const char* San::Describe(Error fault) noexcept {
    switch (fault) {
    case Error::None: return "";
    case Error::Unreadable: return "no es una jugada";
    case Error::Illegal: return "jugada ilegal";
    case Error::Ambiguous: return "jugada ambigua";
    }
    return "";
}

}  // namespace tablerix
