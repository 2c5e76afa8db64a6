#pragma once
// Draws the board onto its surface image: border with coordinates and
// outlines, the 64 square backgrounds, the lines and the pieces. One painter
// is made per drawing job and ends its QPainter when destroyed. Each
// single-square primitive returns the area it changed so the board can put
// exactly that on screen. User-interface thread only.

#include "BoardGeometry.h"
#include "ChessTypes.h"

#include <QPainter>
#include <QRegion>

#include <array>

namespace tablerix {

struct BoardStyle;
class PieceSet;

class BoardPainter {
public:
    // Draws on `surface`, whose size is the control's; the style and the piece
    // set are read, not copied, and must outlive the painter.
    BoardPainter(QImage& surface, const BoardStyle& style, const PieceSet& pieces);
    BoardPainter(const BoardPainter&) = delete;
    BoardPainter& operator=(const BoardPainter&) = delete;

    // The whole control: border, squares (with lines), pieces.
    void PaintAll(const std::array<char, 66>& board);
    void PaintBorder();
    void PaintSquares();
    void PaintPieces(const std::array<char, 66>& board);
    // Lines between the squares when the style has them; returns their pixels.
    QRegion DrawGrid();
    // The piece picture centred in the square; nothing for a non-piece letter.
    QRect DrawPiece(Square q, char letter);
    // The square's background only.
    QRect RepaintSquare(Square q);

private:
    // Fills the current clip with the texture tiled from the control's
    // top-left corner, or with the colour when there is no texture.
    void Tile(const QImage& texture, const QColor& colour);
    void PaintCoordinates();

    const BoardStyle& style_;
    const PieceSet& pieces_;
    BoardGeometry geometry_;
    int w_;
    int h_;
    QPainter p_;
};

}  // namespace tablerix
