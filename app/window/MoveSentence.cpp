#include "MoveSentence.h"

#include "BoardPosition.h"
#include "ChessBrdCore.h"

#include <cctype>

namespace tablerix {

QString MoveSentence::Shown(const ChessBrdCore& board, MoveSpeech::Outcome outcome) {
    // The record's entry before the shown one holds the position moved
    // from and the half-move played from it.
    const int move = board.CurrentMove();
    const bool white = board.WhiteToMove();
    const int prevMove = white ? move - 1 : move;
    const bool prevWhite = !white;
    if (prevMove < 1) return kStart;
    const MoveInfo& entry = board.History(prevMove, prevWhite);
    if (entry.FromSq == Square::None || entry.PositionString.size() < 64) return kStart;

    BoardPosition before;
    before.SetPlacement(entry.PositionString.data(), 64);
    before.SetWhiteToMove(prevWhite);
    before.SetCastling(entry.Castling);
    before.SetEnPassant(entry.EnPassantSq);
    HalfMove played{entry.FromSq, entry.ToSq, 0};
    if (before.IsPromotion(played.From, played.To))
        played.Promotion =
            static_cast<char>(std::tolower(static_cast<unsigned char>(board.CurrentPosition().At(played.To))));
    return QString::fromStdString(MoveSpeech::Move(before, played, outcome));
}

QString MoveSentence::Shown(const ChessBrdCore& board) {
    const BoardPosition& now = board.CurrentPosition();
    using O = MoveSpeech::Outcome;
    const bool moves = now.HasLegalMove();
    const O outcome = now.InCheck() ? (moves ? O::Check : O::Mate) : (moves ? O::None : O::Draw);
    return Shown(board, outcome);
}

}  // namespace tablerix
