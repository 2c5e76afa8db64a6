#pragma once
// The board component: a Qt control over the rules core and its engine
// (EngineBoard, which runs the engine on a worker thread). It fills the view
// seams: it draws the board onto a surface image of its own and shows it
// (view/BoardPainter), takes moves by dragging (view/DragController, which
// works on the board through its private view/DragHost side) and
// slides moves (view/MoveAnimator, as view/MoveViewState says). The visual
// setters repaint at once. It takes the keyboard focus: a square cursor,
// picking a piece up and typed text (view/KeyboardEntry, through its private
// view/KeyHost side); a click on a piece picks it up too, and a press on one
// of its legal targets then plays the move. A screen reader sees it as a
// table of 64 squares (access/BoardAccessible, through its private
// access/AccessHost side).
//
// Ownership: the board owns copies of every image, font and pen it is given,
// its surface, its timer and its view helpers; the engine side (settings,
// published position, worker) belongs to its EngineBoard part.
//
// Threads: all members are for the user-interface thread, except those
// EngineBoard names for any thread.

#include "AccessHost.h"
#include "BoardStyle.h"
#include "CornerResizer.h"
#include "DragController.h"
#include "DragHost.h"
#include "DragImage.h"
#include "EngineBoard.h"
#include "KeyHost.h"
#include "KeyboardEntry.h"
#include "MoveAnimator.h"
#include "MoveViewState.h"
#include "PieceSet.h"
#include "ViewEvents.h"

#include <QAccessible>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>

class QAccessibleInterface;

namespace tablerix {

class BoardAccessible;

class TChessBrd : public QWidget, public EngineBoard, private DragHost, private KeyHost, private AccessHost {
    Q_OBJECT
public:
    explicit TChessBrd(QWidget* parent = nullptr);
    // Shuts the engine down before anything the worker's moves reach goes away.
    ~TChessBrd() override;

    // ---- Move display: plain fields (view/MoveViewState) ----
    bool AnimateMoves() const noexcept { return moveView_.AnimateMoves(); }
    void SetAnimateMoves(bool v) noexcept { moveView_.SetAnimateMoves(v); }
    int AnimationDelay() const noexcept { return moveView_.AnimationDelay(); }
    void SetAnimationDelay(int v) noexcept { moveView_.SetAnimationDelay(v); }
    Square DragSource() const noexcept { return moveView_.DragSource(); }
    Square DropSquare() const noexcept { return moveView_.DropSquare(); }

    // ---- Look: these setters store and repaint at once ----
    bool BoardLines() const noexcept { return style_.BoardLines; }
    void SetBoardLines(bool v);
    QImage BorderBitmap() const { return style_.BorderBitmap; }
    void SetBorderBitmap(const QImage& v);  // a null image: plain BorderColor
    QColor BorderColor() const { return style_.BorderColor; }
    void SetBorderColor(const QColor& v);
    QFont CoordFont() const { return style_.CoordFont; }
    QColor CoordFontColor() const { return style_.CoordColor; }
    void SetCoordFont(const QFont& font);
    void SetCoordFont(const QFont& font, const QColor& colour);
    CoordSet DisplayCoords() const noexcept { return style_.DisplayCoords; }
    void SetDisplayCoords(CoordSet v);
    QPen LineStyle() const { return style_.LineStyle; }
    void SetLineStyle(const QPen& v);
    QColor SquareColorDark() const { return style_.SquareColorDark; }
    void SetSquareColorDark(const QColor& v);
    QColor SquareColorLight() const { return style_.SquareColorLight; }
    void SetSquareColorLight(const QColor& v);
    QImage SquareDark() const { return style_.SquareDark; }
    void SetSquareDark(const QImage& v);  // a null image: plain SquareColorDark
    QImage SquareLight() const { return style_.SquareLight; }
    void SetSquareLight(const QImage& v);
    bool WhiteOnTop() const noexcept { return style_.WhiteOnTop; }
    void SetWhiteOnTop(bool v);
    // No bitmap (nullopt) brings back the built-in set; a bitmap that is not
    // 1.5 times as wide as high, or is empty, is ignored silently. Otherwise
    // rebuild and repaint. Reads as a null image while there is none.
    QImage CustomPieceSet() const { return pieces_.CustomPieceSet(); }
    void SetCustomPieceSet(const std::optional<QImage>& v);

    // ---- Size: these set the width; the next paint squares the control ----
    int SizeOfSquare() const noexcept { return style_.SizeOfSquare; }
    void SetSizeOfSquare(int v);  // kept within 1..BoardStyle::kMaxSquareSize
    int SizeOfBorder() const noexcept { return style_.SizeOfBorder; }
    void SetSizeOfBorder(int v);  // kept within 0..BoardStyle::kMaxBorderSize; also the origin
    int OriginX() const noexcept { return style_.OriginX; }
    int OriginY() const noexcept { return style_.OriginY; }
    bool Resizable() const noexcept { return resizer_.Resizable(); }
    void SetResizable(bool v) noexcept { resizer_.SetResizable(v); }
    int ResizeMinSize() const noexcept { return resizer_.ResizeMinSize(); }
    void SetResizeMinSize(int v) noexcept { resizer_.SetResizeMinSize(v); }
    int ResizeMaxSize() const noexcept { return resizer_.ResizeMaxSize(); }
    void SetResizeMaxSize(int v) noexcept { resizer_.SetResizeMaxSize(v); }
    bool Resizing() const noexcept { return resizer_.Resizing(); }

    // ---- Drag entry ----
    Qt::CursorShape DragCursor() const noexcept { return dragCursor_; }
    void SetDragCursor(Qt::CursorShape v) noexcept { dragCursor_ = v; }
    TDragMode DragMode() const noexcept { return dragMode_; }
    void SetDragMode(TDragMode v) noexcept { dragMode_ = v; }
    bool Dragging() const noexcept { return drag_.Busy(); }  // a drag is armed or active

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TStartDragEvent OnStartDrag;  // a press on a piece armed a drag
    TDragOverEvent OnDragOver;    // before the board's own answer
    TDragDropEvent OnDragDrop;    // before the board's own handling
    TEndDragEvent OnEndDrag;      // after the drop or cancel

    // ---- Keyboard and click-then-click (view/KeyboardEntry says which keys) ----
    // The keyboard cursor's square; e2 at first. Drawn as a frame while the
    // board has the focus, unless a mouse press came after the last key.
    Square KeyCursor() const noexcept { return keys_.Cursor(); }
    void SetKeyCursor(Square sq) { keys_.SetCursor(sq); }  // squares off the board are ignored
    // The piece picked up by Return/Space or by a click (a press and release
    // without a drag) on a piece of the side to move, marked on its square;
    // None when nothing is. Any move, navigation or position change drops it.
    Square Selected() const noexcept { return selected_; }
    // The typed buffer, UTF-8; the board never reads it as a move.
    std::string TypedEntry() const { return keys_.Text(); }
    TTextEvent OnTypedMove;          // Return with typed text; the buffer is already empty
    TTextEvent OnTypedEntryChanged;  // every change of the buffer; empty text once cleared

    // ---- Pieces ----
    const PieceSet& Pieces() const noexcept { return pieces_; }
    void LoadDefaultPieceSet() { pieces_.LoadDefaultPieceSet(); }
    void PreparePieceImages() { pieces_.PreparePieceImages(); }
    int PieceCellSize() const noexcept { return pieces_.PieceCellSize(); }
    int ImageIndexOf(char letter) const noexcept { return pieces_.ImageIndexOf(letter); }

    // ---- Drawing ----
    // Fires OnPaint, squares the control, redraws everything and shows it.
    // Also run for every paint the window system asks for (expose, show),
    // but not for the board's own drawing reaching the screen.
    void Paint() override;
    // While the owner applies its stored settings, Paint does nothing at all:
    // no OnPaint, no drawing, no first-paint actions. Those wait for the
    // first paint after EndLoadingProperties, normally the first on screen.
    void BeginLoadingProperties() noexcept { loadingProperties_ = true; }
    void EndLoadingProperties() noexcept { loadingProperties_ = false; }
    bool LoadingProperties() const noexcept { return loadingProperties_; }
    // One square's background, shown at once; the piece is not drawn.
    void RepaintSquare(Square sq) override;
    // A piece picture centred on its square, shown at once.
    void DrawPiece(Square sq, char letter) override;
    // The lines between the squares when BoardLines is on, shown at once.
    void DrawGrid() override;
    // Slides the piece on fromSq to toSq (knights along the row, then the
    // column); takes a drag picture down instead when one is up.
    void AnimateMove(Square fromSq, Square toSq, int delay);
    Square SquareFromPoint(int x, int y) const noexcept;
    QPoint SquareOrigin(Square sq) const noexcept;
    bool Painted() const noexcept { return painted_; }
    DragImage& DragPicture() noexcept { return dragImage_; }
    MoveAnimator& Animator() noexcept { return animator_; }

protected:
    // Unless MoveViewState says otherwise: DrawGrid, then AnimateMove with
    // AnimationDelay.
    void SlidePiece(Square fromSq, Square toSq) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Takes the board's keys before the window's shortcuts see them; after
    // the ordinary handling of any event: AskCustomEngineAgain.
    bool event(QEvent* event) override;
    // Drops the pick-up and tells a screen reader which squares changed.
    void PositionChanged() override;

private:
    // Renders the whole surface, the lifted square empty; false when
    // re-entered from an OnPaint handler or while the stored properties are
    // being loaded.
    bool RenderAll();
    // The square whose piece is up as the drag picture, else None. A paint
    // may come at any time during a drag (the window system's, or one Qt
    // deferred), so the full paint itself leaves this square empty.
    Square LiftedSquare() const noexcept;
    // The surface matches the control; otherwise a full paint is due.
    bool SurfaceCurrent() const noexcept;
    // Puts a changed area of the surface on screen now.
    void Show(const QRegion& area);

    // ---- DragHost: the board as its drag controller sees it ----
    QWidget& DragControl() noexcept override { return *this; }
    Square DragSquareAt(QPoint pos) const noexcept override { return SquareFromPoint(pos.x(), pos.y()); }
    char DragPieceOn(Square sq) const noexcept override;
    int DragSquareSize() const noexcept override { return style_.SizeOfSquare; }
    Qt::CursorShape DragAcceptCursor() const noexcept override { return dragCursor_; }
    void LiftPiece(Square sq) override;
    void RestorePiece(Square sq) override;
    bool AcceptsDrop(Square source, Square target) const override;
    bool PlayDrop(Square source, Square target) override { return MakeMove(source, target); }
    void FireStartDrag() override;
    void FireDragOver(QPoint pos, TDragState state, bool& accept) override;
    void FireDragDrop(QPoint pos) override;
    void FireEndDrag(QPoint pos, bool dropped) override;
    void FireIllegalMove(Square source) override;

    // ---- KeyHost: the board as its keyboard entry sees it ----
    void CursorMoved(Square from, Square to) override;
    Square PickedUp() const noexcept override { return selected_; }
    void PickUp(Square sq) override;
    bool CanPickUp(Square sq) const override;
    bool CanPlay(Square fromSq, Square toSq) const override;
    void Play(Square fromSq, Square toSq) override;
    void FireTypedEntryChanged(const std::string& text) override;
    void FireTypedMove(const std::string& text) override;

    // ---- AccessHost: the board as its accessible table sees it ----
    QWidget& AccessControl() noexcept override { return *this; }
    const BoardPosition& AccessPosition() const noexcept override { return CurrentPosition(); }
    Square AccessSquareAtCell(QPoint cell) const noexcept override;
    QPoint AccessCellOf(Square sq) const noexcept override;
    QRect AccessSquareRect(Square sq) const noexcept override;
    Square AccessCursor() const noexcept override { return keys_.Cursor(); }
    Square AccessSelected() const noexcept override { return selected_; }
    void AccessibleGone() noexcept override { accessible_ = nullptr; }
    // Qt's accessibility factory: the table for a board, nothing for anything else.
    static QAccessibleInterface* AccessibleFactory(const QString& key, QObject* object);

    // One square with its marks put on screen again, if the surface is current.
    void ShowSquare(Square sq);
    void ShowFrame(bool shown);
    // An accessibility event for the cell showing sq (its selected state for TellCellState).
    void TellCell(QAccessible::Event type, Square sq);
    void TellCellState(Square sq);

    BoardStyle style_;
    PieceSet pieces_;
    QImage surface_;
    bool painted_ = false;
    bool rendering_ = false;
    bool inPaintEvent_ = false;
    bool loadingProperties_ = false;
    QRegion pendingShow_;  // put on screen by Show, its paint event not yet run
    Qt::CursorShape dragCursor_ = Qt::DragMoveCursor;
    TDragMode dragMode_ = TDragMode::dmManual;
    QTimer engineTimer_;  // 500 ms, started by the first paint: AskCustomEngineAgain
    MoveViewState moveView_;
    DragImage dragImage_;
    MoveAnimator animator_{dragImage_};
    CornerResizer resizer_{*this};
    DragController drag_{*this, moveView_, dragImage_, pieces_};
    KeyboardEntry keys_{*this, style_};
    Square selected_ = Square::None;
    Square droppedByPress_ = Square::None;   // a press on the picked-up piece dropped it
    bool frameShown_ = false;                // a key or a keyboard focus came after the last mouse press
    std::string spoken_;                     // the squares as a screen reader last heard of them
    BoardAccessible* accessible_ = nullptr;  // owned by Qt's accessibility cache
    bool destroying_ = false;
};

}  // namespace tablerix
