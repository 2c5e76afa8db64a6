// A position repeats only with the same player to move, the same castling
// rights and the same en passant capture; three times ends the game at once.

#include "ChessBrdTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tablerix::test {
namespace {

// Plays "e2e4 e7e5 ..." and counts the repetitions the board announces;
// false at the first move refused.
struct Game {
    ChessBrdCore board;
    int threefold = 0;
    Game() {
        board.OnThreefoldPosition = [this](ChessBrdCore&) { ++threefold; };
    }
    bool Play(const std::string& moves) {
        std::istringstream in(moves);
        for (std::string m; in >> m;)
            if (!board.PerformMove(Sq(m.substr(0, 2).c_str()), Sq(m.substr(2, 2).c_str()))) return false;
        return true;
    }
};

TEST(Repetition, TheSameSquaresWithTheOtherSideToMoveAreNoRepetition) {
    Game g;
    SetFen(g.board, "4k2r/8/8/8/8/8/8/4K2R w - - 0 1");
    // The White king's triangle hands the move to Black in the same squares.
    ASSERT_TRUE(g.Play("e1d1 e8d8 d1d2 d8e8 d2e1"));
    ASSERT_TRUE(g.Play("e8d8 e1d1 d8e8 d1d2 e8d8 d2e1 d8e8"));  // the squares stand a third time
    EXPECT_FALSE(g.board.IsThreefoldRepetition());
    EXPECT_EQ(g.threefold, 0);
    EXPECT_TRUE(g.Play("e1d1 e8d8 d1e1 d8e8"));  // White to move in them a third time
    EXPECT_EQ(g.threefold, 1);
    EXPECT_TRUE(g.board.IsThreefoldRepetition());
    EXPECT_FALSE(g.Play("e1d1"));  // the game has ended
}

TEST(Repetition, CastlingRightsLostInBetweenMakeANewPosition) {
    Game g;
    // After 3...Rh8 the squares are those after 1...Nf6, without the king-side castlings.
    ASSERT_TRUE(g.Play("g1f3 g8f6 h1g1 h8g8 g1h1 g8h8 f3g1 f6g8 g1f3 g8f6"));
    EXPECT_EQ(g.threefold, 0);
    ASSERT_TRUE(g.Play("f3g1 f6g8 g1f3 g8f6"));  // a real third time
    EXPECT_EQ(g.threefold, 1);
}

TEST(Repetition, AnEnPassantCaptureThatWasPossibleOnceTellsPositionsApart) {
    Game g;
    SetFen(g.board, "4k3/8/8/8/3p4/8/4P3/4K3 w - - 0 1");
    // After e2e4 Black may take en passant; after the kings' walks it may not.
    ASSERT_TRUE(g.Play("e2e4 e8d8 e1d1 d8e8 d1e1 e8d8 e1d1 d8e8 d1e1"));
    EXPECT_EQ(g.threefold, 0);    // the squares after e2e4 stood three times, Black to move
    ASSERT_TRUE(g.Play("e8d8"));  // White to move in the same squares a third time
    EXPECT_EQ(g.threefold, 1);

    // Where no pawn can take, the en passant square does not count.
    Game h;
    SetFen(h.board, "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
    ASSERT_TRUE(h.Play("e2e4 e8d8 e1d1 d8e8 d1e1 e8d8 e1d1 d8e8 d1e1"));
    EXPECT_EQ(h.threefold, 1);
}

TEST(Repetition, TheKnightsDanceStillEndsTheGameAtOnce) {
    Game g;
    ASSERT_TRUE(g.Play("g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8"));
    EXPECT_EQ(g.threefold, 1);
    EXPECT_FALSE(g.board.IsLegalMove(Sq("e2"), Sq("e4")));
}

}  // namespace
}  // namespace tablerix::test
