#include "Evaluator.h"

#include "EngineTables.h"

#include <bit>

namespace tablerix {

using namespace EngineTables;

void Evaluator::BuildSquareTables(const SearchBoard& board) noexcept {
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
}

int Evaluator::Evaluate(const SearchBoard& board) const noexcept {
    int score[2] = {0, 0};
    // Pawns per file, files a..h in 1..8; 0 and 9 stay empty for the edges.
    int pawns[2][10] = {};

    for (int c = 0; c < 2; ++c) {
        const auto& sets = board.PieceSet[c];
        const auto& table = SquareTable[c];
        for (std::uint64_t b = sets[kPawn]; b != 0; b &= b - 1) {
            const int s = std::countr_zero(b);
            ++pawns[c][s % 8 + 1];
            score[c] += table[kPawn][s];
        }
        for (int type = kKnight; type <= kKing; ++type)
            for (std::uint64_t b = sets[type]; b != 0; b &= b - 1) score[c] += table[type][std::countr_zero(b)];
    }

    for (int c = 0; c < 2; ++c) {
        const int o = 1 - c;
        const auto& sets = board.PieceSet[c];
        for (std::uint64_t b = sets[kPawn]; b != 0; b &= b - 1) {
            const int s = std::countr_zero(b);
            const int f = s % 8 + 1;
            if (pawns[c][f] > 1) score[c] -= 5;
            if (pawns[c][f - 1] == 0 && pawns[c][f + 1] == 0) {
                score[c] -= 20;
                if (pawns[o][f] == 0) score[c] -= 10;
            }
            if (pawns[o][f] == 0 && pawns[o][f - 1] == 0 && pawns[o][f + 1] == 0)
                score[c] += 2 * SquareTable[c][kPawn][s];
        }
        for (std::uint64_t b = sets[kRook]; b != 0; b &= b - 1) {
            const int f = std::countr_zero(b) % 8 + 1;
            if (pawns[c][f] == 0) {
                score[c] += 10;
                if (pawns[o][f] == 0) score[c] += 5;
            }
        }
    }
    return score[board.SideToMove] - score[board.Opponent];
}

}  // namespace tablerix
