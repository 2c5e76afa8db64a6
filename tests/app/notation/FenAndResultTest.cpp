// FEN of the shown position, the game's result and the moves of the record.
#include "FenWriter.h"
#include "GameResult.h"
#include "NotationTestSupport.h"
#include "RecordMoves.h"

#include <gtest/gtest.h>

namespace tablerix::test {
namespace {

void PlayAll(ChessBrdCore& board, std::initializer_list<const char*> moves) {
    for (const char* m : moves) ASSERT_TRUE(Play(board, M(m))) << m;
}

TEST(FenWriterTest, SideCastlingEnPassantAndCounters) {
    ChessBrdCore board;
    EXPECT_EQ(FenWriter::Write(board), FenWriter::kStart);
    PlayAll(board, {"e2e4"});
    EXPECT_EQ(FenWriter::Write(board), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    PlayAll(board, {"c7c5", "g1f3"});
    EXPECT_EQ(FenWriter::Write(board), "rnbqkbnr/pp1ppppp/8/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2");
    // Knights out and back: the clock runs; a capture resets it.
    PlayAll(board, {"b8c6", "f3g1", "c6b8", "g1f3", "g8f6"});
    EXPECT_EQ(FenWriter::Write(board), "rnbqkb1r/pp1ppppp/5n2/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 6 5");
    PlayAll(board, {"f1c4", "f6e4"});
    EXPECT_EQ(FenWriter::Write(board), "rnbqkb1r/pp1ppppp/8/2p5/2B1n3/5N2/PPPP1PPP/RNBQK2R w KQkq - 0 6");
    // Castling and a rook's move take rights away.
    PlayAll(board, {"e1g1", "h8g8"});
    EXPECT_EQ(FenWriter::Write(board), "rnbqkbr1/pp1ppppp/8/2p5/2B1n3/5N2/PPPP1PPP/RNBQ1RK1 w q - 2 7");
    // Stepping back gives the shown position with its own counters.
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(board.MoveBack());
    EXPECT_EQ(FenWriter::Write(board), "rnbqkb1r/pp1ppppp/5n2/2p5/2B1P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 7 5");
}

TEST(FenWriterTest, RightsNeedKingAndRookAtHome) {
    // The board may keep rights whose rook has gone (set through the property).
    ChessBrdCore board;
    SetFen(board, "r3k3/8/8/8/8/8/8/4K2R w KQkq - 0 1");
    EXPECT_EQ(FenWriter::Position(board.CurrentPosition()), "r3k3/8/8/8/8/8/8/4K2R w Kq -");
    // An en passant square without the pawn that passed it is not written.
    SetFen(board, "4k3/8/8/8/8/8/8/4K3 w - d6 0 1");
    EXPECT_EQ(FenWriter::Position(board.CurrentPosition()), "4k3/8/8/8/8/8/8/4K3 w - -");
}

TEST(GameResultTest, MateStalemateMaterialRepetitionOrUnfinished) {
    ChessBrdCore scholar;
    PlayAll(scholar, {"e2e4", "e7e5", "d1h5", "b8c6", "f1c4", "g8f6", "h5f7"});
    EXPECT_EQ(GameResult::Of(scholar), "1-0");
    ASSERT_TRUE(scholar.MoveBack());
    EXPECT_EQ(GameResult::Of(scholar), "*");  // the shown position counts

    ChessBrdCore fool;
    PlayAll(fool, {"f2f3", "e7e5", "g2g4", "d8h4"});
    EXPECT_EQ(GameResult::Of(fool), "0-1");

    ChessBrdCore board;
    SetFen(board, "7k/5Q2/6K1/8/8/8/8/8 b - - 0 1");
    EXPECT_EQ(GameResult::Of(board), "1/2-1/2");  // stalemate
    SetFen(board, "8/8/8/4k3/8/8/8/KN1N4 b - - 0 1");
    EXPECT_EQ(GameResult::Of(board), "1/2-1/2");  // two knights: 4 < 5
    SetFen(board, "8/8/8/4k3/8/8/8/KBN5 b - - 0 1");
    EXPECT_EQ(GameResult::Of(board), "*");  // bishop and knight: 5
    SetFen(board, "8/8/8/4k3/8/8/P7/K7 b - - 0 1");
    EXPECT_EQ(GameResult::Of(board), "*");  // a pawn weighs as a rook

    ChessBrdCore repeat;
    PlayAll(repeat, {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1"});
    EXPECT_EQ(GameResult::Of(repeat), "*");
    PlayAll(repeat, {"f6g8"});
    EXPECT_EQ(GameResult::Of(repeat), "1/2-1/2");
    EXPECT_TRUE(GameResult::IsResult("1/2-1/2"));
    EXPECT_FALSE(GameResult::IsResult("1/2"));
}

TEST(RecordMovesTest, MovesUpToTheShownPositionWithPromotionPieces) {
    ChessBrdCore board;
    SetFen(board, "4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
    PlayAll(board, {"b7b8n", "e8e7", "e1e2"});
    const std::vector<HalfMove> all = RecordMoves::UpToShown(board);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0], M("b7b8n"));  // the piece the next entry shows
    EXPECT_EQ(all[1], M("e8e7"));
    ASSERT_TRUE(board.MoveBack());
    EXPECT_EQ(RecordMoves::UpToShown(board).size(), 2u);
    EXPECT_EQ(RecordMoves::HalfMoveClock(board), 1);
    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_TRUE(RecordMoves::UpToShown(board).empty());
}

}  // namespace
}  // namespace tablerix::test
