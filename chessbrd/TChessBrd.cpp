#include "TChessBrd.h"

#include "BoardPainter.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

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
    resize(8 * style_.SizeOfSquare + 2 * style_.SizeOfBorder, 8 * style_.SizeOfSquare + 2 * style_.SizeOfBorder);
    // The engine (EngineBoard) is parked until the first paint's StartThinking.
}

// The worker is parked and ended before the view goes away, and never calls
// into the board again.
TChessBrd::~TChessBrd() { ShutDownEngine(); }

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
    BoardPainter(surface_, style_, pieces_).PaintAll(Board());
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
    }
    inPaintEvent_ = false;
}

// ---------------------------------------------------------------- mouse

void TChessBrd::mousePressEvent(QMouseEvent* event) {
    if (drag_.Busy()) return;  // the drag owns the pointer until it ends
    const QPoint pos = event->position().toPoint();
    if (OnMouseDown) OnMouseDown(*this, event->button(), event->modifiers(), pos.x(), pos.y());
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
        drag_.Release(pos, event->button());
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
    const bool handled = QWidget::event(event);
    AskCustomEngineAgain();
    return handled;
}

}  // namespace tablerix
