// The referee's board: moves in UCI coordinates and the endings it judges.

#include "MatchBoard.h"

#include <gtest/gtest.h>

#include <string>

namespace tablerix::test {
namespace {

void PlayAll(MatchBoard& board, const std::string& moves) {
    std::size_t at = 0;
    while (at < moves.size()) {
        const std::size_t end = std::min(moves.find(' ', at), moves.size());
        const std::string move = moves.substr(at, end - at);
        ASSERT_TRUE(board.Play(move)) << move;
        at = end + 1;
    }
}

TEST(MatchBoardTest, LegalMovesOnly) {
    MatchBoard board;
    EXPECT_EQ(board.LegalMoves().size(), 20u);
    EXPECT_FALSE(board.Play("e2e5"));
    EXPECT_FALSE(board.Play("e7e5"));  // not Black's turn
    EXPECT_FALSE(board.Play("e2e4q"));
    EXPECT_TRUE(board.Play("e2e4"));
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.Ending(), "");
}

TEST(MatchBoardTest, CastlingAndPromotionInCoordinates) {
    MatchBoard board;
    PlayAll(board, "b2b4 a7a5 b4a5 b7b6 a5b6 c8a6 g1f3 b8c6 g2g3 h7h6 f1g2 h6h5");
    EXPECT_TRUE(board.IsLegal("e1g1"));  // castling is the king's move
    PlayAll(board, "b6b7 h5h4");
    EXPECT_FALSE(board.IsLegal("b7b8"));  // a promotion needs its letter
    EXPECT_TRUE(board.IsLegal("b7b8n"));
    EXPECT_TRUE(board.Play("b7a8q"));
}

TEST(MatchBoardTest, Endings) {
    MatchBoard mate;
    PlayAll(mate, "f2f3 e7e5 g2g4 d8h4");
    EXPECT_EQ(mate.Ending(), "checkmate");
    EXPECT_EQ(mate.EndingScore(), -1);

    MatchBoard repeated;
    PlayAll(repeated, "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1");
    EXPECT_EQ(repeated.Ending(), "");
    PlayAll(repeated, "f6g8");  // the start position for the third time
    EXPECT_EQ(repeated.Ending(), "threefold repetition");
    EXPECT_EQ(repeated.EndingScore(), 0);
}

}  // namespace
}  // namespace tablerix::test
