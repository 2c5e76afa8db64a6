#include "PieceSheet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>

namespace {

// Coverage at or above this fraction makes a mask pixel opaque.
constexpr int kMaskThreshold = 110;

QPainterPath outerBand(const QPainterPath& body, double width) {
    if (width <= 0.0) return body;
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(body).united(body);
}

}  // namespace

void PieceSheet::renderPiece(int cell, const PieceShape& shape, const PieceStyle& style, QImage& picture,
                             QImage& mask) {
    const QPainterPath outer = outerBand(shape.silhouette, style.outlineWidth);

    // Coverage of the whole piece including its band, thresholded to a hard mask.
    QImage coverage(cell, cell, QImage::Format_Grayscale8);
    coverage.fill(0);
    {
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(outer, Qt::white);
    }
    mask = QImage(cell, cell, QImage::Format_RGB32);
    for (int y = 0; y < cell; ++y) {
        const uchar* src = coverage.constScanLine(y);
        auto* dst = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < cell; ++x) dst[x] = src[x] >= kMaskThreshold ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }

    // The picture stands on its own outline colour, so every antialiased edge
    // blends towards the outline and no foreign colour can fringe the piece.
    picture = QImage(cell, cell, QImage::Format_RGB32);
    picture.fill(style.outline);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(shape.silhouette, style.detail);
    const QRectF box = shape.silhouette.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, style.fillTop);
    fill.setColorAt(1.0, style.fillBottom);
    p.fillPath(shape.body, fill);
    p.fillPath(shape.detail, style.detail);
}

QImage PieceSheet::render(int cell, const PieceShapes& white, const PieceStyle& whiteStyle, const PieceShapes& black,
                          const PieceStyle& blackStyle) {
    QImage sheet(6 * cell, 4 * cell, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int side = 0; side < 2; ++side) {
        const PieceShapes& shapes = side == 0 ? white : black;
        const PieceStyle& style = side == 0 ? whiteStyle : blackStyle;
        for (int j = 0; j < 6; ++j) {
            QImage picture;
            QImage mask;
            renderPiece(cell, shapes[static_cast<size_t>(j)], style, picture, mask);
            p.drawImage(j * cell, 2 * side * cell, picture);
            p.drawImage(j * cell, (2 * side + 1) * cell, mask);
        }
    }
    return sheet;
}
