// Search results: mates, the kept principal variation, history credits,
// node counts, stopping, and the guards at the end of the ply tables.

#include "ChessEngine.h"
#include "EngineTestUtil.h"

#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <utility>

namespace tablerix::test {
namespace {

const char* const kMateInOne = "6k1/5ppp/8/8/8/8/8/R6K w - - 0 1";
const char* const kMated = "R5k1/5ppp/8/8/8/8/8/7K b - - 0 1";

struct Iteration {
    int Depth;
    int Score;
    std::uint64_t Nodes;
    std::vector<std::string> Line;
};

std::vector<Iteration> ThinkAndRecord(ChessEngine& engine, const PositionSnapshot& pos, int depth) {
    std::vector<Iteration> out;
    engine.SetReportHook([&](const ChessEngine::IterationReport& r) {
        Iteration it{r.Depth, r.Score, r.Nodes, {}};
        for (const EngineMove m : r.Line) it.Line.push_back(MoveText(m));
        out.push_back(it);
    });
    engine.Think(pos, depth);
    engine.SetReportHook(nullptr);
    return out;
}

TEST(ChessEngineTest, MateInOneScores9999AndIsDelivered) {
    auto engine = std::make_unique<ChessEngine>();
    const auto its = ThinkAndRecord(*engine, Fen(kMateInOne), 3);
    ASSERT_EQ(its.size(), 3u);
    for (const auto& it : its) {
        EXPECT_EQ(it.Score, 9999);
        ASSERT_FALSE(it.Line.empty());
        EXPECT_EQ(it.Line.front(), "a1a8");
    }
    EXPECT_EQ(MoveText(engine->BestMove()), "a1a8");
    EXPECT_EQ(engine->CompletedDepth(), 3);
}

TEST(ChessEngineTest, MatedRootScoresMinus10000AndKeepsTheEarlierMove) {
    auto engine = std::make_unique<ChessEngine>();
    EXPECT_EQ(engine->BestMove(), EngineMove{});  // a8a8 before any search
    engine->Think(Fen(kMateInOne), 2);
    const auto its = ThinkAndRecord(*engine, Fen(kMated), 2);
    ASSERT_EQ(its.size(), 2u);
    EXPECT_EQ(its[0].Score, -10000);
    EXPECT_TRUE(its[0].Line.empty());
    EXPECT_EQ(its[0].Nodes, 1u);  // the root alone
    EXPECT_EQ(MoveText(engine->BestMove()), "a1a8");
}

TEST(ChessEngineTest, StalemateAtTheRootScoresZero) {
    auto engine = std::make_unique<ChessEngine>();
    const auto its = ThinkAndRecord(*engine, Fen("7k/5Q2/8/8/8/8/8/K7 b - - 0 1"), 1);
    ASSERT_EQ(its.size(), 1u);
    EXPECT_EQ(its[0].Score, 0);
    EXPECT_TRUE(its[0].Line.empty());
}

TEST(ChessEngineTest, DepthOneSeesAHangingPieceThroughQuiescence) {
    // Moving the knight anywhere but to safety loses it; a queen capture is open.
    auto engine = std::make_unique<ChessEngine>();
    engine->Think(Fen("4k3/8/8/3q4/8/2N5/8/4K3 w - - 0 1"), 1);
    EXPECT_EQ(MoveText(engine->BestMove()), "c3d5");
    EXPECT_GT(engine->CompletedScore(), 300);
}

TEST(ChessEngineTest, ResultsAreFixedForAFreshEngine) {
    // Move, score and node count for a fresh engine are part of its behaviour.
    struct Case {
        const char* Fen;
        int Depth;
        const char* Move;
        int Score;
        std::uint64_t Nodes;
    };
    const Case cases[] = {
        {"", 4, "e2e4", 2, 10165},
        {kKiwipete, 3, "e2a6", 8, 82680},
        {kEndgame, 4, "b4f4", 164, 4440},
        {kPromotions, 4, "c4c5", -439, 84799},
        {kTalkchess, 4, "d7c8q", 392, 31373},
    };
    for (const Case& c : cases) {
        auto engine = std::make_unique<ChessEngine>();
        const PositionSnapshot pos = *c.Fen ? Fen(c.Fen) : FenParser::StartPosition();
        engine->Think(pos, c.Depth);
        EXPECT_EQ(MoveText(engine->BestMove()), c.Move) << c.Fen;
        EXPECT_EQ(engine->CompletedScore(), c.Score) << c.Fen;
        EXPECT_EQ(engine->Nodes(), c.Nodes) << c.Fen;
        EXPECT_LT(engine->MaxPlyReached(), ChessEngine::kMaxPly - 1) << c.Fen;
    }
}

TEST(ChessEngineTest, HistoryIsClearedAndThePrincipalVariationKept) {
    const PositionSnapshot pos = Fen(kTalkchess);
    auto engine = std::make_unique<ChessEngine>();
    engine->Think(pos, 3);
    const std::uint64_t fresh = engine->Nodes();
    const std::vector<EngineMove> line(engine->PrincipalLine().begin(), engine->PrincipalLine().end());

    // Same start, same work: nothing but the principal variation carries over.
    engine->ClearPrincipalVariation();
    EXPECT_EQ(engine->BestMove(), EngineMove{});
    EXPECT_TRUE(engine->PrincipalLine().empty());
    engine->Think(pos, 3);
    EXPECT_EQ(engine->Nodes(), fresh);

    // Without clearing, the first iteration follows the kept line, and the
    // result is the same move.
    const auto its = ThinkAndRecord(*engine, pos, 3);
    ASSERT_FALSE(its.empty());
    EXPECT_EQ(its.front().Line.front(), MoveText(line.front()));
    EXPECT_EQ(engine->BestMove(), line.front());
}

TEST(ChessEngineTest, ReportsEveryIterationInOrder) {
    auto engine = std::make_unique<ChessEngine>();
    const auto its = ThinkAndRecord(*engine, FenParser::StartPosition(), 4);
    ASSERT_EQ(its.size(), 4u);
    for (std::size_t i = 0; i < its.size(); ++i) {
        EXPECT_EQ(its[i].Depth, static_cast<int>(i) + 1);
        if (i > 0) {
            EXPECT_GT(its[i].Nodes, its[i - 1].Nodes);
        }
        EXPECT_GE(static_cast<int>(its[i].Line.size()), its[i].Depth);
    }
    EXPECT_EQ(its.back().Nodes, engine->Nodes());
    EXPECT_EQ(its.back().Line.front(), MoveText(engine->BestMove()));
}

TEST(ChessEngineTest, StopRequestEndsADepthEightSearch) {
    auto engine = std::make_unique<ChessEngine>();
    const PositionSnapshot pos = Fen(kKiwipete);
    // The stop comes once the first iteration has finished: the search is well under way.
    std::promise<void> firstIteration;
    bool told = false;  // the searching thread's only
    engine->SetReportHook([&](const ChessEngine::IterationReport&) {
        if (!std::exchange(told, true)) firstIteration.set_value();
    });
    std::thread worker([&] { engine->Think(pos, 8); });
    EXPECT_EQ(firstIteration.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);
    const auto asked = std::chrono::steady_clock::now();
    engine->RequestStop();
    worker.join();
    const auto took = std::chrono::steady_clock::now() - asked;
    engine->SetReportHook(nullptr);
    EXPECT_LT(engine->CompletedDepth(), 8);
    // Generous: a depth-8 search of this position takes minutes.
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_TRUE(engine->StopRequested());  // Think leaves the request for its caller

    // A stop set before Think searches nothing.
    const auto its = ThinkAndRecord(*engine, pos, 3);
    EXPECT_TRUE(its.empty());
    EXPECT_EQ(engine->Nodes(), 0u);
    EXPECT_EQ(engine->CompletedDepth(), 0);
    engine->ClearStop();
    engine->Think(pos, 1);
    EXPECT_EQ(engine->CompletedDepth(), 1);
}

TEST(ChessEngineTest, TheLastPlyIsEvaluatedInsteadOfSearched) {
    // A queen hunting a bare king checks on almost every move, so each check
    // extends the line; started near the end of the tables it must stop there.
    auto engine = std::make_unique<ChessEngine>();
    engine->SetUp(Fen("7k/8/8/8/8/8/8/1Q2K3 w - - 0 1"));
    SearchBoard& board = engine->Board();
    for (int startPly : {55, 60, 62, 63}) {
        board.Ply = startPly;
        board.PlyMoves[startPly].First = 0;
        const int score = engine->Search(-ChessEngine::kInfinity, ChessEngine::kInfinity, 8);
        EXPECT_LE(engine->MaxPlyReached(), ChessEngine::kMaxPly - 1);
        EXPECT_GT(score, 0) << startPly;  // White is a queen up
        EXPECT_EQ(board.Ply, startPly);
        const int q = engine->QuiescenceSearch(-ChessEngine::kInfinity, ChessEngine::kInfinity);
        EXPECT_GT(q, 0);
    }
    EXPECT_EQ(engine->MaxPlyReached(), ChessEngine::kMaxPly - 1);  // the guard was reached
}

TEST(ChessEngineTest, MissingRookNeverCastles) {
    // Castle rights kept by the board although the h1 rook is gone: the engine
    // must not play e1g1 (it would conjure a rook).
    std::string squares(64, ' ');
    squares[4] = 'k';
    squares[60] = 'K';
    squares[56] = 'R';
    squares[12] = 'p';
    auto engine = std::make_unique<ChessEngine>();
    engine->SetUp(Letters(squares, true, 15));
    EXPECT_EQ(engine->Board().CastleBits, 2);
    engine->Think(Letters(squares, true, 15), 3);
    EXPECT_NE(MoveText(engine->BestMove()), "e1g1");
}

}  // namespace
}  // namespace tablerix::test
