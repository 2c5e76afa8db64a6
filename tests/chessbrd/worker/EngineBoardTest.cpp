// The engine side of the board: its properties after construction, the
// setters that clamp or ignore, the pause that StopThinking begins and
// MakeMove ends, and the position published for the worker.

#include "ThreadTestBoard.h"

#include <gtest/gtest.h>

#include <string>

namespace tablerix::test {
namespace {

TEST(EngineBoardTest, AfterConstruction) {
    ThreadTestBoard b;
    EXPECT_FALSE(b.ComputerPlaysWhite());
    EXPECT_FALSE(b.ComputerPlaysBlack());
    EXPECT_FALSE(b.CustomEngine());
    EXPECT_EQ(b.SearchDepth(), 1);
    EXPECT_EQ(b.ThinkingPriority(), TThreadPriority::tpNormal);
    EXPECT_FALSE(b.Thinking());
    EXPECT_TRUE(b.ThinkingPaused());  // the construction's reset stopped the engine
    EXPECT_EQ(std::string(b.Snapshot().Squares.data(), 64), kStartPosition);
    EXPECT_TRUE(b.Snapshot().WhiteToMove);
    EXPECT_TRUE(b.Worker().Parked());
}

TEST(EngineBoardTest, SettersClampOrIgnore) {
    ThreadTestBoard b;
    for (auto [in, out] : {std::pair{0, 1}, {-5, 1}, {1, 1}, {5, 5}, {8, 8}, {9, 8}, {1000, 8}}) {
        b.SetSearchDepth(in);
        EXPECT_EQ(b.SearchDepth(), out) << in;
    }
    b.SetThinking(true);
    EXPECT_FALSE(b.Thinking());
    b.SetThinkingPriority(TThreadPriority::tpLowest);
    EXPECT_EQ(b.ThinkingPriority(), TThreadPriority::tpLowest);
}

TEST(EngineBoardTest, MakeMoveEndsThePauseEvenWhenRefused) {
    ThreadTestBoard b;
    ASSERT_TRUE(b.MakeMove(Square::E2, Square::E4));
    EXPECT_FALSE(b.ThinkingPaused());
    b.StopThinking();
    EXPECT_TRUE(b.ThinkingPaused());
    EXPECT_FALSE(b.MakeMove(Square::E2, Square::E4));
    EXPECT_FALSE(b.ThinkingPaused());
    b.SetWhiteToMove(true);  // stops the engine
    EXPECT_TRUE(b.ThinkingPaused());
}

TEST(EngineBoardTest, ComputerToMoveFollowsThePublishedPosition) {
    ThreadTestBoard b;
    b.SetCustomEngine(true);  // with no OnCalculateMove nobody plays for the computer
    b.SetComputerPlaysBlack(true);
    EXPECT_FALSE(b.ComputerToMove());
    ASSERT_TRUE(b.PerformMove(Square::E2, Square::E4));
    EXPECT_TRUE(b.ComputerToMove());
    EXPECT_EQ(std::string(b.Snapshot().Squares.data(), 64), b.Position());
    EXPECT_EQ(b.Snapshot().EnPassant, Square::E3);
    ASSERT_TRUE(b.MoveBack());
    EXPECT_FALSE(b.ComputerToMove());
    EXPECT_EQ(b.Snapshot().EnPassant, Square::None);
}

}  // namespace
}  // namespace tablerix::test
