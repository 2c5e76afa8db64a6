// Export then import: long random games come back move for move, with the
// same positions, notes, clocks and Black's player.
#include "GameResult.h"
#include "NotationTestSupport.h"
#include "PgnReader.h"
#include "PgnReplay.h"
#include "PgnTagValues.h"
#include "PgnWriter.h"
#include "RecordMoves.h"

#include <gtest/gtest.h>

namespace tablerix::test {
namespace {

// Every record entry up to the end: placement, rights, en passant square.
void ExpectSameRecord(const ChessBrdCore& a, const ChessBrdCore& b) {
    ASSERT_EQ(a.LastMove(), b.LastMove());
    ASSERT_EQ(a.LastMoveWhite(), b.LastMoveWhite());
    for (int move = 1; move <= a.LastMove(); ++move) {
        for (bool white : {true, false}) {
            if (move == a.LastMove() && !white && a.LastMoveWhite()) break;
            const MoveInfo &x = a.History(move, white), &y = b.History(move, white);
            ASSERT_EQ(x.PositionString, y.PositionString) << move << white;
            ASSERT_EQ(x.Castling, y.Castling) << move << white;
            ASSERT_EQ(x.EnPassantSq, y.EnPassantSq) << move << white;
        }
    }
}

TEST(PgnRoundTripTest, LongRandomGamesComeBackUnchanged) {
    std::mt19937 rng(1234);
    int halfMoves = 0, promotions = 0, castlings = 0;
    for (int g = 0; g < 14; ++g) {
        ChessBrdCore played;
        PgnExport game;
        game.Date = {2020 + g, 1 + g % 12, 1 + g};
        game.Black = PgnTagValues::BlackText(g % 4 != 3, g % 3);
        game.WhiteClock = {g, 7 * g % 60, 59 - g};
        game.BlackClock = {0, g, 2 * g};
        game.GameClock = {g + 1, 0, 0};
        game.Notes =
            "Partida " + std::to_string(g) + " {con llaves}\n  % no es escape\n[Event \"x\"] ; (" + (g % 2 ? "\n" : "");
        game.Moves = PlayRandomGame(played, rng, 400);
        // Stepping back exports the moves up to the shown position only.
        if (g % 5 == 4) {
            played.MoveBack();
            game.Moves = RecordMoves::UpToShown(played);
        }

        const std::optional<std::string> text = PgnWriter::Write(game);
        ASSERT_TRUE(text);
        const PgnReader::Result read = PgnReader::ReadFirstGame(*text);
        ASSERT_TRUE(read.Ok());
        ChessBrdCore loaded;
        const PgnReplay::Result replay = PgnReplay::Run(read.Game.Moves, loaded);
        ASSERT_TRUE(replay.Ok()) << replay.Message();

        ASSERT_EQ(replay.Moves.size(), game.Moves.size());
        for (std::size_t i = 0; i < game.Moves.size(); ++i) {
            const HalfMove& m = game.Moves[i];
            EXPECT_EQ(replay.Moves[i], m) << i;
            promotions += m.Promotion != 0;
            const int fileStep = std::abs(ChessBrdCore::FileOf(m.From) - ChessBrdCore::FileOf(m.To));
            castlings += (m.From == Square::E1 || m.From == Square::E8) && fileStep == 2 &&
                         read.Game.Moves[i].Text.starts_with("O-O");
        }
        if (g % 5 == 4) {
            // Compare with the game cut at the shown position.
            ChessBrdCore cut;
            for (const HalfMove& m : game.Moves) ASSERT_TRUE(Play(cut, m));
            ExpectSameRecord(cut, loaded);
        } else {
            ExpectSameRecord(played, loaded);
        }
        halfMoves += static_cast<int>(game.Moves.size());

        EXPECT_EQ(read.Game.Notes, PgnWriter::CommentText(game.Notes));
        EXPECT_EQ(read.Game.Result, GameResult::Of(loaded));
        EXPECT_EQ(*read.Game.Tag("Result"), read.Game.Result);
        EXPECT_EQ(*read.Game.Tag("PlyCount"), std::to_string(game.Moves.size()));
        EXPECT_EQ(PgnTagValues::ParseClock(*read.Game.Tag("WhiteClock")), game.WhiteClock);
        EXPECT_EQ(PgnTagValues::ParseClock(*read.Game.Tag("BlackClock")), game.BlackClock);
        EXPECT_EQ(PgnTagValues::ParseClock(*read.Game.Tag("GameClock")), game.GameClock);
        const BlackPlayer black = PgnTagValues::ParseBlack(*read.Game.Tag("Black"));
        EXPECT_EQ(black.Computer, g % 4 != 3);
        EXPECT_EQ(black.Difficulty, black.Computer ? g % 3 : -1);
        EXPECT_EQ(read.Game.Consumed + 2, text->size());
    }
    RecordProperty("halfMoves", halfMoves);
    RecordProperty("promotions", promotions);
    RecordProperty("castlings", castlings);
    EXPECT_GT(halfMoves, 3000);
    EXPECT_GT(promotions, 10);
    EXPECT_GT(castlings, 5);
}

}  // namespace
}  // namespace tablerix::test
