#pragma once
// Resizing the board by dragging its bottom-right corner: the resize pointer
// over the 10-pixel corner zone, the width following the pointer between the
// minimum and maximum sizes. The next paint makes the board square again.
// Owned by TChessBrd; user-interface thread only.

#include <QCursor>
#include <QPoint>

class QWidget;

namespace tablerix {

class CornerResizer {
public:
    // Works on (does not own) the control.
    explicit CornerResizer(QWidget& control) noexcept : control_(control) {}

    bool Resizable() const noexcept { return resizable_; }
    void SetResizable(bool v) noexcept { resizable_ = v; }
    int ResizeMinSize() const noexcept { return min_; }
    void SetResizeMinSize(int v) noexcept;  // stores the smaller of v and the maximum
    int ResizeMaxSize() const noexcept { return max_; }
    void SetResizeMaxSize(int v) noexcept;  // stores the larger of v and the minimum
    bool Resizing() const noexcept { return resizing_; }

    // A pointer move at `pos` (control coordinates); leftHeld: the left button is down.
    void Move(QPoint pos, bool leftHeld);
    // Any button released.
    void Release() noexcept { resizing_ = false; }

private:
    QWidget& control_;
    bool resizable_ = false;
    bool resizing_ = false;
    int min_ = 100;
    int max_ = 1000;
    QCursor saved_;
};

}  // namespace tablerix
