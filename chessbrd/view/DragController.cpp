#include "DragController.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>

namespace tablerix {

namespace {
constexpr int kDragThreshold = 5;
}

DragController::DragController(DragHost& host, MoveViewState& moveView, DragImage& picture, const PieceSet& pieces)
    : host_(host), moveView_(moveView), picture_(picture), pieces_(pieces) {}

DragController::~DragController() { Finish(); }

void DragController::Press(QPoint pos, Qt::MouseButton button) {
    if (state_ != State::Idle) return;
    const Square q = host_.DragSquareAt(pos);
    if (!IsOnBoard(q) || host_.DragPieceOn(q) == ' ') return;
    moveView_.SetDragSource(q);
    state_ = State::Armed;
    pressPos_ = lastPos_ = pos;
    button_ = button;
    QWidget& control = host_.DragControl();
    control.grabMouse();
    watched_ = control.window();
    watched_->installEventFilter(this);
    host_.FireStartDrag();
}

void DragController::Move(QPoint pos) {
    if (state_ == State::Idle) return;
    lastPos_ = pos;
    if (state_ == State::Armed) {
        const QPoint d = pos - pressPos_;
        if (std::abs(d.x()) < kDragThreshold && std::abs(d.y()) < kDragThreshold) return;
        state_ = State::Active;
        over_ = false;
    }
    if (OverBoard(pos)) {
        const TDragState query = over_ ? TDragState::dsDragMove : TDragState::dsDragEnter;
        over_ = true;
        const bool accept = Query(pos, query);
        if (state_ != State::Active) return;
        accepted_ = accept;
    } else {
        if (over_) {
            over_ = false;
            const unsigned generation = generation_;
            bool ignored = false;
            host_.FireDragOver(pos, TDragState::dsDragLeave, ignored);
            if (generation != generation_) return;
        }
        accepted_ = false;
    }
    ShowCursor(accepted_);
}

void DragController::Release(QPoint pos, Qt::MouseButton button) {
    if (state_ == State::Idle || button != button_) return;
    lastPos_ = pos;
    if (state_ == State::Armed) {
        Cancel(pos);
        return;
    }
    bool accept = false;
    if (OverBoard(pos)) {
        accept = Query(pos, over_ ? TDragState::dsDragMove : TDragState::dsDragEnter);
        if (state_ != State::Active) return;
    }
    if (accept) Drop(pos);
    else Cancel(pos);
}

bool DragController::OverBoard(QPoint pos) const {
    QWidget& control = host_.DragControl();
    if (!control.rect().contains(pos)) return false;
    QWidget* window = control.window();
    if (window == &control) return true;
    // Another control lying over the board takes the pointer from it.
    QWidget* hit = window->childAt(control.mapTo(window, pos));
    return hit == &control || control.isAncestorOf(hit);
}

QPoint DragController::ImagePosition(QPoint pos) const {
    const int h = host_.DragSquareSize() / 2;
    QWidget& control = host_.DragControl();
    QWidget* window = control.window();
    const QPoint offset = window == &control ? QPoint() : control.mapTo(window, QPoint());
    return pos + offset - QPoint(h, h);
}

bool DragController::Query(QPoint pos, TDragState state) {
    const unsigned generation = generation_;
    bool accept = false;
    host_.FireDragOver(pos, state, accept);
    if (generation != generation_) return false;
    const Square source = moveView_.DragSource();
    const Square target = host_.DragSquareAt(pos);
    if (!picture_.IsUp()) {
        // First query of this drag (or the engine took the picture down).
        host_.LiftPiece(source);
        picture_.Begin(host_.DragControl().window(), pieces_.ImageOf(host_.DragPieceOn(source)), ImagePosition(pos));
    }
    picture_.MoveTo(ImagePosition(pos));
    if (host_.AcceptsDrop(source, target)) accept = true;
    return accept;
}

void DragController::Drop(QPoint pos) {
    const unsigned generation = generation_;
    host_.FireDragDrop(pos);
    if (generation != generation_) return;
    const Square source = moveView_.DragSource();
    picture_.End();
    const Square drop = host_.DragSquareAt(pos);
    moveView_.SetDropSquare(drop);
    // Idle before the move: its handlers may open message boxes.
    Finish();
    bool moved = true;
    if (drop != source) moved = host_.PlayDrop(source, drop);
    if (drop == source || !moved) host_.RestorePiece(source);
    // A drop that a handler accepted but the rules refuse is a failed move.
    if (!moved) host_.FireIllegalMove(source);
    host_.FireEndDrag(pos, true);
}

void DragController::Cancel(QPoint pos) {
    const Square source = moveView_.DragSource();
    picture_.End();
    Finish();
    host_.RestorePiece(source);
    host_.FireIllegalMove(source);
    host_.FireEndDrag(pos, false);
}

void DragController::Finish() {
    if (state_ == State::Idle) return;
    state_ = State::Idle;
    ++generation_;
    over_ = false;
    accepted_ = false;
    QWidget& control = host_.DragControl();
    if (QWidget::mouseGrabber() == &control) control.releaseMouse();
    if (cursorSet_) {
        QGuiApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
    if (watched_) watched_->removeEventFilter(this);
    watched_ = nullptr;
}

void DragController::ShowCursor(bool accept) {
    const QCursor shape(accept ? host_.DragAcceptCursor() : Qt::ForbiddenCursor);
    if (cursorSet_) {
        QGuiApplication::changeOverrideCursor(shape);
    } else {
        QGuiApplication::setOverrideCursor(shape);
        cursorSet_ = true;
    }
}

void DragController::CancelDrag() {
    if (state_ != State::Idle) Cancel(lastPos_);
}

bool DragController::eventFilter(QObject* watched, QEvent* event) {
    // A modal window takes the pointer away from the board's window.
    if (watched == watched_ && event->type() == QEvent::WindowBlocked) CancelDrag();
    return QObject::eventFilter(watched, event);
}

}  // namespace tablerix
