#include "Evaluator.h"

#include "EngineTables.h"

#include <bit>

namespace tablerix {

using namespace EngineTables;

void Evaluator::BuildSquareTables(SearchBoard& board) noexcept {
    for (int colour = 0; colour < 2; ++colour) {
        auto& table = SquareTable[colour];
        for (int s = 0; s < 64; ++s) {
            const int i = colour == kWhite ? s : MirrorSquare(s);
            table[kPawn][s] = PawnTable[i] + PieceValue[kPawn];
            table[kKnight][s] = MinorPieceTable[i] + PieceValue[kKnight];
            table[kBishop][s] = MinorPieceTable[i] + PieceValue[kBishop];
            table[kRook][s] = PieceValue[kRook];
            table[kQueen][s] = PieceValue[kQueen];
        }

        const int other = 1 - colour;
        int material = 0;
        int king = -1;
        for (int s = 0; s < 64; ++s) {
            const int type = board.Piece[s];
            if (board.Colour[s] == other && type >= kKnight && type <= kQueen) material += PieceValue[type];
            if (king < 0 && board.Colour[s] == colour && type == kKing) king = s;
        }

        const bool middleGame = material > 1400;
        for (int s = 0; s < 64; ++s) {
            const int i = colour == kWhite ? s : MirrorSquare(s);
            table[kKing][s] = middleGame ? KingTable[i] : KingEndgameTable[i];
        }
        if (!middleGame || king < 0) continue;
        const int kingFile = king % 8;
        const std::array<int, 64>* shelter = nullptr;
        if (kingFile >= 5) shelter = &KingsidePawnTable;
        else if (kingFile <= 2) shelter = &QueensidePawnTable;
        if (shelter == nullptr) continue;
        for (int s = 0; s < 64; ++s) table[kPawn][s] += (*shelter)[colour == kWhite ? s : MirrorSquare(s)];
    }
    board.AttachSquareTable(&SquareTable);
}

int Evaluator::Evaluate(const SearchBoard& board) const noexcept {
    // Material and square tables are summed by the board as it changes; the
    // pawn and rook terms below read the pawns of each file from square sets.
    int score[2] = {board.TableScore[0], board.TableScore[1]};
    for (int c = 0; c < 2; ++c) {
        const std::uint64_t own = board.PieceSet[c][kPawn];
        const std::uint64_t opp = board.PieceSet[1 - c][kPawn];
        int terms = 0;
        for (std::uint64_t b = own; b != 0; b &= b - 1) {
            const int s = std::countr_zero(b);
            const int f = s % 8;
            const std::uint64_t onFile = own & FileSquares[f];
            const bool doubled = (onFile & (onFile - 1)) != 0;
            const bool isolated = (own & NeighbourFiles[f]) == 0;
            const bool unopposed = (opp & FileSquares[f]) == 0;
            const bool passed = unopposed && (opp & NeighbourFiles[f]) == 0;
            terms -= 5 * doubled + isolated * (20 + 10 * unopposed);
            terms += passed * 2 * SquareTable[c][kPawn][s];
        }
        for (std::uint64_t b = board.PieceSet[c][kRook]; b != 0; b &= b - 1) {
            const int f = std::countr_zero(b) % 8;
            const bool ownOpen = (own & FileSquares[f]) == 0;
            const bool bothOpen = ownOpen && (opp & FileSquares[f]) == 0;
            terms += 10 * ownOpen + 5 * bothOpen;
        }
        score[c] += terms;
    }
    return score[board.SideToMove] - score[board.Opponent];
}

}  // namespace tablerix
