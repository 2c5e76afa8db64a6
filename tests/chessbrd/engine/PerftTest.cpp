// Generator and TryMove/UndoMove against published move-path counts. The
// deepest counts (start position depth 5, the second position depth 4) are
// checked in the perft benchmark to keep this suite fast.

#include "EngineTestUtil.h"
#include "Perft.h"

#include <cstdint>
#include <vector>

namespace tablerix::test {
namespace {

void ExpectCounts(const PositionSnapshot& pos, const std::vector<std::uint64_t>& counts) {
    SearchBoard board;
    board.Load(pos);
    const PositionSnapshot before = board.ToSnapshot();
    for (std::size_t d = 0; d < counts.size(); ++d)
        EXPECT_EQ(Perft::Count(board, static_cast<int>(d) + 1), counts[d]) << "depth " << d + 1;
    // Every TryMove was undone.
    EXPECT_EQ(board.Ply, 0);
    const PositionSnapshot after = board.ToSnapshot();
    EXPECT_EQ(after.Squares, before.Squares);
    EXPECT_EQ(after.Castling, before.Castling);
    EXPECT_EQ(after.EnPassant, before.EnPassant);
}

TEST(PerftTest, StartPosition) { ExpectCounts(FenParser::StartPosition(), {20, 400, 8902, 197281}); }

TEST(PerftTest, CastlingAndPinsPosition) { ExpectCounts(Fen(kKiwipete), {48, 2039, 97862}); }

TEST(PerftTest, EnPassantEndgame) { ExpectCounts(Fen(kEndgame), {14, 191, 2812, 43238, 674624}); }

TEST(PerftTest, PromotionsAndChecks) { ExpectCounts(Fen(kPromotions), {6, 264, 9467, 422333}); }

TEST(PerftTest, UnderPromotionPosition) { ExpectCounts(Fen(kTalkchess), {44, 1486, 62379}); }

TEST(PerftTest, DivideReportsEachRootMoveInOrder) {
    SearchBoard board;
    board.Load(Fen(kKiwipete));
    std::vector<Perft::RootCount> roots;
    EXPECT_TRUE(Perft::Divide(board, 2, nullptr, [&](const Perft::RootCount& r) { roots.push_back(r); }));
    ASSERT_EQ(roots.size(), 48u);
    std::uint64_t total = 0;
    for (const auto& r : roots) total += r.Nodes;
    EXPECT_EQ(total, 2039u);
    EXPECT_EQ(board.Ply, 0);
    // In the generator's order.
    board.GenerateMoves();
    std::size_t next = 0;
    for (const std::string& move : GeneratedMoves(board)) {
        if (next < roots.size() && MoveText(roots[next].Move) == move) ++next;
    }
    EXPECT_EQ(next, roots.size());
}

TEST(PerftTest, StoppedDivideReportsOnlyWholeCounts) {
    SearchBoard board;
    board.Load(FenParser::StartPosition());
    std::atomic<bool> stop{true};
    int reports = 0;
    EXPECT_FALSE(Perft::Divide(board, 4, &stop, [&](const Perft::RootCount&) { ++reports; }));
    EXPECT_EQ(reports, 0);

    // Stopped after the third root move: the fourth, cut short, is not
    // reported, and the three that are hold their true counts.
    stop = false;
    std::vector<Perft::RootCount> roots;
    EXPECT_FALSE(Perft::Divide(board, 3, &stop, [&](const Perft::RootCount& r) {
        roots.push_back(r);
        if (roots.size() == 3) stop = true;
    }));
    ASSERT_EQ(roots.size(), 3u);
    for (const auto& r : roots) {
        ASSERT_TRUE(board.TryMove(r.Move));
        EXPECT_EQ(r.Nodes, Perft::Count(board, 2)) << MoveText(r.Move);
        board.UndoMove();
    }
    EXPECT_EQ(board.Ply, 0);
}

}  // namespace
}  // namespace tablerix::test
