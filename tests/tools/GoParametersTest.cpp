// Reading the words of "go", and the time budget made from them.

#include "GoParameters.h"
#include "TimeBudget.h"
#include "UciCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <limits>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;

GoParameters Read(const std::string& line) { return GoParameters::Read(UciCommands::Split(line)); }

TEST(GoParametersTest, ReadsEveryParameter) {
    const GoParameters go = Read(
        "go depth 6 movetime 250 wtime 60000 btime 59000 winc 1000 binc 900 movestogo 12 nodes 5000000000 mate 3 "
        "infinite ponder searchmoves e2e4 d2d4");
    EXPECT_TRUE(go.Complaints.empty());
    EXPECT_EQ(go.Depth, 6);
    EXPECT_EQ(go.MoveTime, 250);
    EXPECT_EQ(go.Time[kWhite], 60000);
    EXPECT_EQ(go.Time[kBlack], 59000);
    EXPECT_EQ(go.Increment[kWhite], 1000);
    EXPECT_EQ(go.Increment[kBlack], 900);
    EXPECT_EQ(go.MovesToGo, 12);
    EXPECT_EQ(go.Nodes, 5000000000u);
    EXPECT_EQ(go.Mate, 3);
    EXPECT_TRUE(go.Infinite);
    EXPECT_TRUE(go.Ponder);
    EXPECT_EQ(go.SearchMoves, (std::vector<std::string>{"e2e4", "d2d4"}));
    EXPECT_FALSE(go.Perft);
}

TEST(GoParametersTest, BadWordsAreSkippedAndSaid) {
    GoParameters go = Read("go depth x movetime 100");
    EXPECT_EQ(go.Complaints, std::vector<std::string>{"go depth needs a whole number"});
    EXPECT_FALSE(go.Depth);
    EXPECT_EQ(go.MoveTime, 100);

    // A missing number does not swallow the next parameter.
    go = Read("go wtime btime 100");
    EXPECT_EQ(go.Complaints, std::vector<std::string>{"go wtime needs a whole number"});
    EXPECT_FALSE(go.Time[kWhite]);
    EXPECT_EQ(go.Time[kBlack], 100);

    go = Read("go sideways movestogo 0 mate -2 searchmoves");
    EXPECT_EQ(go.Complaints.size(), 4u);
    EXPECT_FALSE(go.MovesToGo);
    EXPECT_FALSE(go.Mate);

    // Hostile input gives a few lines, not one per word.
    EXPECT_EQ(Read("go " + std::string(2000, 'x') + std::string(5000, ' ') + "a b c d e f g h i j k").Complaints.size(),
              9u);
}

TEST(GoParametersTest, TimesBelowZeroAreZeroAndLargeNumbersClamp) {
    const GoParameters go = Read("go movetime -5 wtime -100 winc -1 nodes -7 depth 99999999999999999999");
    EXPECT_TRUE(go.Complaints.empty());
    EXPECT_EQ(go.MoveTime, 0);
    EXPECT_EQ(go.Time[kWhite], 0);
    EXPECT_EQ(go.Increment[kWhite], 0);
    EXPECT_EQ(go.Nodes, 0u);
    EXPECT_EQ(go.Depth, std::numeric_limits<int>::max());
}

TEST(GoParametersTest, Perft) {
    EXPECT_EQ(Read("go perft 3").PerftDepth, 3);
    const GoParameters bad = Read("go perft");
    EXPECT_TRUE(bad.Perft);
    EXPECT_FALSE(bad.PerftDepth);
}

TEST(TimeBudgetTest, NoTimeForTheSideToMoveIsNoBudget) {
    EXPECT_FALSE(TimeBudget::For(Read("go depth 5 nodes 100"), true));
    EXPECT_FALSE(TimeBudget::For(Read("go btime 1000 binc 10"), true));
    EXPECT_TRUE(TimeBudget::For(Read("go btime 1000 binc 10"), false));
}

TEST(TimeBudgetTest, ClockShares) {
    // 10 s + 0.1 s: (10000 - 100) / 25 + 100 = 496 ms a move.
    auto b = TimeBudget::For(Read("go wtime 10000 btime 1 winc 100 binc 0"), true);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Hard, 992ms);
    EXPECT_EQ(b->Soft, 124ms);

    // The last move before the control may take half of what is left.
    b = TimeBudget::For(Read("go wtime 10000 movestogo 1"), true);
    EXPECT_EQ(b->Hard, 4950ms);
    EXPECT_EQ(b->Soft, 2475ms);

    // An increment not yet earned does not raise the cap.
    b = TimeBudget::For(Read("go wtime 1000 winc 60000"), true);
    EXPECT_EQ(b->Hard, 450ms);

    // Inside the margin nothing is left: the first iteration only.
    b = TimeBudget::For(Read("go wtime 90"), true);
    EXPECT_EQ(b->Hard, 0ms);
}

TEST(TimeBudgetTest, MoveTime) {
    EXPECT_EQ(TimeBudget::For(Read("go movetime 100"), true)->Hard, 90ms);
    EXPECT_EQ(TimeBudget::For(Read("go movetime 100"), true)->Soft, 90ms);
    EXPECT_EQ(TimeBudget::For(Read("go movetime 15"), true)->Hard, 7ms);
    EXPECT_EQ(TimeBudget::For(Read("go movetime 0"), true)->Hard, 0ms);
    // With a clock too, the stricter of each.
    const auto b = TimeBudget::For(Read("go movetime 100 wtime 1000"), true);
    EXPECT_EQ(b->Hard, 72ms);
    EXPECT_EQ(b->Soft, 9ms);
}

TEST(TimeBudgetTest, NeverMoreThanHalfOfWhatIsLeft) {
    for (int time : {0, 10, 99, 100, 101, 200, 1000, 60000, 2147483647}) {
        for (int inc : {0, 1, 100, 100000, 2147483647}) {
            for (int togo : {0, 1, 2, 40, 2147483647}) {
                std::string go = "go wtime " + std::to_string(time) + " winc " + std::to_string(inc);
                if (togo > 0) go += " movestogo " + std::to_string(togo);
                const auto b = TimeBudget::For(Read(go), true);
                ASSERT_TRUE(b) << go;
                EXPECT_LE(b->Hard.count(), std::max(time - 100, 0) / 2) << go;
                EXPECT_GE(b->Hard.count(), 0) << go;
                EXPECT_LE(b->Soft, b->Hard) << go;
            }
        }
    }
}

}  // namespace
}  // namespace tablerix::test
