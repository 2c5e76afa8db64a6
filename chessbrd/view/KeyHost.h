#pragma once
// What keyboard entry (KeyboardEntry) needs of the board it runs on: the
// picked-up piece shared with click-then-click, whether a piece may be
// picked up or a move played now, the move itself, and the board's events.
// The board control implements it, so that the view does not depend on it.
//
// Ownership: the host owns the keyboard entry and outlives it.
// Threads: user-interface thread only.

#include "ChessTypes.h"

#include <string>

namespace tablerix {

class KeyHost {
public:
    // The cursor went from one square to another: redraw both, tell the
    // screen reader.
    virtual void CursorMoved(Square from, Square to) = 0;
    // The picked-up square; None when nothing is picked up.
    virtual Square PickedUp() const noexcept = 0;
    // Marks sq as picked up (None drops the pick-up), shown at once.
    virtual void PickUp(Square sq) = 0;
    // A piece of the side to move stands there and the board takes moves now.
    virtual bool CanPickUp(Square sq) const = 0;
    // The board takes moves now and fromSq -> toSq is legal.
    virtual bool CanPlay(Square fromSq, Square toSq) const = 0;
    // Drops the pick-up and enters the move as a drop does (MakeMove).
    virtual void Play(Square fromSq, Square toSq) = 0;
    // The board's typed-entry events, each fired only when assigned.
    virtual void FireTypedEntryChanged(const std::string& text) = 0;
    virtual void FireTypedMove(const std::string& text) = 0;

protected:
    KeyHost() = default;
    ~KeyHost() = default;
    KeyHost(const KeyHost&) = default;
    KeyHost& operator=(const KeyHost&) = default;
};

}  // namespace tablerix
