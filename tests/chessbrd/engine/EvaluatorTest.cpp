// Square tables chosen at the root and the evaluation terms.

#include "EngineTables.h"
#include "EngineTestUtil.h"
#include "Evaluator.h"

#include <memory>

namespace tablerix::test {
namespace {

using namespace EngineTables;

struct Scored {
    std::unique_ptr<SearchBoard> Board = std::make_unique<SearchBoard>();
    Evaluator Eval;

    explicit Scored(const PositionSnapshot& pos) {
        Board->Load(pos);
        Eval.BuildSquareTables(*Board);
    }
    int Value() const { return Eval.Evaluate(*Board); }
};

int Evaluate(const std::string& fen) { return Scored(Fen(fen)).Value(); }

TEST(EvaluatorTest, StartPositionIsLevelForEitherSide) {
    PositionSnapshot pos = FenParser::StartPosition();
    EXPECT_EQ(Scored(pos).Value(), 0);
    pos.WhiteToMove = false;
    EXPECT_EQ(Scored(pos).Value(), 0);
    // Kings on e1/e8: no shelter added to the pawns.
    const Scored start(pos);
    for (int s = 0; s < 64; ++s) EXPECT_EQ(start.Eval.SquareTable[kWhite][kPawn][s], PawnTable[s] + 100);
}

TEST(EvaluatorTest, LonePassedPawnIsWorth294) {
    const int without = Evaluate("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Evaluate("4k3/8/8/8/4P3/8/8/4K3 w - - 0 1") - without, 294);
    // From Black's side the same pawn costs as much.
    EXPECT_EQ(Evaluate("4k3/8/8/8/4P3/8/8/4K3 b - - 0 1") - Evaluate("4k3/8/8/8/8/8/8/4K3 b - - 0 1"), -294);
}

TEST(EvaluatorTest, RookFileBonuses) {
    // Kings and a Black pawn on g7 stay put; only the White rook changes.
    const int base = Evaluate("4k3/6p1/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Evaluate("4k3/6p1/8/8/8/8/8/R3K3 w - - 0 1") - base, 515);   // open file
    EXPECT_EQ(Evaluate("4k3/6p1/8/8/8/8/8/4K1R1 w - - 0 1") - base, 510);  // only Black's pawn
    EXPECT_EQ(Evaluate("4k3/6p1/8/8/8/8/P7/R3K3 w - - 0 1") - Evaluate("4k3/6p1/8/8/8/8/P7/4K3 w - - 0 1"),
              500);  // own pawn on the file
}

TEST(EvaluatorTest, DoubledPawnsNextToAFriendlyFileLoseFiveEach) {
    // White pawns d4, e3, e4; no Black pawns, so all three are passed.
    // 104 + 108 + 108 material and table, doubled 2 x -5, passed 2 x (104 + 108 + 108),
    // king e1 -5; Black's king e8 -5.
    EXPECT_EQ(Evaluate("4k3/8/8/8/3PP3/4P3/8/4K3 w - - 0 1"), 320 - 10 + 640 - 5 + 5);
}

TEST(EvaluatorTest, KingTableChosenByOpponentMaterial) {
    // Black keeps a queen and a rook: 1400, White's king uses the endgame table.
    const Scored endgame(Fen("r3k3/8/8/8/8/8/8/3QK3 w - - 0 1"));
    const Scored withQueen(Fen("r2qk3/8/8/8/8/8/8/4K3 w - - 0 1"));
    for (int s = 0; s < 64; ++s) EXPECT_EQ(withQueen.Eval.SquareTable[kWhite][kKing][s], KingEndgameTable[s]);
    // Black's king faces a lone queen (900): endgame, mirrored.
    for (int s = 0; s < 64; ++s)
        EXPECT_EQ(endgame.Eval.SquareTable[kBlack][kKing][s], KingEndgameTable[MirrorSquare(s)]);
    // Queen, rook and knight: 1700, the middle-game table.
    const Scored middle(Fen("r2qk1n1/8/8/8/8/8/8/4K3 w - - 0 1"));
    for (int s = 0; s < 64; ++s) EXPECT_EQ(middle.Eval.SquareTable[kWhite][kKing][s], KingTable[s]);
}

TEST(EvaluatorTest, PawnShelterFollowsTheCastledKing) {
    // Both sides keep queen, rook and knight; White's king on g1, Black's on b8.
    const Scored pos(Fen("1k1rq1n1/8/8/8/8/8/8/3RQ1KN w - - 0 1"));
    const auto& white = pos.Eval.SquareTable[kWhite][kPawn];
    const auto& black = pos.Eval.SquareTable[kBlack][kPawn];
    for (int file = 5; file < 8; ++file) {
        EXPECT_EQ(white[48 + file], PawnTable[48 + file] + 100 + 20);  // rank 2
        EXPECT_EQ(white[40 + file], PawnTable[40 + file] + 100 + 10);  // rank 3
        EXPECT_EQ(white[32 + file], PawnTable[32 + file] + 100 + 5);   // rank 4
    }
    EXPECT_EQ(white[48 + 4], PawnTable[48 + 4] + 100);  // e2: no shelter
    for (int file = 0; file < 3; ++file) {
        EXPECT_EQ(black[8 + file], PawnTable[48 + file] + 100 + 20);  // rank 7
        EXPECT_EQ(black[24 + file], PawnTable[32 + file] + 100 + 5);  // rank 5
    }
    EXPECT_EQ(black[8 + 3], PawnTable[48 + 3] + 100);
}

TEST(EvaluatorTest, IsolatedPawnsAgainstAnOpposedFile) {
    // White a2 isolated, opposed by Black's a6 (also isolated): -20 each, neither passed.
    EXPECT_EQ(Evaluate("4k3/8/p7/8/8/8/P7/4K3 w - - 0 1"), (100 - 20) - (101 - 20));
    // Unopposed but not passed (Black's pawn on the next file): -30.
    EXPECT_EQ(Evaluate("4k3/8/1p6/8/8/8/P7/4K3 w - - 0 1"), (100 - 30) - (102 - 30));
}

}  // namespace
}  // namespace tablerix::test
