#include "TChessBrd.h"

#include "BoardAccessible.h"
#include "BoardPainter.h"
#include "SquareMarks.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstddef>

namespace tablerix {

namespace {

constexpr int kDotsPerMeter96Dpi = 3780;  // fonts are sized as on a 96 dpi screen

// The board's own copy of a texture, in the surface's pixel format.
QImage TextureCopy(const QImage& v) {
    return PieceSet::IsUsableBitmap(v) ? v.convertToFormat(QImage::Format_RGB32) : QImage();
}

}  // namespace

TChessBrd::TChessBrd(QWidget* parent) : QWidget(parent) {
    LoadDefaultPieceSet();
    PreparePieceImages();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // the resize corner changes the pointer without a button
    setFocusPolicy(Qt::StrongFocus);
    resize(8 * style_.SizeOfSquare + 2 * style_.SizeOfBorder, 8 * style_.SizeOfSquare + 2 * style_.SizeOfBorder);
    spoken_ = Position();
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&TChessBrd::AccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    // A screen reader may have met the plain widget while it was being built.
    if (QAccessible::isActive()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(this);
        if (iface && !dynamic_cast<BoardAccessible*>(iface))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
    // The engine (EngineBoard) is parked until the first paint's StartThinking.
}

// The worker is parked and ended before the view goes away, and never calls
// into the board again. The accessible table goes first: it reads the board.
TChessBrd::~TChessBrd() {
    destroying_ = true;
    if (accessible_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible_));
    ShutDownEngine();
}

// ---------------------------------------------------------------- setters

void TChessBrd::SetBoardLines(bool v) {
    style_.BoardLines = v;
    Paint();
}

void TChessBrd::SetBorderBitmap(const QImage& v) {
    style_.BorderBitmap = TextureCopy(v);
    Paint();
}

void TChessBrd::SetBorderColor(const QColor& v) {
    style_.BorderColor = v;
    Paint();
}

void TChessBrd::SetCoordFont(const QFont& font) {
    style_.CoordFont = font;
    Paint();
}

void TChessBrd::SetCoordFont(const QFont& font, const QColor& colour) {
    style_.CoordFont = font;
    style_.CoordColor = colour;
    Paint();
}

void TChessBrd::SetDisplayCoords(CoordSet v) {
    style_.DisplayCoords = v;
    Paint();
}

void TChessBrd::SetLineStyle(const QPen& v) {
    style_.LineStyle = v;
    Paint();
}

void TChessBrd::SetSquareColorDark(const QColor& v) {
    style_.SquareColorDark = v;
    Paint();
}

void TChessBrd::SetSquareColorLight(const QColor& v) {
    style_.SquareColorLight = v;
    Paint();
}

void TChessBrd::SetSquareDark(const QImage& v) {
    style_.SquareDark = TextureCopy(v);
    Paint();
}

void TChessBrd::SetSquareLight(const QImage& v) {
    style_.SquareLight = TextureCopy(v);
    Paint();
}

void TChessBrd::SetWhiteOnTop(bool v) {
    style_.WhiteOnTop = v;
    Paint();
}

void TChessBrd::SetCustomPieceSet(const std::optional<QImage>& v) {
    if (!pieces_.SetCustomPieceSet(v)) return;
    PreparePieceImages();
    Paint();
}

void TChessBrd::SetSizeOfSquare(int v) {
    style_.SizeOfSquare = std::clamp(v, BoardStyle::kMinSquareSize, BoardStyle::kMaxSquareSize);
    resize(8 * style_.SizeOfSquare + 2 * style_.SizeOfBorder, height());
}

void TChessBrd::SetSizeOfBorder(int v) {
    style_.SizeOfBorder = std::clamp(v, 0, BoardStyle::kMaxBorderSize);
    style_.OriginX = style_.OriginY = style_.SizeOfBorder;
    resize(8 * style_.SizeOfSquare + 2 * style_.SizeOfBorder, height());
}

// ---------------------------------------------------------------- drawing

bool TChessBrd::SurfaceCurrent() const noexcept { return !surface_.isNull() && surface_.size() == size(); }

bool TChessBrd::RenderAll() {
    if (rendering_ || loadingProperties_) return false;
    rendering_ = true;
    if (OnPaint) OnPaint(*this);
    if (!painted_) PreparePieceImages();
    const int b = style_.SizeOfBorder;
    style_.SizeOfSquare = BoardGeometry::FittedSquareSize(width(), height(), b);
    const int side = 8 * style_.SizeOfSquare + 2 * b;
    if (width() != side || height() != side) resize(side, side);
    if (surface_.width() != side || surface_.height() != side) {
        surface_ = QImage(side, side, QImage::Format_RGB32);
        surface_.setDotsPerMeterX(kDotsPerMeter96Dpi);
        surface_.setDotsPerMeterY(kDotsPerMeter96Dpi);
    }
    std::array<char, 66> shown = Board();
    if (const Square lifted = LiftedSquare(); IsOnBoard(lifted)) shown[static_cast<std::size_t>(ToInt(lifted))] = ' ';
    BoardPainter(surface_, style_, pieces_).PaintAll(shown);
    rendering_ = false;
    if (!painted_) {
        painted_ = true;
        StartThinking();
        engineTimer_.setInterval(500);
        connect(&engineTimer_, &QTimer::timeout, this, [this] { AskCustomEngineAgain(); });
        engineTimer_.start();
    }
    return true;
}

Square TChessBrd::LiftedSquare() const noexcept { return dragImage_.IsUp() ? moveView_.DragSource() : Square::None; }

void TChessBrd::Paint() {
    if (RenderAll()) Show(QRegion(rect()));
}

void TChessBrd::Show(const QRegion& area) {
    if (area.isEmpty() || !isVisible()) return;
    pendingShow_ += area;
    // Qt refuses a nested repaint; the running paint event shows the surface anyway.
    if (inPaintEvent_) update(area);
    else repaint(area);
}

void TChessBrd::RepaintSquare(Square sq) {
    if (!SurfaceCurrent()) return;  // a full paint is due and will show it
    QRect changed;
    {
        BoardPainter painter(surface_, style_, pieces_);
        changed = painter.RepaintSquare(sq);
    }
    Show(changed);
}

void TChessBrd::DrawPiece(Square sq, char letter) {
    if (!SurfaceCurrent()) return;
    QRect changed;
    {
        BoardPainter painter(surface_, style_, pieces_);
        changed = painter.DrawPiece(sq, letter);
    }
    Show(changed);
}

void TChessBrd::DrawGrid() {
    if (!SurfaceCurrent() || !style_.BoardLines) return;
    QRegion changed;
    {
        BoardPainter painter(surface_, style_, pieces_);
        changed = painter.DrawGrid();
    }
    Show(changed);
}

void TChessBrd::SlidePiece(Square fromSq, Square toSq) {
    if (!moveView_.Slides(fromSq, toSq)) return;
    DrawGrid();
    AnimateMove(fromSq, toSq, moveView_.AnimationDelay());
}

void TChessBrd::AnimateMove(Square fromSq, Square toSq, int delay) {
    if (dragImage_.IsUp()) {
        // A human drag is showing its picture: no slide, and the picture goes.
        dragImage_.End();
        return;
    }
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq)) return;
    const char piece = Board()[static_cast<std::size_t>(ToInt(fromSq))];
    QWidget* win = window();
    const QPoint offset = win == this ? QPoint() : mapTo(win, QPoint());
    animator_.Animate(win, pieces_.ImageOf(piece), SquareOrigin(fromSq) + offset, SquareOrigin(toSq) + offset,
                      piece == 'N' || piece == 'n', delay);
}

Square TChessBrd::SquareFromPoint(int x, int y) const noexcept {
    return BoardGeometry::Of(style_).SquareFromPoint(x, y);
}

QPoint TChessBrd::SquareOrigin(Square sq) const noexcept { return BoardGeometry::Of(style_).SquareOrigin(sq); }

void TChessBrd::paintEvent(QPaintEvent* event) {
    // Only copying the surface: the board's own drawing shown by Show, or the
    // drag picture moving over the board (no square under it is redrawn).
    // Any other paint comes from the window system and is a full Paint.
    const bool ownDrawing = SurfaceCurrent() && (dragImage_.Composing() || (event->region() - pendingShow_).isEmpty());
    pendingShow_ = QRegion();
    inPaintEvent_ = true;
    if (!ownDrawing) RenderAll();
    if (!surface_.isNull()) {
        QPainter p(this);
        for (const QRect& r : event->region()) p.drawImage(r, surface_, r);
        // The marks live on screen only, so the surface stays the plain board.
        p.setClipRegion(event->region());
        const BoardGeometry geometry = BoardGeometry::Of(style_);
        if (IsOnBoard(selected_)) SquareMarks::DrawSelection(p, geometry.SquareRect(selected_));
        if (frameShown_ && hasFocus()) SquareMarks::DrawFocusFrame(p, geometry.SquareRect(keys_.Cursor()));
    }
    inPaintEvent_ = false;
}

void TChessBrd::ShowSquare(Square sq) {
    if (IsOnBoard(sq) && SurfaceCurrent()) Show(QRegion(BoardGeometry::Of(style_).SquareRect(sq)));
}

void TChessBrd::ShowFrame(bool shown) {
    if (frameShown_ == shown) return;
    frameShown_ = shown;
    ShowSquare(keys_.Cursor());
}

// ---------------------------------------------------------------- mouse

void TChessBrd::mousePressEvent(QMouseEvent* event) {
    if (drag_.Busy()) return;  // the drag owns the pointer until it ends
    const QPoint pos = event->position().toPoint();
    if (OnMouseDown) OnMouseDown(*this, event->button(), event->modifiers(), pos.x(), pos.y());
    // A pointer user does not need the keyboard's frame; the cursor follows
    // the press so that the keys carry on from there.
    ShowFrame(false);
    const Square sq = SquareFromPoint(pos.x(), pos.y());
    keys_.SetCursor(sq);
    const Square picked = selected_;
    if (IsOnBoard(picked) && event->button() == Qt::LeftButton && CanPlay(picked, sq)) {
        Play(picked, sq);
        return;
    }
    PickUp(Square::None);
    droppedByPress_ = IsOnBoard(picked) && sq == picked ? sq : Square::None;
    drag_.Press(pos, event->button());
}

void TChessBrd::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (drag_.Busy()) {
        drag_.Move(pos);
        return;
    }
    if (OnMouseMove) OnMouseMove(*this, event->modifiers(), pos.x(), pos.y());
    resizer_.Move(pos, event->buttons().testFlag(Qt::LeftButton));
}

void TChessBrd::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (drag_.Busy()) {
        // A left click on a piece, the drag's cancel: it stays picked up,
        // unless that press has just dropped it.
        const bool click = drag_.Armed() && event->button() == Qt::LeftButton;
        drag_.Release(pos, event->button());
        const Square source = DragSource();
        if (click && !drag_.Busy() && source != droppedByPress_ && CanPickUp(source)) PickUp(source);
    } else if (OnMouseUp) {
        OnMouseUp(*this, event->button(), event->modifiers(), pos.x(), pos.y());
    }
    resizer_.Release();
}

void TChessBrd::hideEvent(QHideEvent* event) {
    // A hidden board cannot keep the pointer grabbed.
    drag_.CancelDrag();
    QWidget::hideEvent(event);
}

// ---------------------------------------------------------------- keyboard

void TChessBrd::keyPressEvent(QKeyEvent* event) {
    if (!keys_.Claims(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    ShowFrame(true);
    keys_.Press(*event);
}

void TChessBrd::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::MouseFocusReason) frameShown_ = false;
    else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) frameShown_ = true;
    ShowSquare(keys_.Cursor());
    // After Qt's own focus event for the whole board, so the cell is what is heard.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) TellCell(QAccessible::Focus, keys_.Cursor());
    });
}

void TChessBrd::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    ShowSquare(keys_.Cursor());
}

void TChessBrd::CursorMoved(Square from, Square to) {
    ShowSquare(from);
    ShowSquare(to);
    if (hasFocus()) TellCell(QAccessible::Focus, to);
}

void TChessBrd::PickUp(Square sq) {
    if (sq == selected_) return;
    const Square old = selected_;
    selected_ = sq;
    ShowSquare(old);
    ShowSquare(sq);
    TellCellState(old);
    TellCellState(sq);
}

bool TChessBrd::CanPickUp(Square sq) const {
    return IsOnBoard(sq) && !Thinking() && !drag_.Busy() && PieceColor(sq) == (WhiteToMove() ? 1 : 0);
}

bool TChessBrd::CanPlay(Square fromSq, Square toSq) const {
    return !Thinking() && !drag_.Busy() && IsLegalMove(fromSq, toSq);
}

void TChessBrd::Play(Square fromSq, Square toSq) {
    PickUp(Square::None);
    MakeMove(fromSq, toSq);
}

void TChessBrd::FireTypedEntryChanged(const std::string& text) {
    if (OnTypedEntryChanged) OnTypedEntryChanged(*this, text);
}

void TChessBrd::FireTypedMove(const std::string& text) {
    if (OnTypedMove) OnTypedMove(*this, text);
}

void TChessBrd::PositionChanged() {
    EngineBoard::PositionChanged();
    PickUp(Square::None);
    const std::string now = Position();
    if (QAccessible::isActive()) {
        for (int i = 1; i <= 64; ++i)
            if (spoken_.size() != now.size() || spoken_[i - 1] != now[i - 1])
                TellCell(QAccessible::NameChanged, ToSquare(i));
    }
    spoken_ = now;
}

// ---------------------------------------------------------------- accessibility

QAccessibleInterface* TChessBrd::AccessibleFactory(const QString&, QObject* object) {
    auto* board = qobject_cast<TChessBrd*>(object);
    if (!board || board->destroying_) return nullptr;
    board->accessible_ = new BoardAccessible(board, *board);  // Qt's cache takes it
    return board->accessible_;
}

Square TChessBrd::AccessSquareAtCell(QPoint cell) const noexcept {
    return BoardGeometry::Of(style_).SquareAtCell(cell);
}

QPoint TChessBrd::AccessCellOf(Square sq) const noexcept { return BoardGeometry::Of(style_).ScreenCell(sq); }

QRect TChessBrd::AccessSquareRect(Square sq) const noexcept {
    return IsOnBoard(sq) ? BoardGeometry::Of(style_).SquareRect(sq) : QRect();
}

void TChessBrd::TellCell(QAccessible::Event type, Square sq) {
    if (!QAccessible::isActive() || !IsOnBoard(sq)) return;
    const QPoint cell = AccessCellOf(sq);
    QAccessibleEvent event(this, type);
    event.setChild(cell.y() * 8 + cell.x());
    QAccessible::updateAccessibility(&event);
}

void TChessBrd::TellCellState(Square sq) {
    if (!QAccessible::isActive() || !IsOnBoard(sq)) return;
    QAccessible::State changed;
    changed.selected = true;
    const QPoint cell = AccessCellOf(sq);
    QAccessibleStateChangeEvent event(this, changed);
    event.setChild(cell.y() * 8 + cell.x());
    QAccessible::updateAccessibility(&event);
}

// ---------------------------------------------------------------- drag host

char TChessBrd::DragPieceOn(Square sq) const noexcept { return Board()[static_cast<std::size_t>(ToInt(sq))]; }

void TChessBrd::LiftPiece(Square sq) {
    RepaintSquare(sq);
    DrawGrid();
}

void TChessBrd::RestorePiece(Square sq) { DrawPiece(sq, DragPieceOn(sq)); }

bool TChessBrd::AcceptsDrop(Square source, Square target) const {
    return !Thinking() && (target == source || IsLegalMove(source, target));
}

void TChessBrd::FireStartDrag() {
    if (OnStartDrag) OnStartDrag(*this);
}

void TChessBrd::FireDragOver(QPoint pos, TDragState state, bool& accept) {
    if (OnDragOver) OnDragOver(*this, this, pos.x(), pos.y(), state, accept);
}

void TChessBrd::FireDragDrop(QPoint pos) {
    if (OnDragDrop) OnDragDrop(*this, this, pos.x(), pos.y());
}

void TChessBrd::FireEndDrag(QPoint pos, bool dropped) {
    if (OnEndDrag) OnEndDrag(*this, dropped ? this : nullptr, pos.x(), pos.y());
}

void TChessBrd::FireIllegalMove(Square source) {
    if (OnIllegalMove) OnIllegalMove(*this, source);
}

// ---------------------------------------------------------------- custom engine

bool TChessBrd::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && keys_.Claims(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        AskCustomEngineAgain();
        return true;
    }
    const bool handled = QWidget::event(event);
    AskCustomEngineAgain();
    return handled;
}

}  // namespace tablerix
