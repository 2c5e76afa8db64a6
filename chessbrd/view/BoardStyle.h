#pragma once
// The look of the board: sizes, orientation, colours, textures, coordinate
// font and line pen. A plain value owned by TChessBrd; the painter and the
// geometry read it. User-interface thread only.

#include "ChessTypes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>

#include <cstdint>

namespace tablerix {

// A colour given as 0xBBGGRR (red in the low byte), the form the game files
// and the look settings use.
inline QColor ColorFromBgr(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

struct BoardStyle {
    // Sizes are kept within these so that no surface becomes empty or huge.
    static constexpr int kMinSquareSize = 1;
    static constexpr int kMaxSquareSize = 500;
    static constexpr int kMaxBorderSize = 500;

    int SizeOfSquare = 40;
    int SizeOfBorder = 24;
    int OriginX = 24;  // top-left pixel of the 8x8 area
    int OriginY = 24;
    bool WhiteOnTop = false;
    CoordSet DisplayCoords;
    QFont CoordFont{QStringLiteral("Arial"), 7};
    QColor CoordColor = Qt::white;
    bool BoardLines = false;
    QPen LineStyle = QPen(Qt::black, 1, Qt::SolidLine);
    QColor BorderColor = Qt::black;
    QImage BorderBitmap;
    QColor SquareColorLight = ColorFromBgr(0xC0C0C0);
    QColor SquareColorDark = ColorFromBgr(0x808080);
    QImage SquareLight;
    QImage SquareDark;
};

}  // namespace tablerix
