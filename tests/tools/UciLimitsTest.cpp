// tablerix-engine's "go" limits through pipes, as a GUI with a clock uses
// them: each limit is kept, every "go" gets exactly one "bestmove", and an
// infinite or pondering search answers only when it is told to. The times
// asserted are generous (several times what the engine needs), so that a
// loaded machine or a sanitizer build does not fail them; the real slack is
// measured by scripts/engine-slack.sh.

#include "EngineProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;
using Clock = EngineProcess::Clock;

const char* const kDeepFen = "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1\n";
const char* const kMateInTwo = "position fen kbK5/pp6/1P6/8/8/8/8/R7 w - - 0 1\n";

std::size_t CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

bool IsBestMove(const std::string& line) {
    static const std::regex best(R"(bestmove [a-h][1-8][a-h][1-8][nbrq]?( ponder [a-h][1-8][a-h][1-8][nbrq]?)?)");
    return std::regex_match(line, best);
}

// A started engine at the given Depth option.
class LimitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(engine.Started());
        engine.Send("uci\n");
        ASSERT_TRUE(engine.WaitForLine("uciok"));
    }

    void UseDepth(int depth) {
        engine.Send("setoption name Depth value " + std::to_string(depth) + "\nisready\n");
        ASSERT_TRUE(engine.WaitForLine("readyok"));
    }

    // Sends the go and waits for its bestmove: how long it took, or
    // nothing when none came within the limit.
    std::optional<Clock::duration> TimeGo(const std::string& go, std::chrono::milliseconds limit = 20s) {
        const auto sent = Clock::now();
        engine.Send(go + "\n");
        if (!engine.WaitForLineStarting("bestmove ", limit)) return std::nullopt;
        return Clock::now() - sent;
    }

    // Quits, and checks that each go had exactly one well-formed bestmove.
    void ExpectOneBestMoveEach(std::size_t gos) {
        engine.Send("quit\n");
        EXPECT_EQ(engine.WaitForExit(), 0);
        EXPECT_EQ(CountPrefix(engine.Lines(), "bestmove"), gos);
        for (const auto& line : engine.Lines()) {
            if (line.rfind("bestmove", 0) == 0) {
                EXPECT_TRUE(IsBestMove(line)) << line;
            }
        }
    }

    const std::string& LastBestMove() const {
        const auto& lines = engine.Lines();
        return *std::find_if(lines.rbegin(), lines.rend(), [](const auto& l) { return l.rfind("bestmove", 0) == 0; });
    }

    EngineProcess engine{TABLERIX_ENGINE_PATH};
};

TEST_F(LimitsTest, MoveTimeEndsADepthEightSearch) {
    UseDepth(8);
    engine.Send(kDeepFen);
    // Unlimited, depth 8 of this position takes minutes.
    const auto took = TimeGo("go movetime 100");
    ASSERT_TRUE(took);
    EXPECT_LT(*took, 1s);
    EXPECT_GT(*took, 50ms);  // it thinks for about the time given
    ExpectOneBestMoveEach(1);
}

TEST_F(LimitsTest, ClockIsShared) {
    UseDepth(8);
    engine.Send("position startpos\n");
    // 2 s left: about 80 ms for this move, never more than half.
    const auto took = TimeGo("go wtime 2000 btime 2000");
    ASSERT_TRUE(took);
    EXPECT_LT(*took, 1s);
    // A large increment is counted only once it has been earned: with
    // 1 s left the move still takes at most about half of it.
    const auto withIncrement = TimeGo("go wtime 1000 btime 1000 winc 60000 binc 60000");
    ASSERT_TRUE(withIncrement);
    EXPECT_LT(*withIncrement, 1s);
    ExpectOneBestMoveEach(2);
}

TEST_F(LimitsTest, BlacksClockForBlack) {
    UseDepth(8);
    engine.Send("position startpos moves e2e4\n");
    // White's clock is not Black's: Black has 2 s.
    const auto took = TimeGo("go wtime 3600000 btime 2000 winc 0 binc 0");
    ASSERT_TRUE(took);
    EXPECT_LT(*took, 1s);
    ExpectOneBestMoveEach(1);
}

TEST_F(LimitsTest, MovesToGoSharesTheTimeLeft) {
    UseDepth(8);
    engine.Send("position startpos\n");
    // 100 s for 200 moves is 0.5 s a move; without movestogo it would be
    // about 4 s, and depth 8 from here takes longer than that.
    const auto took = TimeGo("go wtime 100000 btime 100000 movestogo 200");
    ASSERT_TRUE(took);
    EXPECT_LT(*took, 4s);
    ExpectOneBestMoveEach(1);
}

TEST_F(LimitsTest, NodeBudget) {
    UseDepth(8);
    engine.Send(kDeepFen);
    ASSERT_TRUE(TimeGo("go nodes 20000"));
    // The first iteration alone takes 12,762 nodes, and no report counts
    // more than the budget and the node that found it spent.
    std::size_t reports = 0;
    for (const auto& line : engine.Lines()) {
        const auto at = line.find(" nodes ");
        if (line.rfind("info depth ", 0) != 0 || at == std::string::npos) continue;
        ++reports;
        EXPECT_LE(std::stoull(line.substr(at + 7)), 20001u) << line;
    }
    EXPECT_GE(reports, 1u);
    ExpectOneBestMoveEach(1);
}

TEST_F(LimitsTest, MateSearchStopsAtTheMate) {
    UseDepth(1);  // mate 2 searches the 3 plies it needs
    engine.Send(kMateInTwo);
    ASSERT_TRUE(TimeGo("go mate 2"));
    EXPECT_EQ(LastBestMove(), "bestmove a1a6 ponder b7a6");
    EXPECT_EQ(CountPrefix(engine.Lines(), "info depth 3 score mate 2 "), 1u);
    EXPECT_EQ(CountPrefix(engine.Lines(), "info depth 4"), 0u);
    ExpectOneBestMoveEach(1);
}

TEST_F(LimitsTest, SearchMovesRestrictTheRoot) {
    UseDepth(3);
    engine.Send("position startpos\n");
    ASSERT_TRUE(TimeGo("go searchmoves a2a3 h2h4"));
    const std::string first = LastBestMove().substr(9, 4);
    EXPECT_TRUE(first == "a2a3" || first == "h2h4") << LastBestMove();

    // An illegal move is said and left out; the rest still binds.
    ASSERT_TRUE(TimeGo("go depth 2 searchmoves e2e5 g1h3"));
    EXPECT_EQ(LastBestMove().substr(0, 13), "bestmove g1h3");
    EXPECT_EQ(CountPrefix(engine.Lines(), "info string searchmoves: e2e5 is not a legal move here"), 1u);
    ExpectOneBestMoveEach(2);
}

TEST_F(LimitsTest, InfiniteAnswersOnlyAfterStop) {
    UseDepth(1);  // the search itself ends at once
    engine.Send("position startpos\ngo infinite\n");
    EXPECT_FALSE(engine.WaitForLineStarting("bestmove", 300ms));
    EXPECT_EQ(CountPrefix(engine.Lines(), "info depth 1 "), 1u);  // it has searched
    engine.Send("stop\n");
    EXPECT_TRUE(engine.WaitForLineStarting("bestmove "));

    // A deep one is stopped while it searches.
    UseDepth(8);
    engine.Send(std::string(kDeepFen) + "go infinite\n");
    EXPECT_FALSE(engine.WaitForLineStarting("bestmove", 300ms));
    const auto asked = Clock::now();
    engine.Send("stop\n");
    EXPECT_TRUE(engine.WaitForLineStarting("bestmove ", 1s));
    EXPECT_LT(Clock::now() - asked, 1s);
    ExpectOneBestMoveEach(2);
}

TEST_F(LimitsTest, PonderAnswersAfterPonderHit) {
    UseDepth(1);
    engine.Send("position startpos moves e2e4\ngo ponder wtime 10000 btime 10000\n");
    EXPECT_FALSE(engine.WaitForLineStarting("bestmove", 300ms));
    engine.Send("ponderhit\n");
    EXPECT_TRUE(engine.WaitForLineStarting("bestmove "));

    // While pondering there is no time limit; after the hit, the clock's.
    UseDepth(8);
    engine.Send(std::string(kDeepFen) + "go ponder wtime 1000 btime 1000\n");
    EXPECT_FALSE(engine.WaitForLineStarting("bestmove", 500ms));
    const auto hit = Clock::now();
    engine.Send("ponderhit\n");
    EXPECT_TRUE(engine.WaitForLineStarting("bestmove ", 1s));
    EXPECT_LT(Clock::now() - hit, 1s);
    ExpectOneBestMoveEach(2);
}

TEST_F(LimitsTest, PonderAnswersAfterStop) {
    UseDepth(8);
    engine.Send(std::string(kDeepFen) + "go ponder movetime 50\n");
    EXPECT_FALSE(engine.WaitForLineStarting("bestmove", 300ms));  // movetime waits for the hit
    engine.Send("stop\n");
    EXPECT_TRUE(engine.WaitForLineStarting("bestmove ", 1s));
    // A ponderhit after the answer changes nothing.
    engine.Send("ponderhit\n");
    EXPECT_FALSE(engine.WaitForLineStarting("bestmove", 200ms));
    ExpectOneBestMoveEach(1);
}

TEST_F(LimitsTest, MalformedGoStillAnswers) {
    UseDepth(2);
    engine.Send("position startpos\n");
    const std::vector<std::string> gos = {"go depth x",      "go movetime -5",    "go wtime",
                                          "go foo bar",      "go movetime",       "go nodes -1",
                                          "go mate 0",       "go searchmoves zz", "go wtime btime 100 movestogo 0",
                                          "go depth 2 depth"};
    for (const auto& go : gos) EXPECT_TRUE(TimeGo(go)) << go;
    EXPECT_GE(CountPrefix(engine.Lines(), "info string go"), gos.size() - 2);

    // Without a legal move the answer is the null move.
    engine.Send("position fen R5k1/5ppp/8/8/8/8/8/7K b - - 0 1\n");
    ASSERT_TRUE(TimeGo("go movetime 50"));
    EXPECT_EQ(LastBestMove(), "bestmove 0000");
    engine.Send("quit\n");
    EXPECT_EQ(engine.WaitForExit(), 0);
    EXPECT_EQ(CountPrefix(engine.Lines(), "bestmove"), gos.size() + 1);
}

}  // namespace
}  // namespace tablerix::test
