#pragma once
// Pixel <-> square arithmetic of the board in both orientations. A small value
// computed from the style whenever it is needed; no Qt widgets involved.

#include "ChessTypes.h"

#include <QPoint>
#include <QRect>

namespace tablerix {

struct BoardStyle;

class BoardGeometry {
public:
    BoardGeometry(int originX, int originY, int squareSize, bool whiteOnTop) noexcept
        : ox_(originX), oy_(originY), s_(squareSize), turned_(whiteOnTop) {}
    static BoardGeometry Of(const BoardStyle& style) noexcept;

    // Screen column (x) and row (y), 0..7 from the top left; q must be on the board.
    QPoint ScreenCell(Square q) const noexcept;
    // The square shown at a screen cell; None outside 0..7 on either axis.
    Square SquareAtCell(QPoint cell) const noexcept;
    // The s by s rectangle of a square in control coordinates.
    QRect SquareRect(Square q) const noexcept;
    // Top-left pixel of a square in control coordinates.
    QPoint SquareOrigin(Square q) const noexcept;
    // The square under a control pixel; None outside the 8x8 area.
    Square SquareFromPoint(int x, int y) const noexcept;
    // a8 and h1 are light, a1 and h8 dark.
    static bool IsLightSquare(Square q) noexcept;
    // Square edge that fits a control of w by h with the given border: the
    // mean side minus both borders, in eighths, kept within the style's limits.
    static int FittedSquareSize(int w, int h, int border) noexcept;

private:
    int ox_;
    int oy_;
    int s_;
    bool turned_;
};

}  // namespace tablerix
