#include "SquareMarks.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

namespace tablerix {

namespace {

// A band of width w just inside r.
void Band(QPainter& p, const QRect& r, int w, const QColor& colour) {
    if (r.width() <= 0 || r.height() <= 0) return;
    w = std::min({w, r.width(), r.height()});
    p.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
    p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
    p.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
    p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
}

}  // namespace

int SquareMarks::BandWidth(int squareSize) noexcept { return std::max(1, squareSize / 20); }

void SquareMarks::DrawFocusFrame(QPainter& p, const QRect& square) {
    const int w = BandWidth(square.width());
    Band(p, square, w, QColor(0, 0, 0));
    Band(p, square.adjusted(w, w, -w, -w), w, QColor(255, 255, 255));
}

void SquareMarks::DrawSelection(QPainter& p, const QRect& square) {
    const int w = BandWidth(square.width());
    p.fillRect(square, QColor(255, 230, 80, 90));
    // Inside the frame's two bands, so the cursor on the same square hides nothing.
    const QRect inner = square.adjusted(2 * w, 2 * w, -2 * w, -2 * w);
    Band(p, inner, w, QColor(255, 200, 0));
    Band(p, inner.adjusted(w, w, -w, -w), 1, QColor(0, 0, 0));
}

}  // namespace tablerix
