// Random legal games on a SearchBoard: after every TryMove and UndoMove the
// state it keeps as it goes must match the squares recomputed from scratch.
// Fixed seeds, so a failure replays; builds with assertions also check it
// inside TryMove and UndoMove themselves.

#include "EngineTestUtil.h"
#include "Evaluator.h"

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace tablerix::test {
namespace {

constexpr int kGamesPerPosition = 12;
constexpr int kPliesPerGame = 160;
// A line stops short of the ply tables' end; the game goes on from a board
// loaded afresh with the position reached.
constexpr int kLineLength = SearchBoard::kMaxPly - 4;

// The moves of the current ply that TryMove accepts; each is tried, checked
// and taken back.
std::vector<EngineMove> LegalMoves(SearchBoard& board) {
    board.GenerateMoves();
    std::vector<EngineMove> legal;
    const auto& range = board.PlyMoves[board.Ply];
    for (int i = range.First; i < range.End; ++i) {
        const EngineMove move = board.MoveStack[i].Move;
        if (!board.TryMove(move)) {
            EXPECT_TRUE(board.IsConsistent()) << "refused " << MoveText(move);
            continue;
        }
        EXPECT_TRUE(board.IsConsistent()) << "after " << MoveText(move);
        board.UndoMove();
        EXPECT_TRUE(board.IsConsistent()) << "after undoing " << MoveText(move);
        legal.push_back(move);
    }
    return legal;
}

// Plays one line of random legal moves from the board's position, then takes
// every move back and checks the position is the one it started from.
// Returns the number of moves played; `reached` is the position at the end.
int PlayLine(SearchBoard& board, std::mt19937& rng, int length, PositionSnapshot& reached) {
    const PositionSnapshot start = board.ToSnapshot();
    int played = 0;
    while (played < length) {
        const std::vector<EngineMove> legal = LegalMoves(board);
        if (legal.empty()) break;
        const EngineMove move = legal[rng() % legal.size()];
        if (!board.TryMove(move)) {
            ADD_FAILURE() << "a legal move was refused: " << MoveText(move);
            break;
        }
        EXPECT_TRUE(board.IsConsistent()) << "after " << MoveText(move);
        ++played;
    }
    reached = board.ToSnapshot();
    for (int i = 0; i < played; ++i) {
        board.UndoMove();
        EXPECT_TRUE(board.IsConsistent());
    }
    EXPECT_EQ(board.Ply, 0);
    const PositionSnapshot back = board.ToSnapshot();
    EXPECT_EQ(back.Squares, start.Squares);
    EXPECT_EQ(back.WhiteToMove, start.WhiteToMove);
    EXPECT_EQ(back.Castling, start.Castling);
    EXPECT_EQ(back.EnPassant, start.EnPassant);
    return played;
}

// Random games from the position; the total number of moves played.
int PlayGames(const PositionSnapshot& pos, std::uint32_t seed) {
    std::mt19937 rng(seed);
    int total = 0;
    for (int game = 0; game < kGamesPerPosition; ++game) {
        // On the heap: the board and the evaluator are large.
        auto board = std::make_unique<SearchBoard>();
        auto evaluator = std::make_unique<Evaluator>();
        board->Load(pos);
        // With square tables, so that their sums are checked too.
        evaluator->BuildSquareTables(*board);
        EXPECT_TRUE(board->IsConsistent());
        int plies = 0;
        while (plies < kPliesPerGame) {
            PositionSnapshot reached;
            const int played = PlayLine(*board, rng, kLineLength, reached);
            plies += played;
            if (played < kLineLength) break;  // the game has ended
            board->Load(reached);
            evaluator->BuildSquareTables(*board);
            EXPECT_TRUE(board->IsConsistent());
        }
        total += plies;
    }
    return total;
}

TEST(SearchBoardStressTest, RandomGamesKeepTheBoardConsistent) {
    const PositionSnapshot positions[] = {FenParser::StartPosition(), Fen(kKiwipete), Fen(kEndgame), Fen(kPromotions),
                                          Fen(kTalkchess)};
    std::uint32_t seed = 20240607;
    for (const PositionSnapshot& pos : positions) {
        const int plies = PlayGames(pos, seed++);
        EXPECT_GT(plies, kGamesPerPosition) << "the games must get going";
        if (HasFailure()) return;  // one position's failures are enough to read
    }
}

TEST(SearchBoardStressTest, TamperedBoardIsNotConsistent) {
    auto board = std::make_unique<SearchBoard>();
    board->Load(Fen(kKiwipete));
    ASSERT_TRUE(board->IsConsistent());
    const auto copy = [&] { return std::make_unique<SearchBoard>(*board); };

    auto piece = copy();  // a square changed behind the square sets
    piece->Piece[0] = kQueen;
    EXPECT_FALSE(piece->IsConsistent());

    auto emptied = copy();  // a piece gone, its colour left behind
    emptied->Piece[8] = kNoPiece;
    EXPECT_FALSE(emptied->IsConsistent());

    auto side = copy();
    side->Opponent = side->SideToMove;
    EXPECT_FALSE(side->IsConsistent());

    auto enPassant = copy();  // no black pawn can just have passed over e3
    enPassant->EnPassantSquare = 44;
    EXPECT_FALSE(enPassant->IsConsistent());

    board->Load(Fen(kEndgame));  // no king or rook at home
    ASSERT_TRUE(board->IsConsistent());
    auto castling = copy();
    castling->CastleBits = CastleSet::All().Bits();
    EXPECT_FALSE(castling->IsConsistent());
}

}  // namespace
}  // namespace tablerix::test
