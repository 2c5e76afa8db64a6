// The game record: navigation, the move list, cutting the record, a side that
// never moved, and the end of the record's room.

#include "ChessBrdTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace tablerix::test {
namespace {

using Lines = std::vector<std::string>;

Lines MoveList(const ChessBrdCore& b) {
    Lines l;
    b.GetMoveList(l);
    return l;
}

const std::string kBlack = std::string(14, ' ');

TEST(GameRecord, FreshGame) {
    ChessBrdCore b;
    EXPECT_TRUE(MoveList(b).empty());
    EXPECT_FALSE(b.MoveBack());
    EXPECT_FALSE(b.MoveForward());
    EXPECT_TRUE(b.GotoMove(1, true));
    EXPECT_EQ(b.Position(), kStartPosition);
    EXPECT_FALSE(b.GotoMove(1, false));
}

TEST(GameRecord, StepBackAndForward) {
    RecordingBoard b;
    ASSERT_TRUE(b.Play({"e2e4", "e7e5"}));
    b.log.clear();
    EXPECT_EQ(MoveList(b), (Lines{"1. E2-E4", kBlack + "E7-E5"}));
    EXPECT_EQ(b.LastMove(), 2);
    EXPECT_TRUE(b.LastMoveWhite());
    const std::string end = b.Position();

    ASSERT_TRUE(b.MoveBack());
    EXPECT_FALSE(b.WhiteToMove());
    EXPECT_EQ(b.CurrentMove(), 1);
    EXPECT_EQ(b.EnPassant(), Square::E3);
    EXPECT_EQ(b.Board()[ToInt(Square::E4)], 'P');
    EXPECT_EQ(b.Board()[ToInt(Square::E7)], 'p');
    ASSERT_TRUE(b.MoveBack());
    EXPECT_EQ(b.Position(), kStartPosition);
    EXPECT_TRUE(b.WhiteToMove());
    EXPECT_FALSE(b.MoveBack());

    ASSERT_TRUE(b.MoveForward());
    ASSERT_TRUE(b.MoveForward());
    EXPECT_EQ(b.Position(), end);
    EXPECT_EQ(b.CurrentMove(), 2);
    EXPECT_FALSE(b.MoveForward());
    EXPECT_TRUE(b.log.empty()) << "navigation fires no event";
}

TEST(GameRecord, MoveAfterSteppingBackCutsTheRecord) {
    ChessBrdCore b;
    for (auto [f, t] : {std::pair{"e2", "e4"}, {"e7", "e5"}, {"g1", "f3"}}) ASSERT_TRUE(b.PerformMove(Sq(f), Sq(t)));
    ASSERT_TRUE(b.GotoMove(1, false));
    ASSERT_TRUE(b.PerformMove(Square::D7, Square::D5));
    EXPECT_EQ(MoveList(b), (Lines{"1. E2-E4", kBlack + "D7-D5"}));
    EXPECT_EQ(b.LastMove(), 2);
    EXPECT_TRUE(b.LastMoveWhite());
    EXPECT_FALSE(b.MoveForward());
}

TEST(GameRecord, MoveBackRestoresCastlingRights) {
    ChessBrdCore b;
    SetFen(b, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    ASSERT_TRUE(b.PerformMove(Square::E1, Square::G1));
    ASSERT_TRUE(b.MoveBack());
    EXPECT_EQ(b.CastlingAllowed(), CastleSet::All());
    EXPECT_EQ(b.Board()[ToInt(Square::H1)], 'R');
    EXPECT_EQ(b.Board()[ToInt(Square::E1)], 'K');
}

TEST(GameRecord, MoveNumbersAreNotPadded) {
    RecordingBoard b;
    ASSERT_TRUE(b.Play({"e2e4", "e7e5", "d2d4", "d7d5", "c2c4", "c7c5", "f2f4", "f7f5", "a2a4", "a7a5",
                        "h2h4", "h7h5", "b2b4", "b7b5", "g2g4", "g7g5", "b1c3", "b8c6", "g1f3", "g8f6"}));
    const Lines l = MoveList(b);
    ASSERT_EQ(l.size(), 20u);
    EXPECT_EQ(l[18], "10. G1-F3");
    EXPECT_EQ(l[19], kBlack + "G8-F6");
    EXPECT_EQ(l[16], "9. B1-C3");
}

TEST(GameRecord, GotoMoveRefusalsChangeNothingButStopTheEngine) {
    RecordingBoard b(true);
    ASSERT_TRUE(b.Play({"e2e4", "e7e5"}));
    const std::string pos = b.Position();
    for (auto [m, w] : {std::pair{0, true}, {3, true}, {2, false}, {-1, false}, {INT_MIN, true}, {INT_MAX, false}}) {
        b.log.clear();
        EXPECT_FALSE(b.GotoMove(m, w)) << m;
        EXPECT_EQ(b.log, (Lines{"StopThinking"}));
        EXPECT_EQ(b.Position(), pos);
        EXPECT_EQ(b.CurrentMove(), 2);
        EXPECT_TRUE(b.WhiteToMove());
    }
}

TEST(GameRecord, GotoMoveRedrawsOnlyChangedSquares) {
    RecordingBoard b(true);
    ASSERT_TRUE(b.Play({"e2e4"}));
    b.log.clear();
    ASSERT_TRUE(b.GotoMove(1, true));
    EXPECT_EQ(b.log, (Lines{"StopThinking", "RepaintSquare(e4)", "RepaintSquare(e2)", "DrawPiece(e2,P)", "DrawGrid"}));
    b.log.clear();
    b.RedrawChangedSquares("");  // a short text differs everywhere
    EXPECT_EQ(b.log.size(), 64u + 32u + 1u);
}

TEST(GameRecord, NewGameAndResetGame) {
    RecordingBoard b(true);
    ASSERT_TRUE(b.Play({"e2e4", "e7e5"}));
    b.SetPromotionPiece('r');
    b.log.clear();
    b.ResetGame();
    EXPECT_EQ(b.log, (Lines{"StopThinking"}));
    EXPECT_EQ(b.Position(), kStartPosition);
    EXPECT_EQ(b.CurrentMove(), 1);
    EXPECT_EQ(b.EnPassant(), Square::None);
    EXPECT_TRUE(MoveList(b).empty());
    EXPECT_EQ(b.PromotionPiece(), 'r');
    EXPECT_EQ(b.Board()[0], '_');
    EXPECT_EQ(b.Board()[65], '\0');
    b.log.clear();
    b.NewGame();
    EXPECT_EQ(b.log, (Lines{"StopThinking", "Paint"}));
}

TEST(GameRecord, BlackMovingFirstLeavesAnEmptyWhiteLine) {
    ChessBrdCore b;
    SetFen(b, "4k3/4p3/8/8/8/8/8/R3K3 b - -");
    const std::string start = b.Position();
    ASSERT_TRUE(b.PerformMove(Square::E7, Square::E5));
    ASSERT_TRUE(b.PerformMove(Square::A1, Square::A2));
    EXPECT_EQ(MoveList(b), (Lines{"1. ...", kBlack + "E7-E5", "2. A1-A2"}));
    ASSERT_TRUE(b.GotoMove(1, true));  // the position Black moved from, White to move
    EXPECT_EQ(b.Position(), start);
    EXPECT_TRUE(b.WhiteToMove());
    ASSERT_TRUE(b.MoveForward());
    EXPECT_EQ(b.Position(), start);
    EXPECT_FALSE(b.WhiteToMove());
    ASSERT_TRUE(b.MoveForward());
    EXPECT_EQ(b.Board()[ToInt(Square::E5)], 'p');
}

TEST(GameRecord, SideSkippedInTheMiddleOfAGame) {
    ChessBrdCore b;
    ASSERT_TRUE(b.PerformMove(Square::E2, Square::E4));
    ASSERT_TRUE(b.PerformMove(Square::E7, Square::E5));
    b.SetWhiteToMove(false);
    ASSERT_TRUE(b.PerformMove(Square::D7, Square::D5));
    EXPECT_EQ(MoveList(b), (Lines{"1. E2-E4", kBlack + "E7-E5", "2. ...", kBlack + "D7-D5"}));
}

// Each half-move starts from a position of its own (pawn pattern = index), so
// no repetition stops the game before the record is full.
std::string Pattern(int index) {
    std::string s(64, ' ');
    for (int bit = 0; bit < 32; ++bit)
        if (index & (1 << bit)) s[static_cast<std::size_t>(16 + bit)] = 'P';
    s[ToInt(Square::H8) - 1] = 'k';
    s[ToInt(Square::A1) - 1] = 'K';
    return s;
}

TEST(GameRecord, NoMoveBeyondMove256) {
    RecordingBoard b;
    for (int i = 0; i < 511; ++i) {
        const bool white = i % 2 == 0;
        b.SetPosition(Pattern(i));
        ASSERT_TRUE(white ? b.PerformMove(Square::A1, Square::A2) : b.PerformMove(Square::H8, Square::G8)) << i;
    }
    EXPECT_EQ(b.CurrentMove(), 256);
    EXPECT_FALSE(b.WhiteToMove());
    EXPECT_EQ(b.LastMove(), 256);
    EXPECT_FALSE(b.LastMoveWhite());
    EXPECT_EQ(MoveList(b).size(), 511u);
    EXPECT_EQ(MoveList(b)[510], "256. A1-A2");

    b.SetPosition(Pattern(511));
    b.log.clear();
    const Lines before = MoveList(b);
    EXPECT_FALSE(b.IsLegalMove(Square::H8, Square::G8));
    EXPECT_FALSE(b.PerformMove(Square::H8, Square::G8));
    EXPECT_TRUE(b.log.empty());
    EXPECT_EQ(MoveList(b), before);
    EXPECT_EQ(b.CurrentMove(), 256);
    EXPECT_TRUE(b.HasLegalMove());  // not a mate: the game simply has no room left

    // Stepping back makes room again.
    ASSERT_TRUE(b.MoveBack());
    EXPECT_TRUE(b.IsLegalMove(Square::A1, Square::B1));
    EXPECT_EQ(b.History(257, true).PositionString, "");
    EXPECT_EQ(b.History(0, false).PositionString, "");
}

}  // namespace
}  // namespace tablerix::test
