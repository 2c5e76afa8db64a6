#include "GameResult.h"

#include "BoardState.h"

namespace tablerix {

namespace {

// Pawns weigh as much as rooks here: any pawn makes the material sufficient.
int Weight(char c) {
    switch (c | 0x20) {  // ASCII lower case
    case 'p':
    case 'r':
    case 'q': return 5;
    case 'b': return 3;
    case 'n': return 2;
    default: return 0;
    }
}

}  // namespace

bool GameResult::MaterialInsufficient(const std::string& placement) {
    int white = 0, black = 0;
    for (char c : placement) {
        if (MoveRules::ColorOf(c) == 1) white += Weight(c);
        if (MoveRules::ColorOf(c) == 0) black += Weight(c);
    }
    return white < 5 && black < 5;
}

std::string GameResult::Of(const ChessBrdCore& core) {
    const BoardState p = BoardState::FromCore(core);
    if (!p.HasLegalMove()) {
        if (!p.InCheck()) return kDraw;
        return p.WhiteToMove() ? kBlackWins : kWhiteWins;
    }
    if (MaterialInsufficient(p.Placement()) || core.IsThreefoldRepetition()) return kDraw;
    return kUnfinished;
}

bool GameResult::IsResult(std::string_view text) {
    return text == kWhiteWins || text == kBlackWins || text == kDraw || text == kUnfinished;
}

}  // namespace tablerix
