#include "CornerResizer.h"

#include <QWidget>

#include <algorithm>

namespace tablerix {

void CornerResizer::SetResizeMinSize(int v) noexcept { min_ = std::min(v, max_); }

void CornerResizer::SetResizeMaxSize(int v) noexcept { max_ = std::max(v, min_); }

void CornerResizer::Move(QPoint pos, bool leftHeld) {
    const Qt::CursorShape shape = control_.cursor().shape();
    if (shape != Qt::SizeVerCursor && shape != Qt::SizeHorCursor && shape != Qt::SizeFDiagCursor)
        saved_ = control_.cursor();
    const int w = control_.width(), h = control_.height();
    const bool inCorner = pos.x() >= w - 10 && pos.x() <= w && pos.y() >= h - 10 && pos.y() <= h;
    if (resizable_ && inCorner) {
        control_.setCursor(Qt::SizeFDiagCursor);
        if (leftHeld) resizing_ = true;
    } else if (resizable_ && !resizing_) {
        control_.setCursor(saved_);
    }
    if (resizable_ && resizing_) {
        int v = std::max(pos.x(), pos.y());
        v = std::min(std::max(v, min_), max_);
        if (v != w) control_.resize(v, h);
    }
}

}  // namespace tablerix
