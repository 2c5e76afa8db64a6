#include "BoardGeometry.h"

#include "BoardStyle.h"

#include <algorithm>

namespace tablerix {

BoardGeometry BoardGeometry::Of(const BoardStyle& style) noexcept {
    return BoardGeometry(style.OriginX, style.OriginY, style.SizeOfSquare, style.WhiteOnTop);
}

QPoint BoardGeometry::ScreenCell(Square q) const noexcept {
    const int n = ToInt(q) - 1;
    const int c = n % 8, r = n / 8;
    return turned_ ? QPoint(7 - c, 7 - r) : QPoint(c, r);
}

QRect BoardGeometry::SquareRect(Square q) const noexcept {
    const QPoint cell = ScreenCell(q);
    return QRect(ox_ + cell.x() * s_, oy_ + cell.y() * s_, s_, s_);
}

QPoint BoardGeometry::SquareOrigin(Square q) const noexcept { return SquareRect(q).topLeft(); }

Square BoardGeometry::SquareAtCell(QPoint cell) const noexcept {
    int c = cell.x(), r = cell.y();
    if (c < 0 || r < 0 || c > 7 || r > 7) return Square::None;
    if (turned_) {
        c = 7 - c;
        r = 7 - r;
    }
    return ToSquare(r * 8 + c + 1);
}

Square BoardGeometry::SquareFromPoint(int x, int y) const noexcept {
    const int dx = x - ox_, dy = y - oy_;
    if (dx < 0 || dy < 0 || dx >= 8 * s_ || dy >= 8 * s_) return Square::None;
    return SquareAtCell(QPoint(std::min(dx / s_, 7), std::min(dy / s_, 7)));
}

bool BoardGeometry::IsLightSquare(Square q) noexcept {
    const int n = ToInt(q) - 1;
    return n % 2 == (n / 8) % 2;
}

int BoardGeometry::FittedSquareSize(int w, int h, int border) noexcept {
    const long long mean = (static_cast<long long>(w) + h) / 2;
    const long long s = (mean - 2LL * border) / 8;
    return static_cast<int>(std::clamp<long long>(s, BoardStyle::kMinSquareSize, BoardStyle::kMaxSquareSize));
}

}  // namespace tablerix
