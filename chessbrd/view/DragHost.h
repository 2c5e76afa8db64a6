#pragma once
// What a drag needs of the board it runs on (DragController): the control
// that grabs the pointer, what stands where, the board's drawing, its move
// and its drag events. The board control implements it, so that the view
// does not depend on the control.
//
// Ownership: the host owns the controller and outlives it.
// Threads: user-interface thread only.

#include "ChessTypes.h"
#include "ViewEvents.h"

#include <QPoint>

class QWidget;

namespace tablerix {

class DragHost {
public:
    // The control the pointer is grabbed for; positions are in its coordinates.
    virtual QWidget& DragControl() noexcept = 0;
    virtual Square DragSquareAt(QPoint pos) const noexcept = 0;
    // The piece letter on the square, ' ' for none.
    virtual char DragPieceOn(Square sq) const noexcept = 0;
    virtual int DragSquareSize() const noexcept = 0;
    // The pointer shape over a square that accepts the drop.
    virtual Qt::CursorShape DragAcceptCursor() const noexcept = 0;

    // The square without its piece, and the grid over it, shown at once.
    virtual void LiftPiece(Square sq) = 0;
    // The piece standing on the square drawn again, shown at once.
    virtual void RestorePiece(Square sq) = 0;
    // The board's own answer: the engine is not thinking and the drop is the
    // source square or a legal move.
    virtual bool AcceptsDrop(Square source, Square target) const = 0;
    // Enters the move; false when the rules refuse it.
    virtual bool PlayDrop(Square source, Square target) = 0;

    // The board's events, each fired only when assigned. They may end the
    // drag or open a modal window.
    virtual void FireStartDrag() = 0;
    virtual void FireDragOver(QPoint pos, TDragState state, bool& accept) = 0;
    virtual void FireDragDrop(QPoint pos) = 0;
    // dropped: the drag ended on the board rather than being cancelled.
    virtual void FireEndDrag(QPoint pos, bool dropped) = 0;
    virtual void FireIllegalMove(Square source) = 0;

protected:
    DragHost() = default;
    ~DragHost() = default;
    DragHost(const DragHost&) = default;
    DragHost& operator=(const DragHost&) = default;
};

}  // namespace tablerix
