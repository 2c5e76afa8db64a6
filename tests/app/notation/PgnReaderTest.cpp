// Reading the first game of users' PGN files, and replaying it on the rules.
#include "NotationTestSupport.h"
#include "PgnReader.h"
#include "PgnReplay.h"
#include "PgnWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace tablerix::test {
namespace {

std::vector<std::string> Texts(const PgnGameText& game) {
    std::vector<std::string> texts;
    for (const PgnMoveToken& t : game.Moves) texts.push_back(t.Text);
    return texts;
}

PgnGameText ReadOk(std::string_view text) {
    PgnReader::Result r = PgnReader::ReadFirstGame(text);
    EXPECT_TRUE(r.Ok()) << PgnReader::Describe(r.Fault);
    return r.Game;
}

TEST(PgnReaderTest, EveryToleratedConstruct) {
    const std::string text =
        "\xEF\xBB\xBF% an escape line, ignored\r\n"
        "[Event \"Open \\\"A\\\" \\\\ 2024\"]\r\n"
        "[Site \"Madrid\"] [Round \"3\"]\r\n"
        "[Black \"Ordenador (Normal)\"]\r\n"
        "[FEN \"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1\"]\r\n"
        "[SetUp \"1\"]\r\n"
        "\r\n"
        "{Primera nota\r\n en dos líneas} ; segunda nota  \r\n"
        "1. e4 $1 e5!? 2.Nf3 {after the first move (not notes} Nc6\r\n"
        "(2... d6 {nested (} 3. d4 (3. Bc4 Be7 ; a line comment )\r\n"
        " ) exd4) 3. Bb5 a6 4.Ba4 Nf6 5. 0-0 Be7 6. Re1 b5 7. Bb3 d6 8. c3 O-O\r\n"
        "% an escape line inside the movetext\r\n"
        "9. h3 9\xE2\x80\xA6Na5 10 . Bc2 10 ... c5 11. d4 Dc7 12. Nbd2 cxd4 13. cxd4 Nc6 ! 14. Nb3 a5\r\n"
        "15. Be3 a4 16. Nbd2 Bd7 17. Rc1 Qb7 ?? 18. e8d8 +- 1-0\r\n"
        "\r\n"
        "[Event \"Second game\"]\r\n1. d4 *\r\n";
    const PgnGameText game = ReadOk(text);
    ASSERT_EQ(game.Tags.size(), 6u);
    EXPECT_EQ(game.Tags[0].Name, "Event");
    EXPECT_EQ(game.Tags[0].Value, "Open \"A\" \\ 2024");
    EXPECT_EQ(*game.Tag("Round"), "3");
    EXPECT_EQ(*game.Tag("Black"), "Ordenador (Normal)");
    EXPECT_EQ(game.Notes, "Primera nota\n en dos líneas\nsegunda nota");
    const std::vector<std::string> expected = {"e4",  "e5!?", "Nf3", "Nc6",  "Bb5",  "a6",   "Ba4",  "Nf6", "0-0",
                                               "Be7", "Re1",  "b5",  "Bb3",  "d6",   "c3",   "O-O",  "h3",  "Na5",
                                               "Bc2", "c5",   "d4",  "Dc7",  "Nbd2", "cxd4", "cxd4", "Nc6", "Nb3",
                                               "a5",  "Be3",  "a4",  "Nbd2", "Bd7",  "Rc1",  "Qb7",  "e8d8"};
    EXPECT_EQ(Texts(game), expected);
    EXPECT_EQ(game.Moves[21].HalfMove, 22);
    EXPECT_EQ(game.Moves[21].MoveNumber(), 11);
    EXPECT_EQ(game.Result, "1-0");
    EXPECT_EQ(text.substr(game.Consumed - 3, 3), "1-0");

    // "Dc7" is Spanish for Qc7; "e8d8" is not a legal move for White.
    const PgnReplay::Result replay = PgnReplay::Run(game.Moves);
    EXPECT_FALSE(replay.Ok());
    EXPECT_EQ(replay.Moves.size(), 34u);
    EXPECT_EQ(replay.Moves[21], M("d8c7"));
    EXPECT_EQ(replay.ErrorHalfMove, 35);
    EXPECT_EQ(replay.Message(), "Error en la jugada 18: e8d8");
}

// Cut anywhere (inside a tag, a comment, a variation, a move), a file is read
// without going past its end, and whatever was read replays or stops cleanly.
TEST(PgnReaderTest, EveryCutOfAFileIsReadSafely) {
    const std::string text =
        "[Event \"E \\\"q\\\"\"]\n[Black \"Ordenador (F\xE1"
        "cil)\"]\n\n{n (a} ; l\n1. e4 $2 e5 (1... c5 {x} (1... d5)) "
        "2.Nf3 Nc6 } ) ] > 3...a6 0-0 \xC3\xA9 1/2-1/2";
    for (std::size_t n = 0; n <= text.size(); ++n) {
        const PgnReader::Result r = PgnReader::ReadFirstGame(std::string_view(text).substr(0, n));
        if (!r.Ok()) continue;
        EXPECT_LE(r.Game.Consumed, n);
        PgnReplay::Run(r.Game.Moves);
    }
}

TEST(PgnReaderTest, GameEndsAtResultNextTagsOrEndOfText) {
    EXPECT_EQ(Texts(ReadOk("1. e4 e5 *  2. Nf3")), (std::vector<std::string>{"e4", "e5"}));
    const std::string twoGames = "[Event \"a\"]\n\n1. e4 e5\n\n[Event \"b\"]\n\n1. d4 d5 *\n";
    const PgnGameText first = ReadOk(twoGames);
    EXPECT_EQ(Texts(first), (std::vector<std::string>{"e4", "e5"}));
    EXPECT_EQ(first.Result, "");
    EXPECT_EQ(twoGames.substr(first.Consumed, 12), "[Event \"b\"]\n");
    const PgnGameText open = ReadOk("e4 e5 Nf3");  // tolerant: no tags, no numbers, no end
    EXPECT_EQ(open.Moves.size(), 3u);
    EXPECT_EQ(open.Consumed, 9u);
    EXPECT_EQ(ReadOk("1.e4 e5 2.Nf3 Nc6 1/2-1/2").Result, "1/2-1/2");
    EXPECT_EQ(ReadOk("1. e4 0-1").Result, "0-1");
    // Tags without moves are a game with no moves.
    EXPECT_TRUE(ReadOk("[Event \"x\"]\n\n*").Moves.empty());
}

TEST(PgnReaderTest, RefusesWhatIsNoGameOrStartsElsewhere) {
    for (std::string_view text : {"", "  \n\t ", "Hola mundo", "{solo un comentario}", "\xEF\xBB\xBF"})
        EXPECT_EQ(PgnReader::ReadFirstGame(text).Fault, PgnReader::Error::NoGame) << text;
    // Numbers, symbols, results and brackets are no game on their own.
    for (std::string_view text : {"42", "555 1234", "?", "!!", "...", "-", ":-)", "[1]", "*", "1-0", "1. 2. *", "$1"})
        EXPECT_EQ(PgnReader::ReadFirstGame(text).Fault, PgnReader::Error::NoGame) << text;
    // NUL bytes: binary data, or text in UTF-16 or UTF-32.
    const std::string nul(1, '\0'), nuls(64 * 1024, '\0');
    const std::string utf16("1\0.\0 \0e\0004\0 \0*\0", 14), utf16Bom = "\xFF\xFE" + utf16;
    const std::string utf32(
        "1\0\0\0.\0\0\0 \0\0\0e\0\0\0"
        "4\0\0\0",
        20);
    for (const std::string& text : {nul, nuls, utf16, utf16Bom, "\xFE\xFF" + utf16, utf32, "1. e4 e5" + nul + " *"})
        EXPECT_EQ(PgnReader::ReadFirstGame(text).Fault, PgnReader::Error::NotText) << text.size();
    EXPECT_STREQ(PgnReader::Describe(PgnReader::Error::NotText), "El fichero no es texto");
    const auto notFromStart = [](std::string_view text) {
        return PgnReader::ReadFirstGame(text).Fault == PgnReader::Error::NotFromStart;
    };
    EXPECT_TRUE(notFromStart("[FEN \"8/8/8/4k3/8/8/8/4K3 w - - 0 1\"]\n\n1. Kd2 *"));
    EXPECT_TRUE(notFromStart("[FEN \"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1\"]\n\n*"));
    EXPECT_TRUE(notFromStart("[SetUp \"1\"]\n\n1. e4 *"));
    EXPECT_FALSE(notFromStart("[SetUp \"0\"]\n\n1. e4 *"));
    EXPECT_FALSE(notFromStart("[FEN \"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR  w KQkq -  0 1\"]\n\n*"));
    EXPECT_STREQ(PgnReader::Describe(PgnReader::Error::NotFromStart), "La partida no empieza en la posición inicial");
}

TEST(PgnReplayTest, FirstBadMoveGivesItsNumberAndText) {
    const auto error = [](std::string_view text) { return PgnReplay::Run(ReadOk(text).Moves).Message(); };
    EXPECT_EQ(error("1. e4 e5 2. Nf3 Nc6 3. Bb5 Nf3"), "Error en la jugada 3: Nf3");
    EXPECT_EQ(error("1. e4 Zz9"), "Error en la jugada 1: Zz9");
    EXPECT_EQ(error("1. Nf3 a6 2. d4 a5 3. Nd2"), "Error en la jugada 3: Nd2");  // ambiguous
    // Once a position stands for the third time the board takes no move.
    EXPECT_EQ(error("1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8 5. e4"), "Error en la jugada 5: e4");
    // A Latin-1 token is shown in UTF-8.
    EXPECT_EQ(error("1. e4 \xF1"
                    "a5"),
              "Error en la jugada 1: ña5");
    const PgnReplay::Result ok = PgnReplay::Run(ReadOk("1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 *").Moves);
    EXPECT_TRUE(ok.Ok());
    EXPECT_EQ(ok.Message(), "");
    EXPECT_EQ(ok.Moves.back(), M("a7a6"));
}

TEST(PgnReplayTest, AGameLongerThanTheBoardHoldsIsRefusedAsSuch) {
    // A game of 520 half-moves that never repeats a position.
    std::mt19937 rng(7);
    BoardPosition p;
    std::set<std::pair<std::string, bool>> seen{{p.Placement(), true}};
    std::string text;
    for (int ply = 0; ply < 520; ++ply) {
        std::vector<HalfMove> legal = p.LegalMoves();
        std::shuffle(legal.begin(), legal.end(), rng);
        const auto fresh = std::find_if(legal.begin(), legal.end(), [&](const HalfMove& m) {
            const BoardPosition next = p.After(m);
            return next.HasLegalMove() && !seen.count({next.Placement(), next.WhiteToMove()});
        });
        ASSERT_NE(fresh, legal.end()) << "ply " << ply;
        if (ply % 2 == 0) text += std::to_string(ply / 2 + 1) + ". ";
        text += San::Write(p, *fresh) + ' ';
        p = p.After(*fresh);
        seen.insert({p.Placement(), p.WhiteToMove()});
    }
    const PgnReplay::Result r = PgnReplay::Run(ReadOk(text + "*").Moves);
    EXPECT_EQ(r.Message(), "La partida es demasiado larga");
    EXPECT_EQ(r.Moves.size(), 2u * ChessBrdCore::kMaxMoves - 1);

    // A control character in a refused token is not echoed.
    EXPECT_EQ(PgnReplay::Run(ReadOk(std::string("1. e4 N\x01"
                                                "f9 *"))
                                 .Moves)
                  .Message(),
              "Error en la jugada 1: N?f9");
}

TEST(PgnReaderTest, Windows1252TextBecomesUtf8) {
    const PgnGameText game = ReadOk(
        "[Black \"Ordenador (F\xE1"
        "cil)\"]\n\n{Apertura espa\xF1ola \x93"
        "cerrada\x94}\n1. e4 *");
    EXPECT_EQ(*game.Tag("Black"), "Ordenador (Fácil)");
    EXPECT_EQ(game.Notes, "Apertura española “cerrada”");
}

// A database of 2,000 games (over 5 MB) opens by reading its first game only.
TEST(PgnReaderTest, StopsAfterTheFirstGameOfALargeDatabase) {
    std::mt19937 rng(99);
    ChessBrdCore board;
    PgnExport exported;
    exported.Moves = PlayRandomGame(board, rng, 300);
    exported.Notes = std::string(600, 'n');
    const std::string game = PgnWriter::Write(exported).value();
    std::string database;
    database.reserve(2000 * game.size());
    for (int i = 0; i < 2000; ++i) database += game;
    ASSERT_GT(database.size(), 5'000'000u);
    const PgnReader::Result r = PgnReader::ReadFirstGame(database);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.Game.Consumed, game.size() - 2);
    EXPECT_EQ(r.Game.Moves.size(), exported.Moves.size());
}

TEST(PgnReaderTest, FirstGameLongerThanOneMebibyteIsRefused) {
    const std::size_t limit = PgnReader::kMaxGameBytes;
    // Built by append: GCC 12 gives a false -Wrestrict for "{" + std::string(...).
    const std::string longNotes = std::string("{").append(limit, 'x').append("}\n1. e4 *");
    EXPECT_EQ(PgnReader::ReadFirstGame(longNotes).Fault, PgnReader::Error::TooLong);
    const std::string longVariation = "1. e4 (" + std::string(limit, ' ') + "1... d5) e5 *";
    EXPECT_EQ(PgnReader::ReadFirstGame(longVariation).Fault, PgnReader::Error::TooLong);
    std::string longMoves;
    while (longMoves.size() <= limit) longMoves += "1. Nf3 Nf6 2. Ng1 Ng8 ";
    EXPECT_EQ(PgnReader::ReadFirstGame(longMoves).Fault, PgnReader::Error::TooLong);
    // Only the first game counts, and the caller may hand just the first
    // kMaxGameBytes + 1 bytes of a file.
    const std::string shortThenLong = "1. e4 e5 *\n\n" + longNotes;
    EXPECT_TRUE(PgnReader::ReadFirstGame(shortThenLong).Ok());
    EXPECT_EQ(PgnReader::ReadFirstGame(std::string_view(longNotes).substr(0, limit + 1)).Fault,
              PgnReader::Error::TooLong);
    const std::string almost = std::string("{").append(limit - 20, 'x').append("} 1. e4 *");
    ASSERT_LE(almost.size(), limit);
    EXPECT_TRUE(PgnReader::ReadFirstGame(almost + std::string(limit, ' ')).Ok());
    EXPECT_EQ(PgnReader::ReadFirstGame(std::string(2 * limit, '\n')).Fault, PgnReader::Error::NoGame);
}

}  // namespace
}  // namespace tablerix::test
