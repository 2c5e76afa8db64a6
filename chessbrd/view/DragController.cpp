#include "DragController.h"

#include "TChessBrd.h"

#include <QEvent>
#include <QGuiApplication>

#include <cstdlib>

namespace tablerix {

namespace {
constexpr int kDragThreshold = 5;
}

DragController::DragController(TChessBrd& board, MoveViewState& moveView) : board_(board), moveView_(moveView) {}

DragController::~DragController() { Finish(); }

void DragController::Press(QPoint pos, Qt::MouseButton button) {
    if (state_ != State::Idle) return;
    const Square q = board_.SquareFromPoint(pos.x(), pos.y());
    if (!IsOnBoard(q) || board_.Board()[static_cast<std::size_t>(ToInt(q))] == ' ') return;
    moveView_.SetDragSource(q);
    state_ = State::Armed;
    pressPos_ = lastPos_ = pos;
    button_ = button;
    board_.grabMouse();
    watched_ = board_.window();
    watched_->installEventFilter(this);
    if (board_.OnStartDrag) board_.OnStartDrag(board_);
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
            if (board_.OnDragOver)
                board_.OnDragOver(board_, &board_, pos.x(), pos.y(), TDragState::dsDragLeave, ignored);
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
    if (!board_.rect().contains(pos)) return false;
    QWidget* window = board_.window();
    if (window == &board_) return true;
    // Another control lying over the board takes the pointer from it.
    QWidget* hit = window->childAt(board_.mapTo(window, pos));
    return hit == &board_ || board_.isAncestorOf(hit);
}

QPoint DragController::ImagePosition(QPoint pos) const {
    const int h = board_.SizeOfSquare() / 2;
    QWidget* window = board_.window();
    const QPoint offset = window == &board_ ? QPoint() : board_.mapTo(window, QPoint());
    return pos + offset - QPoint(h, h);
}

bool DragController::Query(QPoint pos, TDragState state) {
    const unsigned generation = generation_;
    bool accept = false;
    if (board_.OnDragOver) board_.OnDragOver(board_, &board_, pos.x(), pos.y(), state, accept);
    if (generation != generation_) return false;
    const Square source = moveView_.DragSource();
    const Square target = board_.SquareFromPoint(pos.x(), pos.y());
    DragImage& image = board_.DragPicture();
    if (!image.IsUp()) {
        // First query of this drag (or the engine took the picture down).
        board_.RepaintSquare(source);
        board_.DrawGrid();
        image.Begin(board_.window(), board_.Pieces().ImageOf(board_.Board()[static_cast<std::size_t>(ToInt(source))]),
                    ImagePosition(pos));
    }
    image.MoveTo(ImagePosition(pos));
    if (!board_.Thinking() && (target == source || board_.IsLegalMove(source, target))) accept = true;
    return accept;
}

void DragController::Drop(QPoint pos) {
    const unsigned generation = generation_;
    if (board_.OnDragDrop) board_.OnDragDrop(board_, &board_, pos.x(), pos.y());
    if (generation != generation_) return;
    const Square source = moveView_.DragSource();
    board_.DragPicture().End();
    const Square drop = board_.SquareFromPoint(pos.x(), pos.y());
    moveView_.SetDropSquare(drop);
    // Idle before the move: its handlers may open message boxes.
    Finish();
    bool moved = true;
    if (drop != source) moved = board_.MakeMove(source, drop);
    if (drop == source || !moved) board_.DrawPiece(source, board_.Board()[static_cast<std::size_t>(ToInt(source))]);
    // A drop that a handler accepted but the rules refuse is a failed move.
    if (!moved && board_.OnIllegalMove) board_.OnIllegalMove(board_, source);
    if (board_.OnEndDrag) board_.OnEndDrag(board_, &board_, pos.x(), pos.y());
}

void DragController::Cancel(QPoint pos) {
    const Square source = moveView_.DragSource();
    board_.DragPicture().End();
    Finish();
    board_.DrawPiece(source, board_.Board()[static_cast<std::size_t>(ToInt(source))]);
    if (board_.OnIllegalMove) board_.OnIllegalMove(board_, source);
    if (board_.OnEndDrag) board_.OnEndDrag(board_, nullptr, pos.x(), pos.y());
}

void DragController::Finish() {
    if (state_ == State::Idle) return;
    state_ = State::Idle;
    ++generation_;
    over_ = false;
    accepted_ = false;
    if (QWidget::mouseGrabber() == &board_) board_.releaseMouse();
    if (cursorSet_) {
        QGuiApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
    if (watched_) watched_->removeEventFilter(this);
    watched_ = nullptr;
}

void DragController::ShowCursor(bool accept) {
    const QCursor shape(accept ? board_.DragCursor() : Qt::ForbiddenCursor);
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
