// The limits of a search: a node budget, deadlines, a mate to look for and
// the root moves allowed; none of them may change what an unlimited search
// finds, and a search cut short still names a sound move.

#include "ChessEngine.h"
#include "EngineTestUtil.h"

#include <chrono>
#include <memory>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;
using Clock = ChessEngine::Clock;

SearchLimits Depth(int depth) {
    SearchLimits limits;
    limits.Depth = depth;
    return limits;
}

EngineMove Move(const PositionSnapshot& pos, const std::string& text) {
    auto board = std::make_unique<SearchBoard>();
    board->Load(pos);
    board->GenerateMoves();
    for (int i = board->PlyMoves[0].First; i < board->PlyMoves[0].End; ++i)
        if (MoveText(board->MoveStack[i].Move) == text) return board->MoveStack[i].Move;
    ADD_FAILURE() << text;
    return {};
}

TEST(SearchLimitsTest, LimitsThatDoNotBindChangeNothing) {
    const PositionSnapshot pos = Fen(kTalkchess);
    auto plain = std::make_unique<ChessEngine>();
    plain->Think(pos, 4);

    auto limited = std::make_unique<ChessEngine>();
    SearchLimits limits = Depth(4);
    limits.Nodes = plain->Nodes() + 10;
    limits.MateMoves = 1;
    limited->SetDeadlines(Clock::now() + 1h, Clock::now() + 1h);
    limited->Think(pos, limits);
    EXPECT_EQ(limited->Nodes(), plain->Nodes());
    EXPECT_EQ(limited->BestMove(), plain->BestMove());
    EXPECT_EQ(limited->CompletedScore(), plain->CompletedScore());
    EXPECT_FALSE(limited->LimitReached());
    EXPECT_EQ(limited->ChosenDepth(), 4);
    EXPECT_EQ(limited->ChosenLine().front(), plain->BestMove());
}

TEST(SearchLimitsTest, NodeBudgetBindsFromTheSecondIteration) {
    const PositionSnapshot pos = Fen(kKiwipete);
    auto engine = std::make_unique<ChessEngine>();
    engine->Think(pos, 1);
    const std::uint64_t firstIteration = engine->Nodes();

    SearchLimits limits = Depth(8);
    limits.Nodes = 1;
    engine->Think(pos, limits);
    EXPECT_TRUE(engine->LimitReached());
    EXPECT_EQ(engine->CompletedDepth(), 1);
    EXPECT_EQ(engine->Nodes(), firstIteration + 1);  // the node that found the budget spent

    limits.Nodes = 100000;
    engine->Think(pos, limits);
    EXPECT_TRUE(engine->LimitReached());
    EXPECT_LT(engine->CompletedDepth(), 8);
    EXPECT_EQ(engine->Nodes(), limits.Nodes + 1);
}

TEST(SearchLimitsTest, AnIterationCutShortKeepsARootMoveSearchedWhole) {
    // Depth 1 takes 12,762 nodes here and depth 2 26,752: at 20,000 the
    // second iteration has searched its first root move (the line kept from
    // depth 1) to the end, and that score is the move's true depth-2 score.
    const PositionSnapshot pos = Fen(kKiwipete);
    auto full = std::make_unique<ChessEngine>();
    full->Think(pos, 2);

    auto engine = std::make_unique<ChessEngine>();
    SearchLimits limits = Depth(8);
    limits.Nodes = 20000;
    engine->Think(pos, limits);
    EXPECT_EQ(engine->CompletedDepth(), 1);
    EXPECT_EQ(engine->ChosenDepth(), 2);
    ASSERT_FALSE(engine->ChosenLine().empty());
    EXPECT_EQ(engine->ChosenLine().front(), full->BestMove());
    EXPECT_EQ(engine->ChosenScore(), full->CompletedScore());
}

TEST(SearchLimitsTest, PassedDeadlinesLeaveTheFirstIteration) {
    const PositionSnapshot pos = Fen(kKiwipete);
    auto engine = std::make_unique<ChessEngine>();
    engine->SetDeadlines(Clock::now() - 1s, Clock::time_point::max());  // no second iteration starts
    engine->Think(pos, 8);
    EXPECT_TRUE(engine->LimitReached());
    EXPECT_EQ(engine->CompletedDepth(), 1);

    engine->SetDeadlines(Clock::time_point::max(), Clock::now() - 1s);  // the second ends at its first node
    engine->Think(pos, 8);
    EXPECT_TRUE(engine->LimitReached());
    EXPECT_EQ(engine->CompletedDepth(), 1);
    EXPECT_EQ(engine->ChosenDepth(), 1);

    engine->ClearDeadlines();
    engine->Think(pos, 2);
    EXPECT_FALSE(engine->LimitReached());
    EXPECT_EQ(engine->CompletedDepth(), 2);
}

TEST(SearchLimitsTest, HardDeadlineEndsADepthEightSearch) {
    auto engine = std::make_unique<ChessEngine>();
    const auto start = Clock::now();
    engine->SetDeadlines(start + 100ms, start + 100ms);
    engine->Think(Fen(kKiwipete), 8);
    // Generous: unlimited, this search takes minutes.
    EXPECT_LT(Clock::now() - start, 5s);
    EXPECT_TRUE(engine->LimitReached());
    EXPECT_FALSE(engine->ChosenLine().empty());
    EXPECT_FALSE(engine->StopRequested());  // a limit is not a stop request
}

TEST(SearchLimitsTest, MateFoundEndsTheSearch) {
    auto engine = std::make_unique<ChessEngine>();
    SearchLimits limits = Depth(8);
    limits.MateMoves = 1;
    engine->Think(Fen("6k1/5ppp/8/8/8/8/8/R6K w - - 0 1"), limits);
    EXPECT_EQ(engine->CompletedDepth(), 1);
    EXPECT_EQ(MoveText(engine->ChosenLine().front()), "a1a8");
    EXPECT_FALSE(engine->LimitReached());

    // A mate in 2 is not one in 1: the search goes on to its depth.
    limits.Depth = 3;
    engine->Think(Fen("kbK5/pp6/1P6/8/8/8/8/R7 w - - 0 1"), limits);
    EXPECT_EQ(engine->CompletedDepth(), 3);
    EXPECT_EQ(engine->CompletedScore(), ChessEngine::kInfinity - 3);  // mate at ply 3
    limits.MateMoves = 2;
    limits.Depth = 8;
    engine->Think(Fen("kbK5/pp6/1P6/8/8/8/8/R7 w - - 0 1"), limits);
    EXPECT_EQ(engine->CompletedDepth(), 3);
}

TEST(SearchLimitsTest, RootMovesRestrictTheChoice) {
    const PositionSnapshot pos = FenParser::StartPosition();
    auto engine = std::make_unique<ChessEngine>();
    SearchLimits limits = Depth(3);
    limits.RootMoves = {Move(pos, "a2a3"), Move(pos, "h2h4")};
    engine->Think(pos, limits);
    const std::string best = MoveText(engine->ChosenLine().front());
    EXPECT_TRUE(best == "a2a3" || best == "h2h4") << best;

    limits.RootMoves = {Move(pos, "g1h3")};
    engine->Think(pos, limits);
    EXPECT_EQ(MoveText(engine->BestMove()), "g1h3");

    // The restriction ends with the search.
    engine->ClearPrincipalVariation();
    engine->Think(pos, 3);
    EXPECT_NE(MoveText(engine->BestMove()), "g1h3");
}

}  // namespace
}  // namespace tablerix::test
