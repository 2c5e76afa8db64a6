#pragma once
// The marks drawn over a square on screen, never into the board's surface:
// the keyboard cursor's focus frame (a dark band outside a light one, so it
// shows on any texture or piece set) and the picked-up piece's mark (a light
// wash with a yellow band inside the frame's width, outlined in black).
// User-interface thread only.

#include <QRect>

class QPainter;

namespace tablerix {

class SquareMarks {
public:
    // Width of each band of the frame for a square of that size, at least 1.
    static int BandWidth(int squareSize) noexcept;
    static void DrawFocusFrame(QPainter& p, const QRect& square);
    static void DrawSelection(QPainter& p, const QRect& square);
};

}  // namespace tablerix
