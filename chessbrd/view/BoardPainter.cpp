#include "BoardPainter.h"

#include "BoardStyle.h"
#include "PieceSet.h"

#include <QFontMetrics>

namespace tablerix {

BoardPainter::BoardPainter(QImage& surface, const BoardStyle& style, const PieceSet& pieces)
    : style_(style),
      pieces_(pieces),
      geometry_(BoardGeometry::Of(style)),
      w_(surface.width()),
      h_(surface.height()),
      p_(&surface) {}

void BoardPainter::PaintAll(const std::array<char, 66>& board) {
    PaintBorder();
    PaintSquares();
    PaintPieces(board);
}

void BoardPainter::Tile(const QImage& texture, const QColor& colour) {
    // A texture brush is anchored at the painter's origin, which is the
    // control's top-left corner, so every area shows its part of one tiling.
    if (PieceSet::IsUsableBitmap(texture)) p_.fillRect(QRect(0, 0, w_, h_), QBrush(texture));
    else p_.fillRect(QRect(0, 0, w_, h_), colour);
}

void BoardPainter::PaintBorder() {
    const int b = style_.SizeOfBorder;
    p_.save();
    p_.setClipRegion(QRegion(0, 0, w_, h_) - QRegion(b, b, w_ - 2 * b, h_ - 2 * b));
    Tile(style_.BorderBitmap, style_.BorderColor);
    PaintCoordinates();
    p_.setPen(style_.LineStyle);
    p_.setBrush(Qt::NoBrush);
    const int e = w_ - 1;
    p_.drawPolyline(QPolygon({QPoint(0, 0), QPoint(e, 0), QPoint(e, e), QPoint(0, e), QPoint(0, 0)}));
    const QPoint inner[] = {QPoint(b - 1, b - 1), QPoint(w_ - b, b - 1), QPoint(w_ - b, w_ - b), QPoint(b - 1, w_ - b),
                            QPoint(b - 1, b - 1)};
    p_.drawPolyline(inner, 5);
    p_.restore();
}

void BoardPainter::PaintCoordinates() {
    const CoordSet sides = style_.DisplayCoords;
    if (sides.Empty()) return;
    const int b = style_.SizeOfBorder, s = style_.SizeOfSquare;
    const QFont& font = style_.CoordFont;
    // The font's size in points is used as a pixel count for the offsets.
    const int f = font.pointSize() > 0 ? font.pointSize() : font.pixelSize();
    const int a = (b - f) / 2 + 1;
    const int c = (s - f) / 2;
    p_.setFont(font);
    const int q = QFontMetrics(font, p_.device()).height() / 4;
    p_.setPen(style_.CoordColor);
    p_.setBackgroundMode(Qt::TransparentMode);
    const char* letters = style_.WhiteOnTop ? "HGFEDCBA" : "ABCDEFGH";
    const auto text = [&](int x, int y, const QString& t) {
        p_.drawText(QRect(x, y, 4 * s + 64, 4 * b + 64), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t);
    };
    for (int i = 0; i < 8; ++i) {
        const QString digit = QString::number(style_.WhiteOnTop ? i + 1 : 8 - i);
        const QString letter = QString(QLatin1Char(letters[i]));
        if (sides.Contains(DisplayCoords::West)) text(a, b + i * s + c, digit);
        if (sides.Contains(DisplayCoords::East)) text(w_ - b + a, b + i * s + c, digit);
        if (sides.Contains(DisplayCoords::North)) text(b + i * s + c, a - q, letter);
        if (sides.Contains(DisplayCoords::South)) text(b + i * s + c, h_ - b + a - q, letter);
    }
}

void BoardPainter::PaintSquares() {
    const int b = style_.SizeOfBorder;
    const QRegion area(b, b, w_ - 2 * b, h_ - 2 * b);
    QRegion light, dark;
    for (int q = 1; q <= 64; ++q) {
        const QRect r = geometry_.SquareRect(ToSquare(q));
        (BoardGeometry::IsLightSquare(ToSquare(q)) ? light : dark) += r;
    }
    p_.save();
    p_.setClipRegion(area - light);
    Tile(style_.SquareDark, style_.SquareColorDark);
    p_.setClipRegion(area - dark);
    Tile(style_.SquareLight, style_.SquareColorLight);
    p_.restore();
    p_.save();
    p_.setClipRegion(area);
    DrawGrid();
    p_.restore();
}

QRegion BoardPainter::DrawGrid() {
    if (!style_.BoardLines) return {};
    const int s = style_.SizeOfSquare, ox = style_.OriginX, oy = style_.OriginY;
    const int pw = std::max(1, style_.LineStyle.width());
    p_.setPen(style_.LineStyle);
    QRegion changed;
    for (int i = 1; i <= 7; ++i) {
        // End points are not part of a line; a line sits on the first pixel
        // column or row of the squares right of or below it.
        const int x = ox + i * s, y = oy + i * s;
        p_.drawLine(x, oy, x, h_ - oy - 1);
        p_.drawLine(ox, y, w_ - ox - 1, y);
        changed += QRect(x - pw, oy - pw, 2 * pw + 1, h_ - 2 * oy + 2 * pw);
        changed += QRect(ox - pw, y - pw, w_ - 2 * ox + 2 * pw, 2 * pw + 1);
    }
    return changed;
}

void BoardPainter::PaintPieces(const std::array<char, 66>& board) {
    for (int q = 1; q <= 64; ++q) {
        const char c = board[static_cast<std::size_t>(q)];
        if (c != ' ') DrawPiece(ToSquare(q), c);
    }
}

QRect BoardPainter::DrawPiece(Square q, char letter) {
    if (!IsOnBoard(q)) return {};
    const int index = pieces_.ImageIndexOf(letter);
    if (index < 0 || index >= static_cast<int>(pieces_.PieceImages().size())) return {};
    const QImage& image = pieces_.PieceImages()[static_cast<std::size_t>(index)];
    if (image.isNull()) return {};
    const int d = (style_.SizeOfSquare - pieces_.PieceCellSize()) / 2;  // truncated toward zero
    const QPoint at = geometry_.SquareOrigin(q) + QPoint(d, d);
    p_.drawImage(at, image);
    return QRect(at, image.size());
}

QRect BoardPainter::RepaintSquare(Square q) {
    if (!IsOnBoard(q)) return {};
    const QRect r = geometry_.SquareRect(q);
    p_.save();
    p_.setClipRect(r);
    if (BoardGeometry::IsLightSquare(q)) Tile(style_.SquareLight, style_.SquareColorLight);
    else Tile(style_.SquareDark, style_.SquareColorDark);
    p_.restore();
    return r;
}

}  // namespace tablerix
