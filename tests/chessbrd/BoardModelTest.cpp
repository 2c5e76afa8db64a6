// The board model: defaults, the position text, square arithmetic, property
// setters and which of them stop the engine or repaint.

#include "ChessBrdTestSupport.h"

#include <gtest/gtest.h>

namespace tablerix::test {
namespace {

using Lines = std::vector<std::string>;

TEST(BoardModel, Defaults) {
    RecordingBoard b;
    EXPECT_EQ(b.Position(), "rnbqkbnrpppppppp" + std::string(32, ' ') + "PPPPPPPPRNBQKBNR");
    EXPECT_EQ(b.CastlingAllowed(), CastleSet::All());
    EXPECT_EQ(b.CurrentMove(), 1);
    EXPECT_EQ(b.EnPassant(), Square::None);
    EXPECT_TRUE(b.WhiteToMove());
    EXPECT_EQ(b.PromotionPiece(), 'q');
    EXPECT_FALSE(b.GameOver());
    EXPECT_EQ(b.Version(), "");
    EXPECT_EQ(b.Board()[0], '_');
    EXPECT_EQ(b.Board()[65], '\0');
}

TEST(BoardModel, PositionText) {
    RecordingBoard b(true);
    for (const char* t : {"INIT", "NewGame", "init"}) {
        b.SetPosition("K");
        b.SetPosition(t);
        EXPECT_EQ(b.Position(), kStartPosition) << t;
    }
    b.SetPosition("initial");
    EXPECT_EQ(b.Position(), " n" + std::string(62, ' '));
    b.log.clear();
    b.SetPosition("K");
    EXPECT_EQ(b.Position(), "K" + std::string(63, ' '));
    EXPECT_EQ(b.log, (Lines{"StopThinking", "Paint"}));

    b.SetPosition(std::string(kStartPosition) + "QQQQQQ");  // 70 characters
    EXPECT_EQ(b.Position(), kStartPosition);
    std::string x = kStartPosition;
    x[9] = 'x';
    b.SetPosition(x);
    EXPECT_EQ(b.Board()[ToInt(Square::B7)], ' ');
    EXPECT_EQ(b.Board()[ToInt(Square::C7)], 'p');

    b.SetPosition(std::string("RN\0BQ", 5));  // a NUL ends the text
    EXPECT_EQ(b.Position(), "RN" + std::string(62, ' '));
    b.SetPosition("\xC3\xA9K\xFFk");  // bytes outside ASCII are blanks
    EXPECT_EQ(b.Position(), "  K k" + std::string(59, ' '));
    b.SetPosition(std::string("init\0", 5));  // not the keyword
    EXPECT_EQ(b.Position(), " n" + std::string(62, ' '));
    b.SetPosition("");
    EXPECT_EQ(b.Position(), std::string(64, ' '));
    EXPECT_EQ(b.Board()[65], '\0');
}

TEST(BoardModel, PositionLeavesTheRestOfTheModelAlone) {
    ChessBrdCore b;
    ASSERT_TRUE(b.PerformMove(Square::E2, Square::E4));
    b.SetPosition("init");
    EXPECT_FALSE(b.WhiteToMove());
    EXPECT_EQ(b.EnPassant(), Square::E3);
    EXPECT_EQ(b.CurrentMove(), 1);
    EXPECT_EQ(b.LastMove(), 1);
    EXPECT_FALSE(b.LastMoveWhite());
}

TEST(BoardModel, SquareArithmetic) {
    EXPECT_EQ(ChessBrdCore::SquareAt(0, 5), Square::None);
    EXPECT_EQ(ChessBrdCore::SquareAt(9, 1), Square::None);
    EXPECT_EQ(ChessBrdCore::SquareAt(1, 0), Square::None);
    EXPECT_EQ(ChessBrdCore::SquareAt(1, 1), Square::A1);
    EXPECT_EQ(ToInt(Square::A1), 57);
    EXPECT_EQ(ChessBrdCore::SquareAt(8, 8), Square::H8);
    EXPECT_EQ(ChessBrdCore::FileOf(Square::H1), 8);
    EXPECT_EQ(ChessBrdCore::RankOf(Square::H1), 1);
    EXPECT_EQ(ChessBrdCore::FileOf(Square::None), 0);
    EXPECT_EQ(ChessBrdCore::RankOf(ToSquare(200)), 0);
    for (int s = 1; s <= 64; ++s)
        ASSERT_EQ(ChessBrdCore::SquareAt(ChessBrdCore::FileOf(ToSquare(s)), ChessBrdCore::RankOf(ToSquare(s))),
                  ToSquare(s));

    EXPECT_EQ(ChessBrdCore::StrToSquare("e2"), Square::E2);
    EXPECT_EQ(ToInt(ChessBrdCore::StrToSquare("E2")), 53);
    for (const char* bad : {"e9", "i1", "e", "e22", "", "\xC3\xA9", "2e", "a0"})
        EXPECT_EQ(ChessBrdCore::StrToSquare(bad), Square::None) << bad;
    EXPECT_EQ(ChessBrdCore::StrToSquare(std::string("a\0", 2)), Square::None);
}

TEST(BoardModel, PieceColor) {
    ChessBrdCore b;
    b.SetPosition("Kq ");
    EXPECT_EQ(b.PieceColor(Square::A8), 1);
    EXPECT_EQ(b.PieceColor(Square::B8), 0);
    EXPECT_EQ(b.PieceColor(Square::C8), -1);
    EXPECT_EQ(b.PieceColor(Square::None), -1);
    EXPECT_EQ(b.PieceColor(ToSquare(65)), -1);
    EXPECT_EQ(b.PieceColor(ToSquare(255)), -1);
}

TEST(BoardModel, SettersAndTheEngineSeams) {
    RecordingBoard b(true);
    b.log.clear();
    b.SetEnPassant(Square::E6);
    EXPECT_EQ(b.EnPassant(), Square::E6);
    EXPECT_EQ(b.log, (Lines{"StopThinking"}));
    b.log.clear();
    for (Square s : {Square::E5, Square::None, Square::A1, ToSquare(99)}) b.SetEnPassant(s);
    EXPECT_EQ(b.EnPassant(), Square::E6);
    EXPECT_TRUE(b.log.empty()) << "ignored values do not stop the engine";
    b.SetEnPassant(Square::H3);
    EXPECT_EQ(b.EnPassant(), Square::H3);

    b.log.clear();
    b.SetCurrentMove(10);
    b.SetVersion("9.9");
    b.SetCastlingAllowed(CastleSet{CanStillCastle::BlackKingSide});
    EXPECT_TRUE(b.log.empty());
    EXPECT_EQ(b.CurrentMove(), 1);
    EXPECT_EQ(b.Version(), "");
    EXPECT_EQ(b.CastlingAllowed(), CastleSet{CanStillCastle::BlackKingSide});

    b.SetWhiteToMove(false);
    EXPECT_EQ(b.log, (Lines{"StopThinking"}));
}

// Keeps a copy of the model each time the core says it has changed, as the
// engine board publishes it for the worker.
class PublishingBoard : public ChessBrdCore {
public:
    PositionSnapshot published;
    int publications = 0;

protected:
    void PositionChanged() override {
        published = MakeSnapshot();
        ++publications;
    }
};

TEST(BoardModel, SnapshotFollowsEveryWriter) {
    PublishingBoard b;
    b.ResetGame();
    auto same = [&b] {
        const PositionSnapshot& s = b.published;
        return std::string(s.Squares.data(), 64) == b.Position() && s.WhiteToMove == b.WhiteToMove() &&
               s.Castling == b.CastlingAllowed() && s.EnPassant == b.EnPassant();
    };
    EXPECT_TRUE(same());
    b.SetPosition("K");
    EXPECT_TRUE(same());
    b.SetWhiteToMove(false);
    EXPECT_TRUE(same());
    b.SetEnPassant(Square::C3);
    EXPECT_TRUE(same());
    b.SetCastlingAllowed(CastleSet{});
    EXPECT_TRUE(same());
    b.ResetGame();
    EXPECT_TRUE(same());
    ASSERT_TRUE(b.PerformMove(Square::E2, Square::E4));
    EXPECT_TRUE(same());
    ASSERT_TRUE(b.MoveBack());
    EXPECT_TRUE(same());

    const int before = b.publications;
    EXPECT_FALSE(b.PerformMove(Square::E7, Square::E5));  // Black's pawn, White to move
    EXPECT_EQ(b.publications, before) << "a refused move changes nothing";
}

TEST(BoardModel, SnapshotSeenByHandlersIsTheWholeMove) {
    PublishingBoard b;
    SetFen(b, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    std::string atLegalMove, atPaint;
    b.OnLegalMove = [&](ChessBrdCore&, Square, Square) { atLegalMove = std::string(b.published.Squares.data(), 64); };
    b.OnPaint = [&](ChessBrdCore&) { atPaint = std::string(b.published.Squares.data(), 64); };
    const std::string before = b.Position();
    ASSERT_TRUE(b.PerformMove(Square::E1, Square::G1));
    EXPECT_EQ(atLegalMove, before) << "the king alone must not be published";
    EXPECT_EQ(atPaint, b.Position());
}

}  // namespace
}  // namespace tablerix::test
