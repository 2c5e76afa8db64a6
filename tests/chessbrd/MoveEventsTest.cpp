// PerformMove: side effects of each kind of move, the order of its events and
// of the view and engine seam calls, and the end-of-game tests.

#include "ChessBrdTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tablerix::test {
namespace {

using Log = std::vector<std::string>;

TEST(MoveEvents, ScholarsMate) {
    RecordingBoard b;
    ASSERT_TRUE(b.Play({"e2e4", "e7e5", "d1h5", "b8c6", "f1c4", "g8f6"}));
    b.log.clear();
    ASSERT_TRUE(b.Play({"h5f7"}));
    EXPECT_EQ(b.log, (Log{"LegalMove(h5,f7)", "Capture(h5,f7,p)", "Check(h5,f7)", "Mate(h5,f7)", "Paint"}));
    EXPECT_TRUE(b.gameOverSeenInHandler);
    EXPECT_TRUE(b.GameOver());
    b.log.clear();
    EXPECT_FALSE(b.PerformMove(Square::E8, Square::F7));  // refused: clears GameOver, fires nothing
    EXPECT_FALSE(b.GameOver());
    EXPECT_TRUE(b.log.empty());
}

TEST(MoveEvents, MateWithoutHandlerLeavesGameOverClear) {
    ChessBrdCore b;
    for (auto [f, t] : {std::pair{"f2", "f3"}, {"e7", "e5"}, {"g2", "g4"}, {"d8", "h4"}})
        ASSERT_TRUE(b.PerformMove(Sq(f), Sq(t)));
    EXPECT_FALSE(b.GameOver());
    EXPECT_FALSE(b.HasLegalMove());
}

TEST(MoveEvents, CastlingMovesTheRookAndDropsTheRights) {
    RecordingBoard b(true);
    SetFen(b, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    b.log.clear();
    ASSERT_TRUE(b.PerformMove(Square::E1, Square::G1));
    EXPECT_EQ(b.log,
              (Log{"RepaintSquare(e1)", "SlidePiece(e1,g1)", "RepaintSquare(g1)", "DrawPiece(g1,K)", "DrawGrid",
                   "LegalMove(e1,g1)", "RepaintSquare(h1)", "DrawPiece(f1,R)", "DrawGrid", "Castle(e1,g1)", "Paint"}));
    EXPECT_EQ(b.Position().substr(56), "R    RK ");
    EXPECT_EQ(b.CastlingAllowed(), (CastleSet{CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide}));

    b.log.clear();
    ASSERT_TRUE(b.PerformMove(Square::E8, Square::C8));
    EXPECT_EQ(b.Position().substr(0, 8), "  kr   r");
    EXPECT_TRUE(b.CastlingAllowed().Empty());
    EXPECT_EQ(b.log[5], "LegalMove(e8,c8)");
    EXPECT_EQ(b.log[9], "Castle(e8,c8)");

    RecordingBoard c;
    SetFen(c, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    ASSERT_TRUE(c.Play({"e1c1", "e8g8"}));
    EXPECT_EQ(c.Position().substr(0, 8), "r    rk ");
    EXPECT_EQ(c.Position().substr(56), "  KR   R");
    EXPECT_EQ(c.log, (Log{"LegalMove(e1,c1)", "Castle(e1,c1)", "Paint", "LegalMove(e8,g8)", "Castle(e8,g8)", "Paint"}));
}

TEST(MoveEvents, CheckGivenByTheCastledRook) {
    RecordingBoard b;
    SetFen(b, "5k2/8/8/8/8/8/8/4K2R w K -");
    ASSERT_TRUE(b.Play({"e1g1"}));
    EXPECT_EQ(b.log, (Log{"LegalMove(e1,g1)", "Castle(e1,g1)", "Check(e1,g1)", "Paint"}));
}

TEST(MoveEvents, EnPassantCapture) {
    RecordingBoard b(true);
    SetFen(b, "4k3/3p4/8/4P3/8/8/8/4K3 b - -");
    ASSERT_TRUE(b.Play({"d7d5"}));
    EXPECT_EQ(b.EnPassant(), Square::D6);
    b.log.clear();
    ASSERT_TRUE(b.Play({"e5d6"}));
    EXPECT_EQ(b.log, (Log{"RepaintSquare(e5)", "SlidePiece(e5,d6)", "RepaintSquare(d6)", "DrawPiece(d6,P)", "DrawGrid",
                          "LegalMove(e5,d6)", "Capture(e5,d6,p)", "RepaintSquare(d5)", "DrawGrid", "Paint"}));
    EXPECT_EQ(b.Board()[ToInt(Square::D5)], ' ');
    EXPECT_EQ(b.EnPassant(), Square::None);
}

TEST(MoveEvents, AnyOtherMoveClearsTheEnPassantSquare) {
    ChessBrdCore b;
    SetFen(b, "4k3/3p4/8/4P3/8/8/8/4K3 b - -");
    ASSERT_TRUE(b.PerformMove(Square::D7, Square::D5));
    ASSERT_TRUE(b.PerformMove(Square::E1, Square::E2));
    EXPECT_EQ(b.EnPassant(), Square::None);
}

TEST(MoveEvents, EnPassantSetByPropertyNeverTakesAWrongPiece) {
    RecordingBoard b;
    SetFen(b, "4k3/8/8/3PN3/8/8/8/4K3 w - e6");  // a white knight behind the square
    ASSERT_TRUE(b.Play({"d5e6"}));
    EXPECT_EQ(b.Board()[ToInt(Square::E5)], 'N');
    EXPECT_EQ(b.log, (Log{"LegalMove(d5,e6)", "Paint"}));
}

TEST(MoveEvents, PromotionKeepsTheChosenPiece) {
    RecordingBoard b;
    b.OnPromotion = nullptr;
    SetFen(b, "1r2k3/P7/8/8/8/8/7p/4K3 w - -");
    ASSERT_TRUE(b.Play({"a7a8"}));
    EXPECT_EQ(b.Board()[ToInt(Square::A8)], 'Q');

    RecordingBoard c;
    c.promoteTo = 'n';
    SetFen(c, "1r2k3/P7/8/8/8/8/7p/4K3 w - -");
    ASSERT_TRUE(c.Play({"a7b8"}));
    EXPECT_EQ(c.log, (Log{"LegalMove(a7,b8)", "Capture(a7,b8,r)", "Promotion(a7,b8,q)", "Paint"}));
    EXPECT_EQ(c.Board()[ToInt(Square::B8)], 'N');
    EXPECT_EQ(c.PromotionPiece(), 'n');
    c.OnPromotion = nullptr;
    ASSERT_TRUE(c.Play({"h2h1"}));
    EXPECT_EQ(c.Board()[ToInt(Square::H1)], 'n');
}

TEST(MoveEvents, PromotionToANonPieceLetterGivesAQueen) {
    RecordingBoard b;
    b.promoteTo = 'x';
    SetFen(b, "4k3/P7/8/8/8/8/8/4K3 w - -");
    ASSERT_TRUE(b.Play({"a7a8"}));
    EXPECT_EQ(b.Board()[ToInt(Square::A8)], 'Q');
    b.promoteTo = '\0';
    b.SetPromotionPiece('\0');
    SetFen(b, "4k3/P7/8/8/8/8/8/4K3 w - -");
    ASSERT_TRUE(b.Play({"a7a8"}));
    EXPECT_EQ(b.Board()[ToInt(Square::A8)], 'Q');
    EXPECT_EQ(b.Position().size(), 64u);
}

TEST(MoveEvents, Stalemate) {
    RecordingBoard b;
    SetFen(b, "7k/8/5Q2/8/8/8/8/K7 w - -");
    ASSERT_TRUE(b.Play({"f6g6"}));
    EXPECT_EQ(b.log, (Log{"LegalMove(f6,g6)", "StaleMate(f6,g6)", "Draw", "Paint"}));
    EXPECT_TRUE(b.GameOver());

    ChessBrdCore quiet;  // no OnDraw: GameOver stays clear
    SetFen(quiet, "7k/8/5Q2/8/8/8/8/K7 w - -");
    ASSERT_TRUE(quiet.PerformMove(Square::F6, Square::G6));
    EXPECT_FALSE(quiet.GameOver());
}

TEST(MoveEvents, InsufficientMaterial) {
    RecordingBoard knight;
    SetFen(knight, "4k3/8/8/8/8/5r2/8/4K1N1 w - -");
    ASSERT_TRUE(knight.Play({"g1f3"}));
    EXPECT_EQ(knight.log, (Log{"LegalMove(g1,f3)", "Capture(g1,f3,r)", "NoMatingMaterial", "Draw", "Paint"}));

    RecordingBoard bishopKnight;
    SetFen(bishopKnight, "4k3/8/8/8/8/5r2/8/2B1K1N1 w - -");
    ASSERT_TRUE(bishopKnight.Play({"g1f3"}));
    EXPECT_EQ(bishopKnight.log, (Log{"LegalMove(g1,f3)", "Capture(g1,f3,r)", "Paint"}));

    RecordingBoard twoKnights;
    SetFen(twoKnights, "4k3/8/8/8/8/5r2/8/1N2K1N1 w - -");
    ASSERT_TRUE(twoKnights.Play({"g1f3"}));
    EXPECT_EQ(twoKnights.log.at(2), "NoMatingMaterial");

    RecordingBoard pawn;  // a single pawn is enough material
    SetFen(pawn, "4k3/8/8/8/8/5r2/P7/4K1N1 w - -");
    ASSERT_TRUE(pawn.Play({"g1f3"}));
    EXPECT_EQ(pawn.log.size(), 3u);
}

TEST(MoveEvents, ThreefoldRepetitionStopsEveryMove) {
    RecordingBoard b;
    ASSERT_TRUE(b.Play({"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1"}));
    EXPECT_FALSE(b.IsThreefoldRepetition());
    b.log.clear();
    ASSERT_TRUE(b.Play({"f6g8"}));
    EXPECT_EQ(b.log, (Log{"LegalMove(f6,g8)", "ThreefoldPosition", "Draw", "Paint"}));
    EXPECT_TRUE(b.IsThreefoldRepetition());
    for (int f = 0; f <= 65; ++f)
        for (int t = 0; t <= 65; ++t) ASSERT_FALSE(b.IsLegalMove(ToSquare(f), ToSquare(t)));
    EXPECT_TRUE(b.HasLegalMove());
    EXPECT_FALSE(b.PerformMove(Square::G1, Square::F3));
    ASSERT_TRUE(b.MoveBack());
    EXPECT_TRUE(b.IsLegalMove(Square::F6, Square::G8));
}

TEST(MoveEvents, CastlingRightsFollowTheCornerSquares) {
    ChessBrdCore b;
    SetFen(b, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    ASSERT_TRUE(b.PerformMove(Square::H1, Square::H8));  // takes the rook: both king sides go
    EXPECT_EQ(b.CastlingAllowed(), (CastleSet{CanStillCastle::WhiteQueenSide, CanStillCastle::BlackQueenSide}));
    SetFen(b, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    ASSERT_TRUE(b.PerformMove(Square::A1, Square::A2));
    EXPECT_FALSE(b.CastlingAllowed().Contains(CanStillCastle::WhiteQueenSide));
    EXPECT_TRUE(b.CastlingAllowed().Contains(CanStillCastle::WhiteKingSide));
    SetFen(b, "r3k2r/8/8/8/8/8/8/R2Q2KR w KQkq -");
    ASSERT_TRUE(b.PerformMove(Square::D1, Square::E1));  // onto E1: both White rights go
    EXPECT_EQ(b.CastlingAllowed(), (CastleSet{CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide}));
}

TEST(MoveEvents, RefusedMoveChangesNothing) {
    RecordingBoard b;
    ASSERT_TRUE(b.Play({"e2e4"}));
    b.log.clear();
    std::vector<std::string> before, after;
    b.GetMoveList(before);
    EXPECT_FALSE(b.PerformMove(Square::D2, Square::D4));  // White's piece, Black to move
    b.GetMoveList(after);
    EXPECT_TRUE(b.log.empty());
    EXPECT_EQ(before, after);
    EXPECT_EQ(b.CurrentMove(), 1);
    EXPECT_FALSE(b.WhiteToMove());
    EXPECT_EQ(b.LastMove(), 1);
    EXPECT_FALSE(b.LastMoveWhite());
}

TEST(MoveEvents, MakeMoveWrapsTheEngineAndOffersEveryMoveToSlide) {
    RecordingBoard b(true);
    b.log.clear();
    ASSERT_TRUE(b.MakeMove(Square::E2, Square::E4));
    EXPECT_EQ(b.log.front(), "StopThinking");
    EXPECT_EQ(b.log.back(), "StartThinking");
    EXPECT_EQ(std::count(b.log.begin(), b.log.end(), "SlidePiece(e2,e4)"), 1);
    b.log.clear();
    EXPECT_FALSE(b.MakeMove(Square::E1, Square::E1));
    EXPECT_EQ(b.log, (Log{"StopThinking", "StartThinking"}));
}

TEST(MoveEvents, LegalMoveHandlerSeesTheRecordEndAfterTheMove) {
    ChessBrdCore b;
    std::vector<std::string> seen;
    bool whiteToMove = true;
    b.OnLegalMove = [&](ChessBrdCore& s, Square, Square) {
        s.GetMoveList(seen);
        whiteToMove = s.WhiteToMove();
    };
    ASSERT_TRUE(b.PerformMove(Square::E2, Square::E4));
    EXPECT_EQ(seen, (Log{"1. E2-E4"}));
    EXPECT_FALSE(whiteToMove);
}

}  // namespace
}  // namespace tablerix::test
