#pragma once
// Constant tables of the engine: the 10 x 12 mailbox, piece directions,
// castling masks and castlings, and the evaluation tables. All compile-time
// constants, so every engine object shares them and nothing is filled at run
// time.

#include "ChessTypes.h"
#include "EngineMove.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tablerix::EngineTables {

// Engine square number (0..63) of a board square.
constexpr int SquareNumber(Square s) noexcept { return ToInt(s) - 1; }

// The engine's castle bits are those of the board's CastleSet.
constexpr int CastleBit(CanStillCastle right) noexcept { return static_cast<int>(right); }
inline constexpr int kAllCastleBits = CastleSet::All().Bits();

// Square number -> place on a 10 x 12 board with a two-row, one-column margin.
inline constexpr std::array<int, 64> MailboxIndex = [] {
    std::array<int, 64> t{};
    for (int s = 0; s < 64; ++s) t[s] = 21 + 10 * (s / 8) + s % 8;
    return t;
}();

// Place on the 10 x 12 board -> square number, -1 off the board.
inline constexpr std::array<int, 120> Mailbox = [] {
    std::array<int, 120> t{};
    for (int& v : t) v = -1;
    for (int s = 0; s < 64; ++s) t[21 + 10 * (s / 8) + s % 8] = s;
    return t;
}();

// Mailbox steps per piece type (pawn, knight, bishop, rook, queen, king), in
// generation order; DirectionCount says how many are used, Slides whether the
// piece keeps going along a ray.
inline constexpr std::array<std::array<int, 8>, 6> Directions = {{
    {0, 0, 0, 0, 0, 0, 0, 0},
    {-21, -19, -12, -8, 8, 12, 19, 21},
    {-11, -9, 9, 11, 0, 0, 0, 0},
    {-10, -1, 1, 10, 0, 0, 0, 0},
    {-11, -10, -9, -1, 1, 9, 10, 11},
    {-11, -10, -9, -1, 1, 9, 10, 11},
}};
inline constexpr std::array<int, 6> DirectionCount = {0, 8, 4, 4, 8, 8};
inline constexpr std::array<bool, 6> Slides = {false, false, true, true, true, false};

// Castle bits kept when a move starts or ends on a square: moving a king or
// rook from home, or taking a rook there, ends the castlings it belongs to.
inline constexpr std::array<int, 64> CastleRightsMask = [] {
    std::array<int, 64> t{};
    for (int s = 0; s < 64; ++s) t[s] = CastlingRightsAfter(CastleSet::All(), ToSquare(s + 1)).Bits();
    return t;
}();

// Square sets (bit n is square n) derived from the mailbox, used to answer
// attack questions without walking every ray.
using SquareSet = std::uint64_t;

constexpr SquareSet StepTargets(int s, int type) {
    SquareSet set = 0;
    for (int d = 0; d < DirectionCount[type]; ++d) {
        const int n = Mailbox[MailboxIndex[s] + Directions[type][d]];
        if (n >= 0) set |= SquareSet{1} << n;
    }
    return set;
}

inline constexpr std::array<SquareSet, 64> KnightTargets = [] {
    std::array<SquareSet, 64> t{};
    for (int s = 0; s < 64; ++s) t[s] = StepTargets(s, kKnight);
    return t;
}();

inline constexpr std::array<SquareSet, 64> KingTargets = [] {
    std::array<SquareSet, 64> t{};
    for (int s = 0; s < 64; ++s) t[s] = StepTargets(s, kKing);
    return t;
}();

// One castling: the colour and the castle bit it needs, the king's and the
// rook's moves, the squares between king and rook, which must be empty, and
// the two squares the king crosses and lands on, which must not be attacked.
struct CastlingMove {
    int Side;
    int Right;
    int KingFrom, KingTo;
    int RookFrom, RookTo;
    SquareSet Between;
    std::array<int, 2> KingPath;
};

// In the shared table's order: White king side, White queen side, Black
// king side, Black queen side.
inline constexpr std::array<CastlingMove, 4> Castlings = [] {
    std::array<CastlingMove, 4> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const CastlingSquares& c = kCastlings[i];
        const int kingFrom = SquareNumber(c.KingFrom), kingTo = SquareNumber(c.KingTo);
        const int rookFrom = SquareNumber(c.RookFrom);
        const int step = rookFrom > kingFrom ? 1 : -1;
        SquareSet between = 0;
        for (int s = kingFrom + step; s != rookFrom; s += step) between |= SquareSet{1} << s;
        t[i] = {c.King == 'K' ? kWhite : kBlack,
                CastleBit(c.Right),
                kingFrom,
                kingTo,
                rookFrom,
                SquareNumber(c.RookTo),
                between,
                {kingFrom + step, kingTo}};
    }
    return t;
}();

// [colour][square]: where a pawn of that colour stands when it attacks the square.
inline constexpr std::array<std::array<SquareSet, 64>, 2> PawnAttackers = [] {
    std::array<std::array<SquareSet, 64>, 2> t{};
    for (int s = 0; s < 64; ++s) {
        if (s + 9 < 64 && s % 8 != 7) t[0][s] |= SquareSet{1} << (s + 9);
        if (s + 7 < 64 && s % 8 != 0) t[0][s] |= SquareSet{1} << (s + 7);
        if (s - 9 >= 0 && s % 8 != 0) t[1][s] |= SquareSet{1} << (s - 9);
        if (s - 7 >= 0 && s % 8 != 7) t[1][s] |= SquareSet{1} << (s - 7);
    }
    return t;
}();

// [square][direction]: the squares along each king direction (queen order:
// -11, -10, -9, -1, 1, 9, 10, 11), up to the edge. Directions 0..3 run towards
// lower square numbers, 4..7 towards higher ones; 0, 2, 5 and 7 are diagonal.
inline constexpr std::array<std::array<SquareSet, 8>, 64> Rays = [] {
    std::array<std::array<SquareSet, 8>, 64> t{};
    for (int s = 0; s < 64; ++s)
        for (int d = 0; d < 8; ++d)
            for (int m = MailboxIndex[s] + Directions[kKing][d]; Mailbox[m] >= 0; m += Directions[kKing][d])
                t[s][d] |= SquareSet{1} << Mailbox[m];
    return t;
}();

inline constexpr std::array<bool, 8> DiagonalRay = {true, false, true, false, false, true, false, true};

inline constexpr std::array<SquareSet, 8> FileSquares = [] {
    std::array<SquareSet, 8> t{};
    for (int s = 0; s < 64; ++s) t[s % 8] |= SquareSet{1} << s;
    return t;
}();

// The files on either side of each file (none beyond the edge).
inline constexpr std::array<SquareSet, 8> NeighbourFiles = [] {
    std::array<SquareSet, 8> t{};
    for (int f = 0; f < 8; ++f) t[f] = (f > 0 ? FileSquares[f - 1] : 0) | (f < 7 ? FileSquares[f + 1] : 0);
    return t;
}();

inline constexpr std::array<int, 6> PieceValue = {100, 300, 300, 500, 900, 0};

// Mirror across the middle of the board: same file, rank r -> 9 - r.
constexpr int MirrorSquare(int s) noexcept { return s ^ 56; }

// Evaluation tables, from White's side, a8 first.
inline constexpr std::array<int, 64> PawnTable = {0, 0,  0,  0,   0,   0,  0,  0,  //
                                                  5, 10, 15, 20,  20,  15, 10, 5,  //
                                                  4, 8,  12, 16,  16,  12, 8,  4,  //
                                                  3, 6,  9,  12,  12,  9,  6,  3,  //
                                                  2, 4,  6,  8,   8,   6,  4,  2,  //
                                                  1, 2,  3,  4,   4,   3,  2,  1,  //
                                                  0, 0,  0,  -20, -20, 0,  0,  0,  //
                                                  0, 0,  0,  0,   0,   0,  0,  0};

inline constexpr std::array<int, 64> KingsidePawnTable = {0, 0, 0, 0, 0, 0,  0,  0,   //
                                                          0, 0, 0, 0, 0, 0,  0,  0,   //
                                                          0, 0, 0, 0, 0, 0,  0,  0,   //
                                                          0, 0, 0, 0, 0, 0,  0,  0,   //
                                                          0, 0, 0, 0, 0, 5,  5,  5,   //
                                                          0, 0, 0, 0, 0, 10, 10, 10,  //
                                                          0, 0, 0, 0, 0, 20, 20, 20,  //
                                                          0, 0, 0, 0, 0, 0,  0,  0};

inline constexpr std::array<int, 64> QueensidePawnTable = {0,  0,  0,  0, 0, 0, 0, 0,  //
                                                           0,  0,  0,  0, 0, 0, 0, 0,  //
                                                           0,  0,  0,  0, 0, 0, 0, 0,  //
                                                           0,  0,  0,  0, 0, 0, 0, 0,  //
                                                           5,  5,  5,  0, 0, 0, 0, 0,  //
                                                           10, 10, 10, 0, 0, 0, 0, 0,  //
                                                           20, 20, 20, 0, 0, 0, 0, 0,  //
                                                           0,  0,  0,  0, 0, 0, 0, 0};

// Knights and bishops alike.
inline constexpr std::array<int, 64> MinorPieceTable = {-10, -10, -10, -10, -10, -10, -10, -10,  //
                                                        -10, 0,   0,   0,   0,   0,   0,   -10,  //
                                                        -10, 0,   5,   5,   5,   5,   0,   -10,  //
                                                        -10, 0,   5,   10,  10,  5,   0,   -10,  //
                                                        -10, 0,   5,   10,  10,  5,   0,   -10,  //
                                                        -10, 0,   5,   5,   5,   5,   0,   -10,  //
                                                        -10, 0,   0,   0,   0,   0,   0,   -10,  //
                                                        -20, -20, -20, -20, -20, -20, -20, -20};

inline constexpr std::array<int, 64> KingTable = {-40, -40, -40, -40, -40, -40, -40, -40,  //
                                                  -40, -40, -40, -40, -40, -40, -40, -40,  //
                                                  -40, -40, -40, -40, -40, -40, -40, -40,  //
                                                  -40, -40, -40, -40, -40, -40, -40, -40,  //
                                                  -40, -40, -40, -40, -40, -40, -40, -40,  //
                                                  -40, -40, -40, -40, -40, -40, -40, -40,  //
                                                  -20, -20, -20, -20, -20, -20, -20, -20,  //
                                                  -10, 0,   10,  -20, 0,   -20, 10,  0};

inline constexpr std::array<int, 64> KingEndgameTable = {-5, -5, -5, -5, -5, -5, -5, -5,  //
                                                         -5, 0,  0,  0,  0,  0,  0,  -5,  //
                                                         -5, 0,  5,  5,  5,  5,  0,  -5,  //
                                                         -5, 0,  5,  10, 10, 5,  0,  -5,  //
                                                         -5, 0,  5,  10, 10, 5,  0,  -5,  //
                                                         -5, 0,  5,  5,  5,  5,  0,  -5,  //
                                                         -5, 0,  0,  0,  0,  0,  0,  -5,  //
                                                         -5, -5, -5, -5, -5, -5, -5, -5};

}  // namespace tablerix::EngineTables
