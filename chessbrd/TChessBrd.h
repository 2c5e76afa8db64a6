#pragma once
// The board component: a Qt control over the rules core and its engine
// (EngineBoard, which runs the engine on a worker thread). It fills the view
// seams: it draws the board onto a surface image of its own and shows it
// (view/BoardPainter), takes moves by dragging (view/DragController, which
// works on the board through its private view/DragHost side) and
// slides moves (view/MoveAnimator, as view/MoveViewState says). The visual
// setters repaint at once.
//
// Ownership: the board owns copies of every image, font and pen it is given,
// its surface, its timer and its view helpers; the engine side (settings,
// published position, worker) belongs to its EngineBoard part.
//
// Threads: all members are for the user-interface thread, except those
// EngineBoard names for any thread.

#include "BoardStyle.h"
#include "CornerResizer.h"
#include "DragController.h"
#include "DragHost.h"
#include "DragImage.h"
#include "EngineBoard.h"
#include "MoveAnimator.h"
#include "MoveViewState.h"
#include "PieceSet.h"
#include "ViewEvents.h"

#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace tablerix {

class TChessBrd : public QWidget, public EngineBoard, private DragHost {
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
    // After the ordinary handling of any event: AskCustomEngineAgain.
    bool event(QEvent* event) override;

private:
    // Renders the whole surface; false when re-entered from an OnPaint
    // handler or while the stored properties are being loaded.
    bool RenderAll();
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
};

}  // namespace tablerix
