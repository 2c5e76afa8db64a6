#pragma once
// How the board shows a move: whether it slides the piece across
// (AnimateMoves), how slowly (AnimationDelay), and the last drag the user
// made (DragSource, DropSquare), whose move is not slid because the piece
// is already there. Plain values.
//
// Ownership: TChessBrd owns one and shows it through its published
// properties; its DragController sets the drag squares. User-interface thread.

#include "ChessTypes.h"

namespace tablerix {

class MoveViewState {
public:
    bool AnimateMoves() const noexcept { return animateMoves_; }
    void SetAnimateMoves(bool v) noexcept { animateMoves_ = v; }
    // Each one-pixel step of a slide is held at least this + 1 ms (MoveAnimator).
    int AnimationDelay() const noexcept { return animationDelay_; }
    void SetAnimationDelay(int v) noexcept { animationDelay_ = v; }

    // Where the latest drag was pressed; kept after it ends.
    Square DragSource() const noexcept { return dragSource_; }
    void SetDragSource(Square s) noexcept { dragSource_ = s; }
    // Where the latest drag was dropped; kept after the move.
    Square DropSquare() const noexcept { return dropSquare_; }
    void SetDropSquare(Square s) noexcept { dropSquare_ = s; }

    // A move is slid when AnimateMoves is on and it is not the drag last
    // dropped (the same squares later, replayed after going back, count as
    // that drag too).
    bool Slides(Square fromSq, Square toSq) const noexcept {
        return animateMoves_ && (fromSq != dragSource_ || toSq != dropSquare_);
    }

private:
    bool animateMoves_ = true;
    int animationDelay_ = 0;
    Square dragSource_ = Square::None;
    Square dropSquare_ = Square::None;
};

}  // namespace tablerix
