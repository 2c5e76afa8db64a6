// PGN export format: tags, notes comment, movetext lines, result.
#include "NotationTestSupport.h"
#include "PgnReader.h"
#include "PgnTagValues.h"
#include "PgnWriter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tablerix::test {
namespace {

std::vector<HalfMove> Moves(std::initializer_list<const char*> list) {
    std::vector<HalfMove> moves;
    for (const char* m : list) moves.push_back(M(m));
    return moves;
}

TEST(PgnWriterTest, ExportFormatOfAShortGame) {
    PgnExport game;
    game.Date = {2024, 3, 9};
    game.Black = PgnTagValues::BlackText(true, 2);
    game.WhiteClock = {0, 0, 12};
    game.BlackClock = {0, 0, 15};
    game.GameClock = {0, 0, 27};
    game.Notes = "Apertura {rápida}\r\nsegunda línea";
    game.Moves = Moves({"e2e4", "e7e5", "d1h5", "b8c6", "f1c4", "g8f6", "h5f7"});
    EXPECT_EQ(PgnWriter::Write(game),
              "[Event \"Partida de Tablerix\"]\n"
              "[Site \"?\"]\n"
              "[Date \"2024.03.09\"]\n"
              "[Round \"-\"]\n"
              "[White \"Jugador\"]\n"
              "[Black \"Ordenador (Difícil)\"]\n"
              "[Result \"1-0\"]\n"
              "[BlackClock \"0:00:15\"]\n"
              "[GameClock \"0:00:27\"]\n"
              "[PlyCount \"7\"]\n"
              "[TimeControl \"-\"]\n"
              "[WhiteClock \"0:00:12\"]\n"
              "\n"
              "{Apertura (rápida)\nsegunda línea}\n"
              "1. e4 e5 2. Qh5 Nc6 3. Bc4 Nf6 4. Qxf7# 1-0\n"
              "\n");
}

TEST(PgnWriterTest, EmptyGameResultsAndEscapes) {
    PgnExport game;
    game.Black = "a \"b\" \\";
    const std::string empty = PgnWriter::Write(game).value();
    EXPECT_NE(empty.find("[Date \"????.??.??\"]\n"), std::string::npos);
    EXPECT_NE(empty.find("[Black \"a \\\"b\\\" \\\\\"]\n"), std::string::npos);
    EXPECT_NE(empty.find("[PlyCount \"0\"]\n"), std::string::npos);
    EXPECT_TRUE(empty.ends_with("\"]\n\n*\n\n"));
    // A result given is written; anything else is worked out from the moves.
    game.Moves = Moves({"f2f3", "e7e5", "g2g4", "d8h4"});
    EXPECT_TRUE(PgnWriter::Write(game)->ends_with("\n\n1. f3 e5 2. g4 Qh4# 0-1\n\n"));
    game.Result = "1/2-1/2";
    EXPECT_TRUE(PgnWriter::Write(game)->ends_with("Qh4# 1/2-1/2\n\n"));
    game.Result = "draw";
    EXPECT_TRUE(PgnWriter::Write(game)->ends_with("Qh4# 0-1\n\n"));
    // A move the board would refuse: nothing is written.
    game.Moves.push_back(M("e1e2"));
    EXPECT_FALSE(PgnWriter::Write(game));

    // Nor a text the reader would refuse as too long: a save must load again.
    game.Moves.pop_back();
    game.Notes.assign(PgnReader::kMaxGameBytes - 400, 'a');
    const std::optional<std::string> largest = PgnWriter::Write(game);
    ASSERT_TRUE(largest);
    EXPECT_TRUE(PgnReader::ReadFirstGame(*largest).Ok());
    game.Notes.append(400, 'a');
    EXPECT_FALSE(PgnWriter::Write(game));
}

TEST(PgnWriterTest, LongGameLinesStayBelowEightyColumns) {
    std::mt19937 rng(7);
    ChessBrdCore board;
    PgnExport game;
    game.Moves = PlayRandomGame(board, rng, 300);
    game.Notes = std::string(120, 'n') + "\n" + "corta";
    const std::string text = PgnWriter::Write(game).value();
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");
    std::istringstream lines(text);
    std::string line;
    int movetextLines = 0, number = 0;
    bool inNotes = false;
    while (std::getline(lines, line)) {
        if (line.starts_with("{")) inNotes = true;
        if (!inNotes && !line.starts_with("[") && !line.empty()) {
            EXPECT_LT(line.size(), 80u) << line;
            ++movetextLines;
            // Move numbers run on without gaps across lines.
            std::istringstream tokens(line);
            std::string token;
            while (tokens >> token) {
                if (token.back() == '.') {
                    EXPECT_EQ(token, std::to_string(++number) + ".");
                }
            }
        }
        if (line.ends_with("}")) inNotes = false;
    }
    EXPECT_EQ(number, static_cast<int>(game.Moves.size() + 1) / 2);
    EXPECT_GT(movetextLines, 15);
    EXPECT_NE(text.find("\n{" + std::string(120, 'n') + "\ncorta}\n1. "), std::string::npos);  // notes kept whole
}

}  // namespace
}  // namespace tablerix::test
