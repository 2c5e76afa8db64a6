#pragma once
// The referee's board: the position of a game between engines, moves in UCI
// coordinates checked by the rules core, and the rules that end a game
// without a move (mate, stalemate, threefold repetition, the fifty-move
// rule, insufficient material). Plain C++; a value, one thread.

#include "BoardPosition.h"

#include <string>
#include <vector>

namespace tablerix {

class MatchBoard {
public:
    // Plays a move given as "e2e4", "e1g1" (castling) or "e7e8q"; false, with
    // nothing changed, when it is not legal here (a promotion needs its letter).
    bool Play(const std::string& text);
    bool IsLegal(const std::string& text) const;
    // Every legal move, in the same form.
    std::vector<std::string> LegalMoves() const;
    // The rule that ends the game in this position, or "" when play goes on.
    std::string Ending() const;
    // After an ending: 1 when White has mated, -1 when Black has, else 0.
    int EndingScore() const;
    bool WhiteToMove() const noexcept { return position_.WhiteToMove(); }

private:
    static std::string Text(const HalfMove& move);

    BoardPosition position_;
    std::vector<BoardPosition> seen_{BoardPosition()};  // every position of the game, for repetitions
    int quietPlies_ = 0;                                // since the last capture or pawn move
};

}  // namespace tablerix
