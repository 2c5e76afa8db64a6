#pragma once
// Moving a piece with the mouse. A press on a piece arms a drag and grabs the
// pointer; 5 pixels of movement along either axis start it. While it is
// active the piece picture (the board's drag image) follows the pointer over
// the board, the square below is asked whether it accepts, and the pointer
// shows the drag or the no-drop shape. Releasing the button that armed it
// drops the piece (MakeMove) or cancels (piece redrawn, OnIllegalMove). A
// modal window opening meanwhile cancels the drag. Owned by the board
// control; works on it through its DragHost side, and records the drag's
// squares in the board's move view state. User-interface thread only.

#include "ChessTypes.h"
#include "DragHost.h"
#include "DragImage.h"
#include "MoveViewState.h"
#include "PieceSet.h"
#include "ViewEvents.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace tablerix {

class DragController : public QObject {
    Q_OBJECT
public:
    // All four belong to the board and must outlive the controller; the
    // picture is the board's drag image, the pieces its piece set.
    DragController(DragHost& host, MoveViewState& moveView, DragImage& picture, const PieceSet& pieces);
    ~DragController() override;

    // Mouse events of the board, positions in its coordinates, after the
    // board's own OnMouseDown has fired.
    void Press(QPoint pos, Qt::MouseButton button);
    void Move(QPoint pos);
    void Release(QPoint pos, Qt::MouseButton button);

    // Ends an armed or active drag as a cancel at the last pointer position
    // (piece redrawn, OnIllegalMove, OnEndDrag); nothing when idle.
    void CancelDrag();

    // A drag is armed or active.
    bool Busy() const noexcept { return state_ != State::Idle; }
    // A press armed a drag and the pointer has not yet moved far enough to
    // start it: a release now is a click on the piece.
    bool Armed() const noexcept { return state_ == State::Armed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { Idle, Armed, Active };

    bool OverBoard(QPoint pos) const;
    QPoint ImagePosition(QPoint pos) const;
    // One drag-over query at pos; false also when a handler ended the drag.
    bool Query(QPoint pos, TDragState state);
    void Drop(QPoint pos);
    void Cancel(QPoint pos);
    // Back to idle: pointer released, pointer shape restored, no event fired.
    void Finish();
    void ShowCursor(bool accept);

    DragHost& host_;
    MoveViewState& moveView_;
    DragImage& picture_;
    const PieceSet& pieces_;
    State state_ = State::Idle;
    QPoint pressPos_;
    QPoint lastPos_;
    Qt::MouseButton button_ = Qt::NoButton;
    bool over_ = false;
    bool accepted_ = false;
    bool cursorSet_ = false;
    QPointer<QWidget> watched_;
    unsigned generation_ = 0;  // changes whenever a drag ends
};

}  // namespace tablerix
