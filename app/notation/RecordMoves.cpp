#include "RecordMoves.h"

#include <functional>

namespace tablerix {

namespace {

char At(const MoveInfo& entry, Square sq) {
    const auto i = static_cast<std::size_t>(ToInt(sq) - 1);
    return IsOnBoard(sq) && i < entry.PositionString.size() ? entry.PositionString[i] : ' ';
}

// Calls visit(entry, next entry) for each entry before the shown one that
// holds a half-move; stops at the first that does not.
void ForEachPlayed(const ChessBrdCore& core, const std::function<void(const MoveInfo&, const MoveInfo&)>& visit) {
    int move = 1;
    bool white = true;
    while (move < core.CurrentMove() || (move == core.CurrentMove() && white && !core.WhiteToMove())) {
        const MoveInfo& entry = core.History(move, white);
        if (!IsOnBoard(entry.FromSq) || !IsOnBoard(entry.ToSq)) return;
        const int nextMove = white ? move : move + 1;
        visit(entry, core.History(nextMove, !white));
        move = nextMove;
        white = !white;
    }
}

}  // namespace

std::vector<HalfMove> RecordMoves::UpToShown(const ChessBrdCore& core) {
    std::vector<HalfMove> moves;
    ForEachPlayed(core, [&moves](const MoveInfo& entry, const MoveInfo& next) {
        HalfMove m{entry.FromSq, entry.ToSq, 0};
        const char pawn = At(entry, entry.FromSq);
        const int rank = ChessBrdCore::RankOf(entry.ToSq);
        if ((pawn == 'P' && rank == 8) || (pawn == 'p' && rank == 1))
            m.Promotion = static_cast<char>(At(next, entry.ToSq) | 0x20);
        moves.push_back(m);
    });
    return moves;
}

int RecordMoves::HalfMoveClock(const ChessBrdCore& core) {
    int clock = 0;
    ForEachPlayed(core, [&clock](const MoveInfo& entry, const MoveInfo&) {
        const char mover = At(entry, entry.FromSq);
        const bool reset = mover == 'P' || mover == 'p' || At(entry, entry.ToSq) != ' ';
        clock = reset ? 0 : clock + 1;
    });
    return clock;
}

}  // namespace tablerix
