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

TEST(PerftTest, SetStopFlagEndsEarly) {
    SearchBoard board;
    board.Load(FenParser::StartPosition());
    const std::atomic<bool> stop{true};
    EXPECT_EQ(Perft::Count(board, 4, &stop), 0u);
    EXPECT_EQ(board.Ply, 0);
}

}  // namespace
}  // namespace tablerix::test
