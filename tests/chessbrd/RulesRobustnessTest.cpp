// Bad input never breaks the board: a seeded random mix of operations with
// garbage squares, texts and move numbers, checked against the model's
// invariants after every step. Meant to run under the sanitizers.

#include "ChessBrdTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string_view>

namespace tablerix::test {
namespace {

class Fuzzer {
public:
    explicit Fuzzer(unsigned seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    Square AnySquare() { return Int(0, 3) == 0 ? ToSquare(Int(0, 255)) : ToSquare(Int(1, 64)); }
    std::string Text() {
        static constexpr std::string_view kPieces = " PNBRQKpnbrqk";
        std::string s(static_cast<std::size_t>(Int(0, 80)), ' ');
        for (char& c : s)
            c = Int(0, 4) == 0 ? static_cast<char>(Int(-128, 127))
                               : kPieces[static_cast<std::size_t>(Int(0, static_cast<int>(kPieces.size()) - 1))];
        if (Int(0, 10) == 0) s = "NeWgAmE";
        return s;
    }

    // Plays a random legal move when there is one.
    bool PlayLegal(ChessBrdCore& b) {
        std::vector<std::pair<Square, Square>> legal;
        const int side = b.WhiteToMove() ? 1 : 0;
        for (int f = 1; f <= 64; ++f)
            for (int t = 1; t <= 64 && b.PieceColor(ToSquare(f)) == side; ++t)
                if (b.IsLegalMove(ToSquare(f), ToSquare(t))) legal.emplace_back(ToSquare(f), ToSquare(t));
        if (legal.empty()) return false;
        const auto [f, t] = legal[static_cast<std::size_t>(Int(0, static_cast<int>(legal.size()) - 1))];
        return b.PerformMove(f, t);
    }

private:
    std::mt19937 rng_;
};

void CheckInvariants(const ChessBrdCore& b) {
    static constexpr std::string_view kSquareChars = " PNBRQKpnbrqk";
    const auto& board = b.Board();
    ASSERT_EQ(MoveRules::ColorOf(board[0]), -1);
    ASSERT_EQ(board[65], '\0');
    for (int s = 1; s <= 64; ++s)
        ASSERT_NE(kSquareChars.find(board[static_cast<std::size_t>(s)]), std::string_view::npos);
    ASSERT_EQ(b.Position().size(), 64u);
    ASSERT_GE(b.CurrentMove(), 1);
    ASSERT_LE(b.CurrentMove(), ChessBrdCore::kMaxMoves);
    ASSERT_GE(b.LastMove(), 1);
    ASSERT_LE(b.LastMove(), ChessBrdCore::kMaxMoves);
    std::vector<std::string> list;
    b.GetMoveList(list);
    ASSERT_EQ(list.size(), static_cast<std::size_t>(2 * (b.LastMove() - 1) + (b.LastMoveWhite() ? 0 : 1)));
}

TEST(RulesRobustness, RandomOperationsKeepTheModelSound) {
    for (unsigned seed : {1u, 2u, 3u}) {
        Fuzzer fz(seed);
        RecordingBoard b;
        b.log.reserve(1 << 16);
        for (int step = 0; step < 2000; ++step) {
            switch (fz.Int(0, 19)) {
            case 0: b.SetPosition(fz.Text()); break;
            case 1: b.PerformMove(fz.AnySquare(), fz.AnySquare()); break;
            case 2: b.MakeMove(fz.AnySquare(), fz.AnySquare()); break;
            case 3: b.GotoMove(fz.Int(0, 4) == 0 ? fz.Int(INT_MIN, INT_MAX) : fz.Int(-2, 300), fz.Int(0, 1)); break;
            case 4: b.MoveBack(); break;
            case 5: b.MoveForward(); break;
            case 6:
                if (fz.Int(0, 5) == 0) b.NewGame();
                break;
            case 7: b.SetWhiteToMove(fz.Int(0, 1)); break;
            case 8: b.SetEnPassant(fz.AnySquare()); break;
            case 9: b.SetCastlingAllowed(CastleSet(static_cast<std::uint8_t>(fz.Int(0, 255)))); break;
            case 10: b.SetPromotionPiece(static_cast<char>(fz.Int(-128, 127))); break;
            case 11: b.RedrawChangedSquares(fz.Text()); break;
            case 12: {
                const Square f = fz.AnySquare(), t = fz.AnySquare();
                b.WhiteKingAttackedAfter(f, t);
                b.BlackKingAttackedAfter(f, t);
                b.ValidPawnMove(f, t);
                b.ValidKingMove(f, t);
                b.ValidQueenMove(f, t);
                b.ValidKnightMove(f, t);
                b.PromotePawn(f);
                break;
            }
            case 13: {
                const MoveInfo& e = b.History(fz.Int(-5, 300), fz.Int(0, 1));
                ASSERT_LE(e.PositionString.size(), 64u);
                break;
            }
            default:
                for (int i = fz.Int(1, 6); i > 0; --i) fz.PlayLegal(b);
                break;
            }
            b.log.clear();
            CheckInvariants(b);
            if (HasFatalFailure()) FAIL() << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace
}  // namespace tablerix::test
