// Move generation order and ordering scores, TryMove/UndoMove and the attack
// test, including hand-made positions the board's rules never produce.

#include "EngineTables.h"
#include "EngineTestUtil.h"

#include <memory>
#include <utility>

namespace tablerix::test {
namespace {

std::unique_ptr<SearchBoard> Loaded(const PositionSnapshot& pos) {
    auto board = std::make_unique<SearchBoard>();  // on the heap, where a stray index is caught
    board->Load(pos);
    return board;
}

int Find(const SearchBoard& board, const std::string& text) {
    const auto& range = board.PlyMoves[board.Ply];
    for (int i = range.First; i < range.End; ++i)
        if (MoveText(board.MoveStack[i].Move) == text) return i;
    return -1;
}

void ExpectSamePosition(const SearchBoard& a, const PositionSnapshot& b) {
    const PositionSnapshot s = a.ToSnapshot();
    EXPECT_EQ(s.Squares, b.Squares);
    EXPECT_EQ(s.WhiteToMove, b.WhiteToMove);
    EXPECT_EQ(s.Castling, b.Castling);
    EXPECT_EQ(s.EnPassant, b.EnPassant);
}

TEST(SearchBoardTest, StartPositionGeneratesTwentyTwoMovesInOrder) {
    auto board = Loaded(FenParser::StartPosition());
    board->GenerateMoves();
    const std::vector<std::string> expected = {"a2a3", "a2a4", "b2b3", "b2b4", "c2c3", "c2c4", "d2d3", "d2d4",
                                               "e2e3", "e2e4", "f2f3", "f2f4", "g2g3", "g2g4", "h2h3", "h2h4",
                                               "b1a3", "b1c3", "g1f3", "g1h3", "e1g1", "e1c1"};
    EXPECT_EQ(GeneratedMoves(*board), expected);
    EXPECT_EQ(board->PlyMoves[1].First, 22);
    for (const char* castle : {"e1g1", "e1c1"}) {
        const int i = Find(*board, castle);
        ASSERT_GE(i, 0);
        EXPECT_EQ(board->MoveStack[i].Move.Flags, MoveFlags::Castle);
        EXPECT_FALSE(board->TryMove(board->MoveStack[i].Move));
    }
    ExpectSamePosition(*board, FenParser::StartPosition());
}

TEST(SearchBoardTest, OrderingScoresAndFlags) {
    // White: pawn e7 (promotes), pawn b5 (takes a6 en passant or the queen on c6),
    // queen h3 (takes the pawn on h7).
    auto board = Loaded(Fen("k7/4P2p/p1q5/Pp6/8/7Q/8/4K3 w - b6 0 1"));
    board->HistoryScore[60][52] = 7;  // e1e2
    board->GenerateMoves();
    const auto score = [&](const char* m) {
        const int i = Find(*board, m);
        EXPECT_GE(i, 0) << m;
        return i < 0 ? 0 : board->MoveStack[i].Score;
    };
    EXPECT_EQ(score("e7e8n"), 1000010);
    EXPECT_EQ(score("e7e8b"), 1000020);
    EXPECT_EQ(score("e7e8r"), 1000030);
    EXPECT_EQ(score("e7e8q"), 1000040);
    EXPECT_EQ(score("a5b6"), 1000060);  // en passant
    EXPECT_EQ(score("h3h7"), 999996);   // queen takes pawn
    EXPECT_EQ(score("e1e2"), 7);        // quiet: its history credit
    EXPECT_EQ(score("h3g3"), 0);

    EXPECT_EQ(board->MoveStack[Find(*board, "e7e8q")].Move.Flags, 48);
    EXPECT_EQ(board->MoveStack[Find(*board, "a5b6")].Move.Flags, 21);

    // The four promotions come in knight, bishop, rook, queen order.
    const int first = Find(*board, "e7e8n");
    for (int p = 0; p < 4; ++p) EXPECT_EQ(board->MoveStack[first + p].Move.Promote, p + 1);
}

TEST(SearchBoardTest, PawnTakesQueenScore) {
    auto board = Loaded(Fen("4k3/8/8/3q4/4P3/8/8/4K3 w - - 0 1"));
    board->GenerateMoves();
    EXPECT_EQ(board->MoveStack[Find(*board, "e4d5")].Score, 1000040);
}

TEST(SearchBoardTest, CapturesOnlyHoldsCapturesEnPassantAndPromotions) {
    auto board = Loaded(Fen("k7/4P2p/p1q5/Pp6/8/7Q/8/4K3 w - b6 0 1"));
    board->GenerateCaptures();
    const std::vector<std::string> expected = {"e7e8n", "e7e8b", "e7e8r", "e7e8q", "h3h7", "a5b6"};
    auto moves = GeneratedMoves(*board);
    EXPECT_EQ(moves, expected);
}

TEST(SearchBoardTest, CastlingRefusedThroughAttackOrOutOfCheckAndBoardUnchanged) {
    // f1 attacked by the bishop on c4.
    const PositionSnapshot attacked = Fen("4k3/8/8/8/2b5/8/8/R3K2R w KQ - 0 1");
    auto board = Loaded(attacked);
    board->GenerateMoves();
    EXPECT_FALSE(board->TryMove(board->MoveStack[Find(*board, "e1g1")].Move));
    ExpectSamePosition(*board, attacked);
    EXPECT_TRUE(board->TryMove(board->MoveStack[Find(*board, "e1c1")].Move));
    EXPECT_EQ(board->Piece[59], kRook);
    EXPECT_EQ(board->Piece[56], kNoPiece);
    board->UndoMove();
    ExpectSamePosition(*board, attacked);

    // In check from the rook on e8.
    const PositionSnapshot check = Fen("1k2r3/8/8/8/8/8/8/R3K2R w KQ - 0 1");
    board = Loaded(check);
    board->GenerateMoves();
    EXPECT_FALSE(board->TryMove(board->MoveStack[Find(*board, "e1g1")].Move));
    EXPECT_FALSE(board->TryMove(board->MoveStack[Find(*board, "e1c1")].Move));
    ExpectSamePosition(*board, check);
}

TEST(SearchBoardTest, UndoRestoresCastleBitsEnPassantAndCaptures) {
    const PositionSnapshot pos = Fen("r3k2r/8/8/8/3pP3/8/8/R3K2R b KQkq e3 0 1");
    auto board = Loaded(pos);
    board->GenerateMoves();
    for (const char* m : {"e8d8", "a8a1", "h8h1", "d4e3"}) {
        ASSERT_TRUE(board->TryMove(board->MoveStack[Find(*board, m)].Move)) << m;
        board->UndoMove();
        ExpectSamePosition(*board, pos);
    }
    ASSERT_TRUE(board->TryMove(board->MoveStack[Find(*board, "e8d8")].Move));
    EXPECT_EQ(board->CastleBits, 3);
    board->UndoMove();
    EXPECT_EQ(board->CastleBits, 15);

    // A king move of White's likewise.
    board = Loaded(Fen("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1"));
    board->GenerateMoves();
    ASSERT_TRUE(board->TryMove(board->MoveStack[Find(*board, "e1f1")].Move));
    EXPECT_EQ(board->CastleBits, 12);
    board->UndoMove();
    EXPECT_EQ(board->CastleBits, 15);
}

TEST(SearchBoardTest, EveryCastlingMovesItsRookAndEveryHomeSquareEndsItsRights) {
    struct Case {
        const char* Fen;
        const char* Move;
        int RookFrom, RookTo;  // -1: no rook jumps
        int CastleBitsAfter;
    };
    const char* white = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";
    const char* black = "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1";
    const Case cases[] = {
        {white, "e1g1", 63, 61, 12}, {white, "e1c1", 56, 59, 12}, {black, "e8g8", 7, 5, 3},
        {black, "e8c8", 0, 3, 3},    {white, "a1a8", -1, -1, 5},  {white, "h1h8", -1, -1, 10},
        {black, "a8a1", -1, -1, 5},  {black, "h8h1", -1, -1, 10}, {white, "e1d1", -1, -1, 12},
    };
    for (const Case& c : cases) {
        const PositionSnapshot pos = Fen(c.Fen);
        auto board = Loaded(pos);
        board->GenerateMoves();
        const int i = Find(*board, c.Move);
        ASSERT_GE(i, 0) << c.Move;
        const int mover = board->SideToMove;
        ASSERT_TRUE(board->TryMove(board->MoveStack[i].Move)) << c.Move;
        EXPECT_EQ(board->CastleBits, c.CastleBitsAfter) << c.Move;
        if (c.RookFrom >= 0) {
            EXPECT_EQ(board->Colour[c.RookFrom], kNoColour) << c.Move;
            EXPECT_EQ(board->Piece[c.RookTo], kRook) << c.Move;
            EXPECT_EQ(board->Colour[c.RookTo], mover) << c.Move;
        }
        board->UndoMove();
        ExpectSamePosition(*board, pos);
    }
}

TEST(SearchBoardTest, InCheckWithoutKingIsFalseAndAttacksMatchRays) {
    auto board = Loaded(Letters("    k   " + std::string(48, ' ') + "R       "));
    EXPECT_FALSE(board->InCheck(kWhite));
    EXPECT_FALSE(board->InCheck(kBlack));  // the rook on a1 does not reach e8
    EXPECT_TRUE(board->IsAttacked(0, kWhite));
    EXPECT_TRUE(board->IsAttacked(63, kWhite));
    EXPECT_FALSE(board->IsAttacked(9, kWhite));

    // Pawns attack diagonally forward only, never around the board's edge.
    board = Loaded(Fen("4k3/8/8/8/8/8/P6P/4K3 w - - 0 1"));
    EXPECT_TRUE(board->IsAttacked(41, kWhite));   // b3
    EXPECT_TRUE(board->IsAttacked(46, kWhite));   // g3
    EXPECT_FALSE(board->IsAttacked(47, kWhite));  // h3
    EXPECT_FALSE(board->IsAttacked(39, kWhite));  // h4
}

TEST(SearchBoardTest, PawnsOnFirstOrLastRankStayOnTheBoard) {
    // White pawns on a8 and e1, Black pawns on h1 and d8: only Position can make this.
    std::string squares(64, ' ');
    squares[0] = 'P';
    squares[3] = 'p';
    squares[7] = 'k';
    squares[60] = 'P';
    squares[63] = 'p';
    squares[56] = 'K';
    for (bool white : {true, false}) {
        auto board = Loaded(Letters(squares, white));
        board->GenerateMoves();
        const auto moves = GeneratedMoves(*board);
        if (white) {
            EXPECT_NE(std::find(moves.begin(), moves.end(), "e1e2"), moves.end());
            EXPECT_EQ(std::find(moves.begin(), moves.end(), "e1e3"), moves.end());
            for (const auto& m : moves) EXPECT_NE(m.substr(0, 2), "a8");
        } else {
            for (const auto& m : moves) EXPECT_NE(m.substr(0, 2), "h1");
            EXPECT_NE(std::find(moves.begin(), moves.end(), "d8d7"), moves.end());
        }
        board->GenerateCaptures();
        for (int s = 0; s < 64; ++s) {
            board->IsAttacked(s, kWhite);
            board->IsAttacked(s, kBlack);
        }
    }
}

TEST(SearchBoardTest, LoadDropsCastleBitsWithoutKingOrRookAndImpossibleEnPassant) {
    // No rook on h1 or a8, king e8 moved to f8.
    auto board = Loaded(Letters("     k rpppppppp" + std::string(32, ' ') + "PPPPPPPPR   K   ", true, 15));
    EXPECT_EQ(board->CastleBits, 2);
    board = Loaded(Letters("r   k  rpppppppp" + std::string(32, ' ') + "PPPPPPPPR   K  R", true, 15));
    EXPECT_EQ(board->CastleBits, 15);

    // An en passant square is kept only where the other side's pawn can just
    // have passed over it: on the right rank, empty, the pawn in front of it,
    // its start square empty.
    struct Case {
        const char* Fen;
        Square Ep;
        int Kept;
    };
    for (const Case& c : {Case{"4k3/8/8/3Pp3/8/8/8/4K3 w - -", Square::E6, 20},
                          Case{"4k3/8/8/3Pp3/8/8/8/4K3 w - -", Square::E3, -1},    // rank for Black to move
                          Case{"4k3/8/8/3Pp3/8/8/8/4K3 w - -", Square::D6, -1},    // no black pawn on d5
                          Case{"4k3/8/8/3Pp3/8/8/8/4K3 w - -", Square::H1, -1},    // no e.p. square at all
                          Case{"4k3/4r3/8/3Pp3/8/8/8/4K3 w - -", Square::E6, -1},  // e7 taken
                          Case{"4k3/8/4r3/3Pp3/8/8/8/4K3 w - -", Square::E6, -1},  // e6 taken
                          Case{"8/8/8/3Pk3/8/8/8/4K3 w - -", Square::E6, -1},      // a king in front
                          Case{"4k3/8/8/3PP3/8/8/8/4K3 w - -", Square::E6, -1},    // White's own pawn
                          Case{"4k3/8/8/8/3Pp3/8/8/4K3 b - -", Square::D3, 43},
                          Case{"4k3/8/8/8/3Pp3/8/3B4/4K3 b - -", Square::D3, -1}}) {
        PositionSnapshot pos = Fen(c.Fen);
        pos.EnPassant = c.Ep;
        EXPECT_EQ(Loaded(pos)->EnPassantSquare, c.Kept) << c.Fen << " " << ToInt(c.Ep);
    }
}

TEST(SearchBoardTest, MoveStackIsNeverOverrun) {
    auto board = Loaded(FenParser::StartPosition());
    board->PlyMoves[0].First = SearchBoard::kMoveStackSize - 5;
    board->GenerateMoves();
    EXPECT_EQ(board->PlyMoves[0].End, SearchBoard::kMoveStackSize);
    EXPECT_EQ(GeneratedMoves(*board).size(), 5u);
}

TEST(SearchBoardTest, FenParserRejectsMalformedPositions) {
    PositionSnapshot pos = FenParser::StartPosition();
    std::string error;
    const std::string start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
    const std::pair<std::string, std::string> cases[] = {
        {"", "FEN needs 4 or 6 fields"},
        {"8/8/8/8/8/8/8/8 w - -", "FEN must have exactly one king of each colour"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq -", "FEN placement does not describe 8 ranks of 8 squares"},
        {"rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -", "FEN has an unknown piece letter '9'"},
        {"rnbqkbnr/pppppppp/54/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -", "FEN rank 6 is longer than 8 squares"},
        {"rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -", "FEN rank 7 is longer than 8 squares"},
        {"rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -", "FEN rank 7 is not 8 squares"},
        {start + "/8 w KQkq -", "FEN rank 1 is not 8 squares"},
        {start + " x KQkq -", "FEN side to move must be w or b"},
        {start + " w KQkx -", "FEN castling field must be - or letters from KQkq"},
        {start + " w KQkK -", "FEN castling field repeats a letter"},
        {start + " w KQkq e9", "FEN en passant square must be - or a square"},
        {start + " w KQkq e33", "FEN en passant square must be - or a square"},
        {start + " w KQkq i6", "FEN en passant square must be - or a square"},
        {start + " w KQkq - a 1", "FEN move counters must be numbers"},
        {"4k3/8/8/8/8/8/8/4K2P w - -", "FEN has a pawn on the first or last rank"},
        {"4k3/8/8/8/8/8/8/4R1K1 w - -", "FEN leaves the side not to move in check"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNZ w KQkq -", "FEN has an unknown piece letter 'Z'"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKKNR w KQkq -", "FEN must have exactly one king of each colour"},
    };
    for (const auto& [bad, reason] : cases) {
        error.clear();
        EXPECT_FALSE(FenParser::Parse(bad, pos, error)) << bad;
        EXPECT_EQ(error, reason) << bad;
    }
    // Nothing was changed by the failures.
    EXPECT_EQ(pos.Squares, FenParser::StartPosition().Squares);
    EXPECT_TRUE(FenParser::Parse("4k3/8/8/8/8/8/8/R3K3 w Q - 0 1", pos, error));
    EXPECT_EQ(pos.Squares[56], 'R');
    EXPECT_EQ(pos.Castling, CastleSet{CanStillCastle::WhiteQueenSide});

    // An en passant square no pawn can just have passed over is dropped.
    EXPECT_TRUE(FenParser::Parse("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e3 0 1", pos, error));
    EXPECT_EQ(pos.EnPassant, Square::None);
    EXPECT_TRUE(FenParser::Parse("rnbqkbnr/pppp1ppp/8/4p3/8/8/PPPPPPPP/RNBQKBNR w KQkq e6 0 2", pos, error));
    EXPECT_EQ(pos.EnPassant, Square::E6);
}

}  // namespace
}  // namespace tablerix::test
