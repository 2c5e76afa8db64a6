// Taking moves back leaves the board and its record as if they had never
// been played: the list, the turn, castling and en passant, a game's end.

#include "ChessBrdTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tablerix::test {
namespace {

bool Play(ChessBrdCore& board, const std::string& moves) {
    std::istringstream in(moves);
    for (std::string m; in >> m;)
        if (!board.PerformMove(Sq(m.substr(0, 2)), Sq(m.substr(2, 2)))) return false;
    return true;
}

std::vector<std::string> Lines(const ChessBrdCore& board) {
    std::vector<std::string> lines;
    board.GetMoveList(lines);
    return lines;
}

TEST(TakeBack, RemovesTheLastHalfMovesAndTheirLines) {
    ChessBrdCore board;
    ASSERT_TRUE(Play(board, "e2e4 e7e5 g1f3"));
    ChessBrdCore expected;
    ASSERT_TRUE(Play(expected, "e2e4"));

    ASSERT_TRUE(board.TakeBack(2));
    EXPECT_EQ(board.RecordedHalfMoves(), 1);
    EXPECT_EQ(Lines(board), Lines(expected));
    EXPECT_EQ(board.CurrentPosition(), expected.CurrentPosition());
    EXPECT_EQ(board.EnPassant(), Sq("e3"));  // e4 may still be taken en passant
    EXPECT_FALSE(board.WhiteToMove());

    // Play goes on from there with nothing of the old continuation left.
    ASSERT_TRUE(Play(board, "d7d5 e4d5"));
    ASSERT_TRUE(Play(expected, "d7d5 e4d5"));
    EXPECT_EQ(Lines(board), Lines(expected));
    EXPECT_TRUE(board.IsConsistent());
}

TEST(TakeBack, RefusesMoreThanWasPlayedAndChangesNothing) {
    ChessBrdCore board;
    EXPECT_FALSE(board.TakeBack(1));  // nothing played yet
    ASSERT_TRUE(Play(board, "e2e4 e7e5"));
    const BoardPosition before = board.CurrentPosition();
    EXPECT_FALSE(board.TakeBack(3));
    EXPECT_FALSE(board.TakeBack(0));
    EXPECT_EQ(board.CurrentPosition(), before);
    EXPECT_EQ(board.RecordedHalfMoves(), 2);
    ASSERT_TRUE(board.TakeBack(2));
    EXPECT_EQ(board.CurrentPosition(), BoardPosition());
    EXPECT_TRUE(Lines(board).empty());
}

TEST(TakeBack, TakesBackFromTheEndWhateverPositionIsShown) {
    ChessBrdCore board;
    ASSERT_TRUE(Play(board, "e2e4 e7e5 g1f3 b8c6"));
    ASSERT_TRUE(board.GotoMove(1, false));  // looking at the position after e4
    ASSERT_TRUE(board.TakeBack(1));
    ChessBrdCore expected;
    ASSERT_TRUE(Play(expected, "e2e4 e7e5 g1f3"));
    EXPECT_EQ(board.CurrentPosition(), expected.CurrentPosition());
    EXPECT_EQ(Lines(board), Lines(expected));
}

TEST(TakeBack, UndoesMateCastlingAndRepetition) {
    ChessBrdCore board;
    int mates = 0;
    board.OnMate = [&](ChessBrdCore&, Square, Square) { ++mates; };
    ASSERT_TRUE(Play(board, "f2f3 e7e5 g2g4 d8h4"));
    ASSERT_EQ(mates, 1);
    ASSERT_TRUE(board.GameOver());
    ASSERT_TRUE(board.TakeBack(1));
    EXPECT_FALSE(board.GameOver());
    EXPECT_TRUE(Play(board, "g8f6"));  // the game is open again

    // A castling taken back gives the rights back.
    ChessBrdCore castle;
    ASSERT_TRUE(Play(castle, "e2e4 e7e5 g1f3 b8c6 f1c4 g8f6 e1g1"));
    ASSERT_TRUE(castle.TakeBack(1));
    EXPECT_TRUE(Play(castle, "e1g1"));

    // Occurrences taken back no longer count towards a repetition.
    ChessBrdCore rep;
    int draws = 0;
    rep.OnThreefoldPosition = [&](ChessBrdCore&) { ++draws; };
    ASSERT_TRUE(Play(rep, "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1"));
    ASSERT_TRUE(rep.TakeBack(4));
    ASSERT_TRUE(Play(rep, "f6g8"));  // the start stands only a second time
    EXPECT_EQ(draws, 0);
    EXPECT_FALSE(rep.GameOver());
    ASSERT_TRUE(Play(rep, "g1f3 g8f6 f3g1 f6g8"));  // and now a third
    EXPECT_EQ(draws, 1);
}

}  // namespace
}  // namespace tablerix::test
