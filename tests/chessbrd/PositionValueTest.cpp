// The position value and the board carry out a move the same way, and the
// board's consistency check holds through random play and navigation but
// catches a position that no longer follows from its record.

#include "BoardPosition.h"
#include "ChessBrdTestSupport.h"
#include "ScratchReplay.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace tablerix::test {
namespace {

class RandomPlay {
public:
    explicit RandomPlay(unsigned seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // A random legal move of the position, or nothing when there is none.
    std::optional<HalfMove> Pick(const BoardPosition& p) {
        const std::vector<HalfMove> legal = p.LegalMoves();
        if (legal.empty()) return std::nullopt;
        return legal[static_cast<std::size_t>(Int(0, static_cast<int>(legal.size()) - 1))];
    }

private:
    std::mt19937 rng_;
};

TEST(PositionValue, ApplyCarriesOutEveryMoveAsTheBoardDoes) {
    int promotions = 0, castlings = 0, enPassants = 0, navigations = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RandomPlay play(seed);
        ChessBrdCore board;
        board.OnCastle = [&](ChessBrdCore&, Square, Square) { ++castlings; };
        for (int ply = 0; ply < 300; ++ply) {
            const BoardPosition before = board.CurrentPosition();
            const std::optional<HalfMove> move = play.Pick(before);
            if (!move) break;
            if (move->Promotion != 0) ++promotions;
            if (before.Rules().EnPassantVictim(move->From, move->To) != Square::None) ++enPassants;
            board.SetPromotionPiece(move->Promotion != 0 ? move->Promotion : 'q');
            if (!board.PerformMove(move->From, move->To)) break;  // a repetition or a full record
            ASSERT_EQ(board.CurrentPosition(), before.After(*move)) << "seed " << seed << " ply " << ply;
            ASSERT_TRUE(board.IsConsistent()) << "seed " << seed << " ply " << ply;

            if (play.Int(0, 15) == 0) {  // step back somewhere and play on from there
                const int half = play.Int(0, 2 * (board.LastMove() - 1) + (board.LastMoveWhite() ? 0 : 1));
                ASSERT_TRUE(board.GotoMove(half / 2 + 1, half % 2 == 0));
                ASSERT_TRUE(board.IsConsistent()) << "seed " << seed << " back to half-move " << half;
                ++navigations;
            }
        }
    }
    // The random games reached every kind of special move.
    EXPECT_GT(promotions, 0);
    EXPECT_GT(castlings, 0);
    EXPECT_GT(enPassants, 0);
    EXPECT_GT(navigations, 0);
}

TEST(PositionValue, KingAttackedAsksTheSideItNames) {
    ChessBrdCore board;
    SetFen(board, "4k3/8/8/8/8/5n2/8/4K3 w - -");  // a knight checks White
    const MoveRules rules = board.CurrentPosition().Rules();
    EXPECT_TRUE(rules.KingAttacked(true));
    EXPECT_FALSE(rules.KingAttacked(false));
    EXPECT_TRUE(board.CurrentPosition().InCheck());

    SetFen(board, "8/8/8/8/8/8/3p4/4K3 b - -");  // no Black king; a pawn checks White
    EXPECT_FALSE(board.CurrentPosition().Rules().KingAttacked(false));
    EXPECT_TRUE(board.CurrentPosition().Rules().KingAttacked(true));
    EXPECT_FALSE(board.CurrentPosition().InCheck());  // Black to move, and Black has no king
}

TEST(PositionValue, TheCheckCatchesAPositionThatNoLongerFollowsItsRecord) {
    ChessBrdCore board;
    ASSERT_TRUE(board.IsConsistent());
    ASSERT_TRUE(board.PerformMove(Sq("e2"), Sq("e4")));
    ASSERT_TRUE(board.IsConsistent());
    EXPECT_EQ(board.EnPassant(), Sq("e3"));

    board.SetEnPassant(Sq("d3"));  // not what the double step left
    EXPECT_FALSE(board.IsConsistent());
    ASSERT_TRUE(board.GotoMove(1, false));
    EXPECT_TRUE(board.IsConsistent());

    ASSERT_TRUE(board.PerformMove(Sq("e7"), Sq("e5")));
    ASSERT_TRUE(board.PerformMove(Sq("e1"), Sq("e2")));
    EXPECT_TRUE(board.IsConsistent());
    board.SetCastlingAllowed(CastleSet::All());  // the king has moved
    EXPECT_FALSE(board.IsConsistent());
    ASSERT_TRUE(board.GotoMove(2, false));
    EXPECT_TRUE(board.IsConsistent());

    board.SetPosition("init");  // squares the record does not hold
    EXPECT_FALSE(board.IsConsistent());
}

TEST(ScratchReplay, PlaysAsTheBoardAndRefusesWithoutChange) {
    ScratchReplay replay;
    EXPECT_EQ(replay.Current(), BoardPosition());
    EXPECT_FALSE(replay.Play({Sq("e2"), Sq("e5"), 0}));
    EXPECT_EQ(replay.Current(), BoardPosition());

    // A promotion to the piece the move names.
    ChessBrdCore lent;
    SetFen(lent, "4k3/1P6/8/8/8/8/8/4K3 w - -");
    ScratchReplay onLent(lent);
    ASSERT_TRUE(onLent.Play({Sq("b7"), Sq("b8"), 'n'}));
    EXPECT_EQ(lent.CurrentPosition().At(Sq("b8")), 'N');
    EXPECT_EQ(&onLent.Current(), &lent.CurrentPosition());
}

}  // namespace
}  // namespace tablerix::test
