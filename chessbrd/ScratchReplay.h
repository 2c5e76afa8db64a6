#pragma once
// A replay tried out before anything the user sees is touched: half-moves
// are played one by one on a rules core that starts a new game, exactly as
// the board would take them (repetition and the record's length included),
// with no view, no engine and no event handlers. Both the game files and
// PGN check their moves on one of these.
//
// Ownership: owns its core, or plays on one the caller lends, which must
// outlive it. Plain C++; one thread at a time.

#include "ChessBrdCore.h"

#include <memory>

namespace tablerix {

class ScratchReplay {
public:
    ScratchReplay();
    // Plays on board, which must stand at the start of a new game; it is left
    // after the last move accepted, with its promotion piece changed.
    explicit ScratchReplay(ChessBrdCore& board) noexcept : board_(board) {}

    // Plays move (a promotion to move.Promotion, a queen when none); false
    // when the board refuses it, and then nothing has changed.
    bool Play(const HalfMove& move);
    // The record has no room for another half-move: the game is as long as
    // a board can hold.
    bool Full() const noexcept;
    // The board played on, standing after the last move accepted.
    const ChessBrdCore& Board() const noexcept { return board_; }
    // The position reached.
    const BoardPosition& Current() const noexcept { return board_.CurrentPosition(); }

private:
    std::unique_ptr<ChessBrdCore> own_;
    ChessBrdCore& board_;
};

}  // namespace tablerix
