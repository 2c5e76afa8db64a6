// Standard Algebraic Notation: writing tricky moves, reading users' forms.
#include "FenWriter.h"
#include "NotationTestSupport.h"
#include "San.h"

#include <gtest/gtest.h>

namespace tablerix::test {
namespace {

std::string Write(const std::string& fen, const std::string& move) { return San::Write(FenState(fen), M(move)); }

HalfMove Read(const BoardPosition& p, const std::string& token) {
    const San::Reading r = San::Read(p, token);
    EXPECT_TRUE(r.Ok()) << token << ": " << San::Describe(r.Fault);
    return r.Move;
}

TEST(SanWrite, DisambiguatesByFileThenRankThenBoth) {
    // Knights on d2 and g1 both reach f3: by file. On g1 and g5: by rank.
    EXPECT_EQ(Write("4k3/8/8/8/8/8/3N4/4K1N1 w - - 0 1", "g1f3"), "Ngf3");
    EXPECT_EQ(Write("4k3/8/8/8/8/8/3N4/4K1N1 w - - 0 1", "d2f3"), "Ndf3");
    EXPECT_EQ(Write("4k3/8/8/6N1/8/8/8/4K1N1 w - - 0 1", "g5f3"), "N5f3");
    EXPECT_EQ(Write("4k3/8/8/6N1/8/8/8/4K1N1 w - - 0 1", "g1h3"), "N1h3");
    // Rooks on a1 and h1 to d1; on a1 and a5 to a3.
    EXPECT_EQ(Write("4k3/8/8/8/8/8/4K3/R6R w - - 0 1", "a1d1"), "Rad1");
    EXPECT_EQ(Write("4k3/8/8/8/8/8/8/R3K2R w - - 0 1", "a1d1"), "Rd1");  // the king blocks the other
    EXPECT_EQ(Write("4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a5a3"), "R5a3");
    EXPECT_EQ(Write("4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a1a2"), "R1a2");
    // Three queens on a1, c1 and a3 reaching b2: both, file, rank.
    const std::string queens = "4k3/8/8/8/8/Q7/8/Q1Q4K w - - 0 1";
    EXPECT_EQ(Write(queens, "a1b2"), "Qa1b2");
    EXPECT_EQ(Write(queens, "c1b2"), "Qcb2");
    EXPECT_EQ(Write(queens, "a3b2"), "Q3b2");
    // A piece that only seems to compete: the knight on c3 is pinned.
    EXPECT_EQ(Write("4k3/8/8/b7/8/2N5/8/4K1N1 w - - 0 1", "g1e2"), "Ne2");
    // Captures by a black piece and a capture that needs the file.
    EXPECT_EQ(Write("4k3/8/8/8/8/2n5/8/1N2K1n1 b - - 0 1", "g1e2"), "Nge2");
    EXPECT_EQ(Write("r6r/4k3/8/8/8/8/8/4K3 b - - 0 1", "a8d8"), "Rad8");
}

TEST(SanWrite, PawnsCapturesPromotionsCastlingAndChecks) {
    EXPECT_EQ(Write(FenWriter::kStart, "e2e4"), "e4");
    // En passant and a pawn capture next to a bishop taking on the same square.
    EXPECT_EQ(Write("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "e5d6"), "exd6");
    const std::string c3 = "4k3/8/8/8/8/2n5/1P1B4/4K3 w - - 0 1";
    EXPECT_EQ(Write(c3, "b2c3"), "bxc3");
    EXPECT_EQ(Write(c3, "d2c3"), "Bxc3");
    // Promotion with capture and check, and an under-promotion without check.
    const std::string promo = "4k2r/6P1/8/8/8/8/8/4K3 w - - 0 1";
    EXPECT_EQ(Write(promo, "g7h8q"), "gxh8=Q+");
    EXPECT_EQ(Write(promo, "g7h8n"), "gxh8=N");
    EXPECT_EQ(Write(promo, "g7h8"), "gxh8=Q+");  // no piece given: a queen, as the board does
    EXPECT_EQ(Write("4k3/8/8/8/8/8/3p3K/8 b - - 0 1", "d2d1r"), "d1=R");
    // Castling, with the rook giving check.
    EXPECT_EQ(Write("5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1g1"), "O-O+");
    EXPECT_EQ(Write("3k4/8/8/8/8/8/8/R3K3 w Q - 0 1", "e1c1"), "O-O-O+");
    EXPECT_EQ(Write("r3k3/8/8/8/8/8/8/4K3 b q - 0 1", "e8c8"), "O-O-O");
    // Mate, and not mate when the king can take the checker.
    EXPECT_EQ(Write("r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4", "h5f7"), "Qxf7#");
    EXPECT_EQ(Write("r1bqkb1r/pppp1ppp/2n2n2/4p2Q/4P3/8/PPPP1PPP/RNB1KBNR w KQkq - 4 4", "h5f7"), "Qxf7+");
    EXPECT_EQ(Write("8/8/8/4k3/4p3/8/3P4/4K3 w - - 0 1", "d2d4"), "d4+");
    // Not legal: no text.
    EXPECT_EQ(Write(FenWriter::kStart, "e2e5"), "");
}

TEST(SanRead, ToleratedForms) {
    const BoardPosition start;
    for (const char* token : {"e4", "e2e4", "e2-e4", "e4!", "e4?!", "e4+", "Pe4"})
        EXPECT_EQ(Read(start, token), M("e2e4"));
    for (const char* token : {"Nf3", "Ng1-f3", "Ng1f3", "g1f3", "Nxf3", "Nf3!!", "Cf3", "Ngf3"})
        EXPECT_EQ(Read(start, token), M("g1f3")) << token;

    const BoardPosition castle = FenState("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    for (const char* token : {"O-O", "0-0", "O-O+", "e1g1", "Kg1", "o-o"})
        EXPECT_EQ(Read(castle, token), M("e1g1")) << token;
    for (const char* token : {"O-O-O", "0-0-0", "O-O-O#"}) EXPECT_EQ(Read(castle, token), M("e1c1")) << token;

    const BoardPosition promo = FenState("1r2k3/P7/8/8/8/8/8/4K3 w - - 0 1");
    for (const char* token : {"a8=Q", "a8Q", "a7a8q", "a8(Q)", "a8", "a8=D", "a8/Q"})
        EXPECT_EQ(Read(promo, token), M("a7a8q")) << token;
    EXPECT_EQ(Read(promo, "a8=N"), M("a7a8n"));
    EXPECT_EQ(Read(promo, "a7a8n"), M("a7a8n"));
    EXPECT_EQ(Read(promo, "a8=C"), M("a7a8n"));  // Spanish caballo
    EXPECT_EQ(Read(promo, "axb8=R+"), M("a7b8r"));
    EXPECT_EQ(Read(promo, "ab8T"), M("a7b8r"));

    const BoardPosition ep = FenState("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    for (const char* token : {"exd6", "exd6e.p.", "exd6ep", "ed6", "e5d6", "e5xd6"})
        EXPECT_EQ(Read(ep, token), M("e5d6")) << token;

    // "b" is a pawn's file, "B" a bishop; "A" the Spanish bishop.
    const BoardPosition c3 = FenState("4k3/8/8/8/8/2n5/1P1B4/4K3 w - - 0 1");
    EXPECT_EQ(Read(c3, "bxc3"), M("b2c3"));
    EXPECT_EQ(Read(c3, "Bxc3"), M("d2c3"));
    EXPECT_EQ(Read(c3, "Bc3"), M("d2c3"));
    EXPECT_EQ(Read(c3, "Axc3"), M("d2c3"));
}

TEST(SanRead, SpanishLettersOnlyWhenEnglishFails) {
    // "R" is a rook in English and a king (rey) in Spanish.
    const BoardPosition both = FenState("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
    EXPECT_EQ(Read(both, "Rd1"), M("a1d1"));                       // the rook can: English
    EXPECT_EQ(Read(both, "Rf2"), M("e1f2"));                       // no rook can: the king
    EXPECT_EQ(San::Read(both, "Dd1").Fault, San::Error::Illegal);  // no queen (dama) on the board
    const BoardPosition queen = FenState("4k3/8/8/8/8/8/8/3QK3 w - - 0 1");
    EXPECT_EQ(Read(queen, "Dd5"), M("d1d5"));
    EXPECT_EQ(San::Read(queen, "Td5").Fault, San::Error::Illegal);
}

TEST(SanRead, RefusalsSayWhy) {
    const BoardPosition start;
    EXPECT_EQ(San::Read(start, "Nf6").Fault, San::Error::Illegal);
    EXPECT_EQ(San::Read(start, "e5").Fault, San::Error::Illegal);
    EXPECT_EQ(San::Read(start, "O-O").Fault, San::Error::Illegal);
    for (const char* token : {"xyz", "", "e9", "Nf", "Zf3", "e4e", "--", "e8=", "Nbd1d2"})
        EXPECT_EQ(San::Read(start, token).Fault, San::Error::Unreadable) << token;
    // Both knights may go to d2 once the pawn has gone: the square alone is ambiguous.
    const BoardPosition twoKnights = FenState("4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1");
    EXPECT_EQ(San::Read(twoKnights, "Nd2").Fault, San::Error::Ambiguous);
    EXPECT_EQ(Read(twoKnights, "Nbd2"), M("b1d2"));
    EXPECT_EQ(Read(twoKnights, "Nfd2"), M("f3d2"));
    // A king cannot be a promotion piece; a promotion on a move that is none.
    const BoardPosition promo = FenState("4k3/P7/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(San::Read(promo, "a8=K").Fault, San::Error::Illegal);
    EXPECT_EQ(San::Read(promo, "Kd1=Q").Fault, San::Error::Illegal);
    EXPECT_STREQ(San::Describe(San::Error::Illegal), "jugada ilegal");
}

// Every legal move of many positions reads back from its own SAN, which is
// therefore never ambiguous nor over-qualified into another move.
TEST(SanRoundTrip, EveryLegalMoveOfRandomGamesReadsBack) {
    std::mt19937 rng(20240611);
    int checked = 0;
    for (int game = 0; game < 6; ++game) {
        ChessBrdCore board;
        for (int ply = 0; ply < 120; ++ply) {
            const BoardPosition p = board.CurrentPosition();
            const std::vector<HalfMove> legal = p.LegalMoves();
            if (legal.empty()) break;
            for (const HalfMove& m : legal) {
                const std::string san = San::Write(p, m);
                const San::Reading back = San::Read(p, san);
                ASSERT_TRUE(back.Ok()) << san;
                const HalfMove expected{m.From, m.To, p.IsPromotion(m.From, m.To) ? m.Promotion : char{0}};
                ASSERT_EQ(back.Move, expected) << san;
                ++checked;
            }
            if (!Play(board, legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)])) break;
        }
    }
    EXPECT_GT(checked, 5000);
}

}  // namespace
}  // namespace tablerix::test
