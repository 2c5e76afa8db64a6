// Move-path counts on the board's own rules: every legal pair is played with
// PerformMove and taken back with MoveBack, so legality, the side effects of a
// move and the record's restore are checked together. A promotion counts once
// per pair of squares.

#include "ChessBrdTestSupport.h"

#include <gtest/gtest.h>

namespace tablerix::test {
namespace {

long Perft(ChessBrdCore& board, int depth) {
    long count = 0;
    const int side = board.WhiteToMove() ? 1 : 0;
    for (int from = 1; from <= 64; ++from) {
        if (board.PieceColor(ToSquare(from)) != side) continue;
        for (int to = 1; to <= 64; ++to) {
            if (!board.IsLegalMove(ToSquare(from), ToSquare(to))) continue;
            if (depth == 1) {
                ++count;
                continue;
            }
            const std::string before = board.Position();
            EXPECT_TRUE(board.PerformMove(ToSquare(from), ToSquare(to)));
            count += Perft(board, depth - 1);
            EXPECT_TRUE(board.MoveBack());
            EXPECT_EQ(board.Position(), before);
        }
    }
    return count;
}

TEST(Perft, StartPosition) {
    ChessBrdCore board;
    EXPECT_EQ(Perft(board, 1), 20);
    EXPECT_EQ(Perft(board, 2), 400);
    EXPECT_EQ(Perft(board, 3), 8902);
}

TEST(Perft, CastlingPinsAndEnPassantMiddlegame) {
    ChessBrdCore board;
    SetFen(board, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -");
    EXPECT_EQ(Perft(board, 1), 48);
    EXPECT_EQ(Perft(board, 2), 2039);
    EXPECT_EQ(board.CastlingAllowed(), CastleSet::All());  // restored by MoveBack
}

TEST(Perft, RookEndgameWithEnPassantPinOnTheRank) {
    ChessBrdCore board;
    SetFen(board, "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -");
    EXPECT_EQ(Perft(board, 1), 14);
    EXPECT_EQ(Perft(board, 2), 191);
    EXPECT_EQ(Perft(board, 3), 2812);
    EXPECT_EQ(Perft(board, 4), 43238);
}

}  // namespace
}  // namespace tablerix::test
