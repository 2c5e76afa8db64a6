// En passant squares given from outside (a FEN, the board's property) against
// the board's own rules: random placements with every square of ranks 3 and 6
// and some that can never be one. The engine must count the same legal moves
// as the rules core set to the same position, and leave its board exactly as
// it was after every move it tries and takes back.

#include "ChessBrdCore.h"
#include "EngineTestUtil.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <set>
#include <tuple>

namespace tablerix::test {
namespace {

constexpr int Row(int s) { return s / 8; }
constexpr int Col(int s) { return s % 8; }

std::string SquareName(int s) { return {static_cast<char>('a' + Col(s)), static_cast<char>('8' - Row(s))}; }

// Two kings apart, pawns on ranks 4 and 5 (where e.p. squares come from) and
// other men anywhere a pawn is not on rank 1 or 8.
std::string RandomPlacement(std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::string b(64, ' ');
    int white = 0;
    int black = 0;
    do {
        white = pick(64);
        black = pick(64);
    } while (std::abs(Row(white) - Row(black)) <= 1 && std::abs(Col(white) - Col(black)) <= 1);
    b[static_cast<std::size_t>(white)] = 'K';
    b[static_cast<std::size_t>(black)] = 'k';
    for (int n = pick(8); n > 0; --n) {
        const int s = 24 + pick(16);
        if (b[static_cast<std::size_t>(s)] == ' ') b[static_cast<std::size_t>(s)] = pick(2) ? 'P' : 'p';
    }
    for (int n = pick(10); n > 0; --n) {
        const int s = pick(64);
        const char man = "PNBRQpnbrq"[pick(10)];
        if ((man | 0x20) == 'p' && (Row(s) == 0 || Row(s) == 7)) continue;
        if (b[static_cast<std::size_t>(s)] == ' ') b[static_cast<std::size_t>(s)] = man;
    }
    return b;
}

void SetCore(ChessBrdCore& core, const std::string& letters, bool whiteToMove, Square ep) {
    core.ResetGame();
    core.SetPosition(letters);
    core.SetWhiteToMove(whiteToMove);
    core.SetCastlingAllowed(CastleSet{});
    core.SetEnPassant(ep);  // None is ignored: ResetGame left None
}

bool OtherKingAttacked(const std::string& letters, bool whiteToMove) {
    ChessBrdCore core;
    SetCore(core, letters, whiteToMove, Square::None);
    return whiteToMove ? core.BlackKingAttackedAfter(Square::A8, Square::A8)
                       : core.WhiteKingAttackedAfter(Square::A8, Square::A8);
}

// Judged by the rules core, not by the engine's rule: the square is an e.p.
// square when the pawn in front of it can be taken back to where it started
// and, in that earlier position, its double step is legal and leads here.
bool DoubleStepLedHere(const std::string& letters, bool whiteToMove, int ep) {
    const int step = whiteToMove ? 8 : -8;  // the way the pawn that just moved goes
    const int start = ep - step;
    const int landed = ep + step;
    if (ep < 0 || ep > 63 || start < 0 || start > 63 || landed < 0 || landed > 63) return false;
    const char pawn = whiteToMove ? 'p' : 'P';
    if (letters[static_cast<std::size_t>(landed)] != pawn || letters[static_cast<std::size_t>(start)] != ' ')
        return false;
    std::string before = letters;
    before[static_cast<std::size_t>(start)] = pawn;
    before[static_cast<std::size_t>(landed)] = ' ';
    ChessBrdCore core;
    SetCore(core, before, !whiteToMove, Square::None);
    if (!core.PerformMove(ToSquare(start + 1), ToSquare(landed + 1))) return false;
    return core.Position() == letters && core.EnPassant() == ToSquare(ep + 1);
}

// Legal move paths of length 1 and 2 on the rules core: a promotion counts
// once (to a queen).
std::pair<long, long> CoreCounts(ChessBrdCore& core) {
    long one = 0;
    long two = 0;
    auto each = [&core](auto&& visit) {
        const int side = core.WhiteToMove() ? 1 : 0;
        for (int from = 1; from <= 64; ++from) {
            if (core.PieceColor(ToSquare(from)) != side) continue;
            for (int to = 1; to <= 64; ++to)
                if (core.IsLegalMove(ToSquare(from), ToSquare(to))) visit(ToSquare(from), ToSquare(to));
        }
    };
    each([&](Square from, Square to) {
        ++one;
        EXPECT_TRUE(core.PerformMove(from, to));
        each([&](Square, Square) { ++two; });
        EXPECT_TRUE(core.MoveBack());
    });
    return {one, two};
}

// Everything TryMove and UndoMove touch, InCheck standing for the king squares.
auto State(const SearchBoard& b) {
    return std::make_tuple(b.Colour, b.Piece, b.PieceSet, b.ColourSet, b.TableScore, b.SideToMove, b.Opponent,
                           b.CastleBits, b.EnPassantSquare, b.Ply, b.InCheck(kWhite), b.InCheck(kBlack));
}

// The same counts on the engine, with the failures it shows on the way: a
// move listed twice, a king taken, a board changed by a move taken back.
struct EngineWalk {
    long One = 0;
    long Two = 0;
    std::vector<std::string> Faults;

    void Walk(SearchBoard& board, int depth) {
        board.GenerateMoves();
        const auto range = board.PlyMoves[board.Ply];
        std::set<std::string> seen;
        const auto before = State(board);
        for (int i = range.First; i < range.End; ++i) {
            const EngineMove m = board.MoveStack[i].Move;
            if (!seen.insert(MoveText(m)).second) Faults.push_back("listed twice: " + MoveText(m));
            if (m.Promote != 0 && m.Promote != kQueen) continue;
            if (board.Piece[m.To] == kKing) Faults.push_back("takes a king: " + MoveText(m));
            if (!board.TryMove(m)) continue;
            if (depth == 2) {
                ++One;
                Walk(board, 1);
            } else {
                ++Two;
            }
            board.UndoMove();
            if (State(board) != before) Faults.push_back("board changed by " + MoveText(m));
        }
    }
};

std::string FenText(const std::string& letters, bool whiteToMove, const std::string& ep) {
    std::string fen;
    for (int r = 0; r < 8; ++r) {
        int blanks = 0;
        for (int c = 0; c < 8; ++c) {
            const char x = letters[static_cast<std::size_t>(r * 8 + c)];
            if (x == ' ') {
                ++blanks;
                continue;
            }
            if (blanks > 0) fen += static_cast<char>('0' + blanks);
            blanks = 0;
            fen += x;
        }
        if (blanks > 0) fen += static_cast<char>('0' + blanks);
        if (r < 7) fen += '/';
    }
    return fen + (whiteToMove ? " w - " : " b - ") + ep + " 0 1";
}

TEST(EnPassantSweepTest, EngineAgreesWithTheRulesForEverySquare) {
    std::vector<int> squares;
    for (int s = 16; s < 24; ++s) squares.push_back(s);         // rank 6
    for (int s = 40; s < 48; ++s) squares.push_back(s);         // rank 3
    for (int s : {0, 8, 28, 35, 55, 63}) squares.push_back(s);  // never one

    std::mt19937 rng(20240611);
    auto board = std::make_unique<SearchBoard>();
    std::vector<std::string> failures;
    int positions = 0;
    int possible = 0;
    while (positions < 160) {
        const std::string letters = RandomPlacement(rng);
        for (const bool white : {true, false}) {
            if (OtherKingAttacked(letters, white)) continue;
            ++positions;
            ChessBrdCore core;
            SetCore(core, letters, white, Square::None);
            const auto without = CoreCounts(core);
            for (const int ep : squares) {
                const bool real = DoubleStepLedHere(letters, white, ep);
                auto expected = without;
                if (real) {
                    ++possible;
                    SetCore(core, letters, white, ToSquare(ep + 1));
                    expected = CoreCounts(core);
                }
                const std::string fen = FenText(letters, white, SquareName(ep));
                PositionSnapshot pos = Letters(letters, white, 0, ToSquare(ep + 1));
                board->Load(pos);
                EngineWalk walk;
                walk.Walk(*board, 2);
                if (walk.One != expected.first || walk.Two != expected.second || !walk.Faults.empty()) {
                    failures.push_back(fen + ": engine " + std::to_string(walk.One) + "/" + std::to_string(walk.Two) +
                                       ", rules " + std::to_string(expected.first) + "/" +
                                       std::to_string(expected.second) +
                                       (walk.Faults.empty() ? "" : ", " + walk.Faults.front()));
                }
                // The FEN reader keeps the square exactly when it is real.
                std::string error;
                if (!FenParser::Parse(fen, pos, error)) failures.push_back(fen + ": refused: " + error);
                else if (pos.EnPassant != (real ? ToSquare(ep + 1) : Square::None))
                    failures.push_back(fen + ": the reader kept the wrong e.p. square");
            }
        }
    }
    EXPECT_EQ(failures.size(), 0u) << "cases that fail; the first of them follow";
    for (std::size_t i = 0; i < failures.size(); ++i) ADD_FAILURE() << failures[i];
    // The sweep met real e.p. squares as well as impossible ones.
    EXPECT_GT(possible, 20);
}

}  // namespace
}  // namespace tablerix::test
