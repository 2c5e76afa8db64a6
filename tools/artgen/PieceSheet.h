#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

#include <array>

// Outline of one piece inside its cell, in pixels of that cell.
struct PieceShape {
    QPainterPath silhouette;  // outer contour without holes: what the mask covers
    QPainterPath body;        // filled with the body colour; its holes show the detail colour
    QPainterPath detail;      // inner lines, filled in the detail colour
};

// The six pieces in board order: pawn, knight, bishop, rook, queen, king.
using PieceShapes = std::array<PieceShape, 6>;

// Colours of one side's pieces.
struct PieceStyle {
    QColor fillTop;       // body colour at the top of the cell
    QColor fillBottom;    // body colour at the bottom (same as top for a flat fill)
    QColor outline;       // band around the silhouette; also what edge pixels blend with
    QColor detail;        // inner lines and holes of the body
    double outlineWidth;  // full width of the band around the body, in pixels
};

// Renders a set in the board's layout: 6 columns by 4 rows of k-pixel cells,
// row 0 white pictures, row 1 their masks, row 2 black pictures, row 3 masks.
// A mask pixel is pure white where the square shows through, black elsewhere.
class PieceSheet {
public:
    static QImage render(int cell, const PieceShapes& white, const PieceStyle& whiteStyle, const PieceShapes& black,
                         const PieceStyle& blackStyle);

    // The picture and binary mask of one piece (each cell by cell pixels).
    static void renderPiece(int cell, const PieceShape& shape, const PieceStyle& style, QImage& picture, QImage& mask);
};
