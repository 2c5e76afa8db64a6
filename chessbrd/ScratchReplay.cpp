#include "ScratchReplay.h"

namespace tablerix {

ScratchReplay::ScratchReplay() : own_(std::make_unique<ChessBrdCore>()), board_(*own_) {}

bool ScratchReplay::Play(const HalfMove& move) {
    board_.SetPromotionPiece(move.Promotion != 0 ? move.Promotion : 'q');
    return board_.PerformMove(move.From, move.To);
}

bool ScratchReplay::Full() const noexcept {
    const int move = board_.CurrentMove();
    return move > ChessBrdCore::kMaxMoves || (!board_.WhiteToMove() && move >= ChessBrdCore::kMaxMoves);
}

}  // namespace tablerix
