// The UCI session driven line by line, its answers read from a string stream.

#include "UciSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace tablerix::test {
namespace {

class UciSessionTest : public ::testing::Test {
protected:
    // Feeds the lines, waits until all are carried out, and returns what was
    // written since the last call.
    std::vector<std::string> Run(const std::vector<std::string>& lines) {
        for (const auto& line : lines) EXPECT_TRUE(session.Handle(line)) << line;
        session.WaitUntilIdle();
        std::vector<std::string> result;
        std::istringstream in(out.str().substr(consumed));
        consumed = out.str().size();
        for (std::string line; std::getline(in, line);) result.push_back(line);
        return result;
    }

    std::ostringstream out;
    UciSession session{out};
    std::size_t consumed = 0;
};

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(UciSessionTest, HandshakeAndReady) {
    const std::vector<std::string> expected = {"id name Tablerix 1.0",
                                               "id author The Tablerix developers",
                                               "option name Depth type spin default 5 min 1 max 8",
                                               "option name Ponder type check default false",
                                               "uciok",
                                               "readyok"};
    EXPECT_EQ(Run({"uci", "isready"}), expected);
    // Blank, unknown and half-formed commands are ignored.
    EXPECT_TRUE(Run({"", "   ", "\t", "xyzzy 1 2", "register later", "debug on"}).empty());
}

TEST_F(UciSessionTest, PositionWithMovesAndPerft) {
    const auto lines = Run({"position startpos moves e2e4 e7e5", "go perft 1"});
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "a2a3: 1");
    EXPECT_EQ(lines[29], "");
    EXPECT_EQ(lines[30], "Nodes searched: 29");
    EXPECT_EQ(Run({"position startpos", "go perft 3"}).back(), "Nodes searched: 8902");
    EXPECT_EQ(
        Run({"position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", "go perft 2"}).back(),
        "Nodes searched: 2039");
    // Castling is given as the king's move.
    EXPECT_TRUE(Contains(Run({"go perft 1"}), "e1g1: 1"));
}

TEST_F(UciSessionTest, BadPositionsAndMovesKeepThePreviousPosition) {
    const auto reference = Run({"position startpos moves e2e4", "go perft 2"});
    EXPECT_EQ(reference.back(), "Nodes searched: 600");

    const std::vector<std::pair<std::string, std::string>> bad = {
        {"position startpos moves e7e5 e2e4", "info string illegal move e7e5"},
        {"position startpos moves e2e4 e7e5 e4e5", "info string illegal move e4e5"},
        {"position startpos moves e2e5", "info string illegal move e2e5"},
        {"position startpos moves e2", "info string malformed move e2"},
        {"position startpos moves e2e4x", "info string malformed move e2e4x"},
        {"position startpos moves i2i4", "info string malformed move i2i4"},
        {"position fen 8/8/8 w - -", ""},
        {"position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e9 0 1", ""},
        {"position", "info string position needs startpos or fen"},
        {"position sideways", "info string position needs startpos or fen"},
        {"position startpos e2e4", "info string unexpected 'e2e4' in position"},
    };
    for (const auto& [command, answer] : bad) {
        const auto lines = Run({command});
        ASSERT_EQ(lines.size(), 1u) << command;
        if (answer.empty()) EXPECT_EQ(lines[0].rfind("info string malformed FEN: ", 0), 0u) << lines[0];
        else EXPECT_EQ(lines[0], answer);
    }
    EXPECT_EQ(Run({"go perft 2"}), reference);
}

TEST_F(UciSessionTest, PromotionLetterChoosesThePiece) {
    // A queen on a8 checks the king on e8 along the rank; a knight does not.
    EXPECT_EQ(Run({"position fen 4k3/P7/8/8/8/8/8/4K3 w - - 0 1 moves a7a8q", "go perft 1"}).back(),
              "Nodes searched: 3");
    EXPECT_EQ(Run({"position fen 4k3/P7/8/8/8/8/8/4K3 w - - 0 1 moves a7a8n", "go perft 1"}).back(),
              "Nodes searched: 5");
    EXPECT_EQ(Run({"position fen 4k3/P7/8/8/8/8/8/4K3 w - - 0 1 moves a7a8"}),
              std::vector<std::string>{"info string illegal move a7a8"});
    EXPECT_EQ(Run({"position fen 4k3/8/8/8/8/8/P7/4K3 w - - 0 1 moves a2a3q"}),
              std::vector<std::string>{"info string illegal move a2a3q"});
    // The search reports promotions with their letter (and the reply it expects).
    EXPECT_EQ(Run({"position fen 7k/P7/8/8/8/8/8/4K3 w - - 0 1", "go depth 1"}).back().rfind("bestmove a7a8q ", 0), 0u);
}

TEST_F(UciSessionTest, GoReportsEachIterationAndTheBestMove) {
    const auto lines = Run({"position fen 6k1/5ppp/8/8/8/8/8/R6K w - - 0 1", "go depth 2"});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("info depth 1 score mate 1 nodes ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find(" pv a1a8"), std::string::npos);
    EXPECT_EQ(lines[1].rfind("info depth 2 score mate 1 nodes ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "bestmove a1a8");

    const auto start = Run({"position startpos", "go depth 3"});
    ASSERT_EQ(start.size(), 4u);
    EXPECT_EQ(start[2].rfind("info depth 3 score cp ", 0), 0u);
    EXPECT_EQ(start[3].rfind("bestmove ", 0), 0u);
}

TEST_F(UciSessionTest, NoLegalMoveGivesNullMove) {
    const auto mated = Run({"position fen R5k1/5ppp/8/8/8/8/8/7K b - - 0 1", "go depth 2"});
    const std::vector<std::string> expectedMated = {"info depth 1 score mate 0 nodes 1",
                                                    "info depth 2 score mate 0 nodes 2", "bestmove 0000"};
    EXPECT_EQ(mated, expectedMated);
    const auto stalemate = Run({"position fen 7k/5Q2/8/8/8/8/8/K7 b - - 0 1", "go depth 1"});
    const std::vector<std::string> expectedStalemate = {"info depth 1 score cp 0 nodes 1", "bestmove 0000"};
    EXPECT_EQ(stalemate, expectedStalemate);
}

TEST_F(UciSessionTest, DepthOptionAndClamping) {
    auto depths = [](const std::vector<std::string>& lines) {
        int n = 0;
        for (const auto& l : lines) n += l.rfind("info depth ", 0) == 0;
        return n;
    };
    EXPECT_EQ(depths(Run({"position startpos", "go"})), 5);
    // Under a clock the option is the ceiling (an hour leaves time for depth 2).
    EXPECT_EQ(depths(Run({"setoption name Depth value 2", "go wtime 3600000 btime 3600000"})), 2);
    EXPECT_LE(depths(Run({"go infinite", "stop"})), 2);  // an infinite search answers only after stop
    EXPECT_EQ(depths(Run({"go depth 0"})), 1);
    EXPECT_EQ(depths(Run({"go depth -7"})), 1);
    EXPECT_EQ(depths(Run({"setoption name Depth value 0", "go movetime 10"})), 1);
    EXPECT_EQ(depths(Run({"setoption name Depth value -99999999999999999999", "go"})), 1);
    EXPECT_EQ(depths(Run({"position fen 6k1/5ppp/8/8/8/8/8/R6K w - - 0 1", "go depth 99999999999999999999"})), 8);

    EXPECT_EQ(Run({"setoption name Depth value two"}),
              std::vector<std::string>{"info string Depth needs a whole number"});
    EXPECT_EQ(Run({"setoption name Hash value 16"}), std::vector<std::string>{"info string unknown option Hash"});
    // A malformed go is said, and searched with what remains (Depth is 1 here).
    const auto malformed = Run({"go depth x"});
    ASSERT_EQ(malformed.size(), 3u);
    EXPECT_EQ(malformed.front(), "info string go depth needs a whole number");
    EXPECT_EQ(malformed.back().rfind("bestmove ", 0), 0u);
    EXPECT_EQ(Run({"go perft 0"}), std::vector<std::string>{"info string perft depth must be 1 to 20"});
}

TEST_F(UciSessionTest, NewGameGivesAFreshEngine) {
    const std::vector<std::string> search = {"position fen rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
                                             "go depth 3"};
    const auto fresh = Run(search);
    Run({"position startpos moves d2d4", "go depth 3"});
    EXPECT_EQ(Run({"ucinewgame", search[0], search[1]}), fresh);
}

TEST_F(UciSessionTest, StopEndsADeepSearchWithACompletedMove) {
    EXPECT_TRUE(session.Handle("position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"));
    EXPECT_TRUE(session.Handle("go depth 8"));
    EXPECT_TRUE(session.Handle("isready"));  // answered while searching
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(session.Handle("stop"));
    const auto lines = Run({});
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(Contains(lines, "readyok"));
    const std::string& last = lines.back();
    ASSERT_EQ(last.rfind("bestmove ", 0), 0u);
    EXPECT_NE(last, "bestmove 0000");
    EXPECT_FALSE(Contains(lines, "info depth 8"));
    // A move from the last finished iteration, when there was one.
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        const auto pv = it->find(" pv ");
        if (pv == std::string::npos) continue;
        EXPECT_EQ(it->substr(pv + 4, 4), last.substr(9, 4));
        break;
    }
    EXPECT_FALSE(session.Handle("quit"));
}

TEST_F(UciSessionTest, WaitingCommandsRunInOrderAfterAStop) {
    // Read while a perft that would never end runs: isready is answered at
    // once, the position waits, the perft is stopped without a count, and the
    // perft read after the stop runs on the new position.
    for (const char* line : {"go perft 20", "position startpos moves e2e4", "isready", "stop", "go perft 1"})
        EXPECT_TRUE(session.Handle(line)) << line;
    const auto lines = Run({});
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "readyok");
    EXPECT_EQ(lines[1], "b8a6: 1");
    EXPECT_EQ(lines[22], "Nodes searched: 20");
}

TEST_F(UciSessionTest, StopAlsoEndsAGoStillWaiting) {
    // Both were read before the stop: neither prints a count; the search
    // still names a legal move.
    for (const char* line : {"go perft 20", "go perft 2", "go depth 8", "stop"}) EXPECT_TRUE(session.Handle(line));
    const auto stopped = Run({});
    ASSERT_EQ(stopped.size(), 1u);
    EXPECT_EQ(stopped[0], "bestmove a2a3");
    // A stop applies only to what was read before it.
    EXPECT_EQ(Run({"go perft 2"}).back(), "Nodes searched: 400");
}

TEST_F(UciSessionTest, TextWaitingBehindASearchIsBounded) {
    const std::string half(UciSession::kMaxQueuedBytes / 2, 'x');
    for (const std::string& line :
         {std::string("go perft 20"), "position " + half, "position " + half,
          std::string("position startpos moves e2e4"), std::string("stop"), std::string("go perft 1")})
        EXPECT_TRUE(session.Handle(line));
    const auto lines = Run({});
    // The second long line did not fit; what fitted still runs in order.
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "info string too much input waiting; ignored position");
    EXPECT_EQ(lines[1], "info string position needs startpos or fen");
    EXPECT_EQ(lines.back(), "Nodes searched: 20");
}

TEST_F(UciSessionTest, EachWaitingCommandCountsWithItsOverhead) {
    // Short commands cost far more than their text: the cap counts that.
    constexpr int kSent = 200000;
    const std::string command = "position startpos";
    EXPECT_TRUE(session.Handle("go perft 20"));
    for (int i = 0; i < kSent; ++i) session.Handle(command);
    EXPECT_TRUE(session.Handle("stop"));
    const auto lines = Run({});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "info string too much input waiting; ignored position");
    // "info string N commands were refused in all", once the queue has run empty.
    const std::string prefix = "info string ";
    ASSERT_EQ(lines[1].rfind(prefix, 0), 0u);
    const long refused = std::stol(lines[1].substr(prefix.size()));
    EXPECT_EQ(lines[1], prefix + std::to_string(refused) + " commands were refused in all");
    const auto accepted = static_cast<std::size_t>(kSent - refused);
    EXPECT_LE(accepted * UciSession::QueuedCost(command), UciSession::kMaxQueuedBytes);
    EXPECT_GT((accepted + 1) * UciSession::QueuedCost(command), UciSession::kMaxQueuedBytes);
    EXPECT_GT(UciSession::QueuedCost(command), 100u);  // far more than its 17 characters
}

TEST_F(UciSessionTest, PonderHitReachesAPonderSearchStillWaiting) {
    // The ponderhit may come while the first search runs, before the
    // pondering one has begun: it is kept for it, so that it answers.
    for (const char* line : {"setoption name Depth value 1", "position startpos", "go depth 4",
                             "go ponder wtime 1000 btime 1000", "ponderhit"})
        EXPECT_TRUE(session.Handle(line)) << line;
    const auto lines = Run({});
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.rfind("bestmove ", 0) == 0; }), 2);
}

TEST_F(UciSessionTest, QuitDropsWaitingCommandsAndIgnoresLaterLines) {
    for (const char* line : {"go perft 20", "uci", "go perft 1"}) EXPECT_TRUE(session.Handle(line));
    EXPECT_FALSE(session.Handle("quit"));
    EXPECT_FALSE(session.Handle("isready"));
    EXPECT_TRUE(Run({}).empty());
}

TEST(UciScoreTest, MateScoresInMoves) {
    EXPECT_EQ(UciCommands::ScoreText(25), "cp 25");
    EXPECT_EQ(UciCommands::ScoreText(-9000), "cp -9000");
    EXPECT_EQ(UciCommands::ScoreText(9999), "mate 1");
    EXPECT_EQ(UciCommands::ScoreText(9997), "mate 2");
    EXPECT_EQ(UciCommands::ScoreText(-9998), "mate -1");
    EXPECT_EQ(UciCommands::ScoreText(-9996), "mate -2");
    EXPECT_EQ(UciCommands::ScoreText(-10000), "mate 0");
}

}  // namespace
}  // namespace tablerix::test
