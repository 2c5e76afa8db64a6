#include "GameResult.h"

#include "BoardPosition.h"

namespace tablerix {

std::string GameResult::Of(const ChessBrdCore& core) {
    const BoardPosition p = core.CurrentPosition();
    if (!p.HasLegalMove()) {
        if (!p.InCheck()) return kDraw;
        return p.WhiteToMove() ? kBlackWins : kWhiteWins;
    }
    if (MoveRules::MaterialInsufficient(p.Placement()) || core.IsThreefoldRepetition()) return kDraw;
    return kUnfinished;
}

bool GameResult::IsResult(std::string_view text) {
    return text == kWhiteWins || text == kBlackWins || text == kDraw || text == kUnfinished;
}

}  // namespace tablerix
