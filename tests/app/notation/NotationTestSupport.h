#pragma once
// Helpers for the notation tests: moves written as "e2e4" / "e7e8n",
// positions from FEN, and seeded random games that castle and promote.

#include "BoardPosition.h"
#include "ChessBrdCore.h"
#include "HalfMove.h"
#include "chessbrd/ChessBrdTestSupport.h"

#include <random>
#include <string>
#include <vector>

namespace tablerix::test {

inline HalfMove M(const std::string& text) {
    HalfMove m{Sq(text.substr(0, 2).c_str()), Sq(text.substr(2, 2).c_str()), 0};
    if (text.size() > 4) m.Promotion = text[4];
    return m;
}

inline BoardPosition FenState(const std::string& fen) {
    ChessBrdCore board;
    SetFen(board, fen);
    return board.CurrentPosition();
}

inline bool Play(ChessBrdCore& board, const HalfMove& m) {
    board.SetPromotionPiece(m.Promotion != 0 ? m.Promotion : 'q');
    return board.PerformMove(m.From, m.To);
}

// Plays up to maxHalfMoves random legal moves on board (from its position)
// and returns them. Castling is always taken when it is legal and the
// promotion piece is drawn at random, so long games exercise both. Ends
// early at mate, stalemate or a standing repetition.
inline std::vector<HalfMove> PlayRandomGame(ChessBrdCore& board, std::mt19937& rng, int maxHalfMoves) {
    std::vector<HalfMove> played;
    while (static_cast<int>(played.size()) < maxHalfMoves && !board.IsThreefoldRepetition()) {
        const BoardPosition position = board.CurrentPosition();
        const std::vector<HalfMove> legal = position.LegalMoves();
        if (legal.empty()) break;
        HalfMove pick = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
        for (const HalfMove& m : legal) {
            const char piece = position.At(m.From);
            if ((piece == 'K' || piece == 'k') &&
                std::abs(ChessBrdCore::FileOf(m.From) - ChessBrdCore::FileOf(m.To)) == 2)
                pick = m;
        }
        if (!Play(board, pick)) break;
        played.push_back(pick);
    }
    return played;
}

}  // namespace tablerix::test
