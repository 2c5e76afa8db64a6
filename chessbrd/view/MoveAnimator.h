#pragma once
// Slides a piece picture from square to square with the drag image, one pixel
// per step, each step put on screen at once and held for at least `delay` + 1
// milliseconds by a busy wait (no events are processed meanwhile). Positions
// are in the coordinates of the window that holds the board. Owned by
// TChessBrd; user-interface thread only.

#include <QImage>
#include <QPoint>

#include <functional>

class QWidget;

namespace tablerix {

class DragImage;

class MoveAnimator {
public:
    // Uses (does not own) the board's drag image.
    explicit MoveAnimator(DragImage& image) noexcept : image_(image) {}

    // Puts the picture up at `from`, slides it to `to` (a knight first along
    // the row, then along the column) and takes it down.
    void Animate(QWidget* window, const QImage& picture, QPoint from, QPoint to, bool knight, int delay);
    // One step at each x from xa to xb inclusive (|xb - xa| + 1 steps).
    void SlideHorizontal(int xa, int xb, int y, int delay);
    // One step at each y from ya to yb inclusive.
    void SlideVertical(int ya, int yb, int x, int delay);
    // Along the longer axis one pixel per step, the other coordinate carried
    // as a real value and truncated; no step at all when the ends are equal.
    void SlideLine(int x0, int y0, int x1, int y1, int delay);

    // Steps taken since the last Animate began (or since construction).
    int Steps() const noexcept { return steps_; }
    // Called with the position of every step; for tests and diagnostics.
    void SetStepObserver(std::function<void(QPoint)> observer) { observer_ = std::move(observer); }

private:
    void Step(int x, int y, int delay);

    DragImage& image_;
    int steps_ = 0;
    std::function<void(QPoint)> observer_;
};

}  // namespace tablerix
