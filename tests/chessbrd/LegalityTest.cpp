// Legality: the piece rules, king safety, castling conditions, en passant and
// the repetition gate.

#include "ChessBrdTestSupport.h"

#include <gtest/gtest.h>

namespace tablerix::test {
namespace {

TEST(Legality, StartPositionMovesAndRefusals) {
    ChessBrdCore b;
    EXPECT_TRUE(b.IsLegalMove(Square::E2, Square::E4));
    EXPECT_TRUE(b.IsLegalMove(Square::E2, Square::E3));
    EXPECT_TRUE(b.IsLegalMove(Square::G1, Square::F3));
    EXPECT_FALSE(b.IsLegalMove(Square::E2, Square::E5));
    EXPECT_FALSE(b.IsLegalMove(Square::E2, Square::D3));
    EXPECT_FALSE(b.IsLegalMove(Square::F1, Square::C4));  // blocked
    EXPECT_FALSE(b.IsLegalMove(Square::E7, Square::E5));  // Black's piece
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::E1));
    EXPECT_FALSE(b.IsLegalMove(Square::None, Square::E4));
    EXPECT_FALSE(b.IsLegalMove(Square::E2, ToSquare(65)));
    EXPECT_FALSE(b.IsLegalMove(ToSquare(200), ToSquare(255)));
}

TEST(Legality, PawnDoubleStepNeedsBothSquaresEmpty) {
    ChessBrdCore b;
    SetFen(b, "4k3/8/8/8/8/4n3/4P3/4K3 w - -");
    EXPECT_FALSE(b.IsLegalMove(Square::E2, Square::E4));
    EXPECT_FALSE(b.IsLegalMove(Square::E2, Square::E3));
    SetFen(b, "4k3/8/8/8/4n3/8/4P3/4K3 w - -");
    EXPECT_FALSE(b.IsLegalMove(Square::E2, Square::E4));
    EXPECT_TRUE(b.IsLegalMove(Square::E2, Square::E3));
}

TEST(Legality, EnPassantOnlyRightAfterTheDoubleStep) {
    ChessBrdCore b;
    SetFen(b, "4k3/8/8/8/3p4/8/4P3/4K3 w - -");
    ASSERT_TRUE(b.PerformMove(Square::E2, Square::E4));
    EXPECT_EQ(b.EnPassant(), Square::E3);
    EXPECT_TRUE(b.IsLegalMove(Square::D4, Square::E3));
    ASSERT_TRUE(b.PerformMove(Square::E8, Square::D8));
    ASSERT_TRUE(b.PerformMove(Square::E1, Square::F1));
    EXPECT_EQ(b.EnPassant(), Square::None);
    EXPECT_FALSE(b.IsLegalMove(Square::D4, Square::E3));
}

TEST(Legality, EnPassantThatOpensTheRankToTheOwnKingIsRefused) {
    ChessBrdCore b;
    SetFen(b, "7k/2p5/8/KP5r/8/8/8/8 b - -");
    ASSERT_TRUE(b.PerformMove(Square::C7, Square::C5));
    EXPECT_FALSE(b.IsLegalMove(Square::B5, Square::C6));
    EXPECT_TRUE(b.WhiteKingAttackedAfter(Square::B5, Square::C6));
    // Without the rook the same capture is fine.
    SetFen(b, "7k/2p5/8/KP6/8/8/8/8 b - -");
    ASSERT_TRUE(b.PerformMove(Square::C7, Square::C5));
    EXPECT_TRUE(b.IsLegalMove(Square::B5, Square::C6));
}

TEST(Legality, WhiteKingSideCastlingConditions) {
    ChessBrdCore b;
    const char* base = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -";
    SetFen(b, base);
    EXPECT_TRUE(b.IsLegalMove(Square::E1, Square::G1));
    EXPECT_TRUE(b.IsLegalMove(Square::E1, Square::C1));

    b.SetCastlingAllowed(CastleSet{CanStillCastle::WhiteQueenSide});
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::G1));
    SetFen(b, "r3k2r/8/8/8/8/8/8/R3KN1R w KQkq -");
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::G1));
    SetFen(b, "r3k2r/8/8/8/8/8/8/R3K1NR w KQkq -");
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::G1));
    SetFen(b, "r3k2r/8/8/8/8/8/8/R3K2Q w KQkq -");
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::G1));
    SetFen(b, "r3k2r/8/8/8/8/8/4r3/R3K2R w KQkq -");  // in check
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::G1));
    SetFen(b, "r3kr2/8/8/8/8/8/8/R3K2R w KQkq -");  // F1 attacked
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::G1));
    SetFen(b, "r3k1r1/8/8/8/8/8/8/R3K2R w KQkq -");  // G1 attacked
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::G1));

    SetFen(b, "1r2k3/8/8/8/8/8/8/R3K3 w Q -");  // B1 attacked: allowed
    EXPECT_TRUE(b.IsLegalMove(Square::E1, Square::C1));
    SetFen(b, "4k3/8/8/8/8/8/8/RN2K3 w Q -");  // B1 occupied: refused
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::C1));
    SetFen(b, "3rk3/8/8/8/8/8/8/R3K3 w Q -");  // D1 attacked
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::C1));
}

TEST(Legality, BlackCastlingAndWrongColouredKing) {
    ChessBrdCore b;
    SetFen(b, "r3k2r/8/8/8/8/8/8/4K3 b kq -");
    EXPECT_TRUE(b.IsLegalMove(Square::E8, Square::G8));
    EXPECT_TRUE(b.IsLegalMove(Square::E8, Square::C8));
    SetFen(b, "r3k2r/8/8/8/8/8/8/2R1K3 b kq -");  // C8 attacked
    EXPECT_FALSE(b.IsLegalMove(Square::E8, Square::C8));
    EXPECT_TRUE(b.IsLegalMove(Square::E8, Square::G8));
    // A black king on E1 may not use White's rights and rook.
    SetFen(b, "4K3/8/8/8/8/8/8/4k2R b K -");
    EXPECT_FALSE(b.IsLegalMove(Square::E1, Square::G1));
}

TEST(Legality, PinsAndKingsApart) {
    ChessBrdCore b;
    SetFen(b, "4r1k1/8/8/8/8/8/4B3/4K3 w - -");
    EXPECT_FALSE(b.IsLegalMove(Square::E2, Square::D3));  // pinned on the file
    SetFen(b, "6k1/8/8/8/8/2b5/3R4/4K3 w - -");
    EXPECT_FALSE(b.IsLegalMove(Square::D2, Square::D5));  // pinned on the diagonal
    EXPECT_TRUE(b.IsLegalMove(Square::E1, Square::F2));
    SetFen(b, "8/8/8/3k4/8/3K4/8/8 w - -");
    EXPECT_FALSE(b.IsLegalMove(Square::D3, Square::D4));
    EXPECT_FALSE(b.IsLegalMove(Square::D3, Square::E4));
    EXPECT_TRUE(b.IsLegalMove(Square::D3, Square::D2));
}

TEST(Legality, BoardWithoutKingUsesThePieceRulesOnly) {
    ChessBrdCore b;
    SetFen(b, "r3k3/8/8/8/8/8/8/R7 w - -");
    EXPECT_TRUE(b.IsLegalMove(Square::A1, Square::A8));
    for (int f = 1; f <= 64; ++f)
        for (int t = 1; t <= 64; ++t) ASSERT_FALSE(b.WhiteKingAttackedAfter(ToSquare(f), ToSquare(t)));
    EXPECT_TRUE(b.HasLegalMove());
}

TEST(Legality, PieceRulesCalledDirectly) {
    ChessBrdCore b;
    EXPECT_TRUE(b.ValidKnightMove(Square::B1, Square::C3));
    EXPECT_TRUE(b.ValidKnightMove(Square::B1, Square::D2));   // own piece: not the rule's business
    EXPECT_FALSE(b.ValidKnightMove(Square::H1, Square::A2));  // no wrap around the edge
    EXPECT_FALSE(b.ValidRookMove(Square::H2, Square::A3));
    EXPECT_FALSE(b.ValidBishopMove(Square::C1, Square::E3));  // blocked
    EXPECT_FALSE(b.ValidQueenMove(Square::D1, Square::D1));
    EXPECT_FALSE(b.ValidPawnMove(Square::E3, Square::E4));  // empty square
    EXPECT_FALSE(b.ValidKingMove(Square::None, Square::E2));
    EXPECT_FALSE(b.ValidBishopMove(ToSquare(77), Square::E2));
}

}  // namespace
}  // namespace tablerix::test
