#include "GlyphPieces.h"

#include <QRawFont>
#include <QTransform>

#include <algorithm>

namespace {

// Pawn, knight, bishop, rook, queen, king.
constexpr char32_t kHollow[6] = {0x2659, 0x2658, 0x2657, 0x2656, 0x2655, 0x2654};
constexpr char32_t kSolid[6] = {0x265F, 0x265E, 0x265D, 0x265C, 0x265B, 0x265A};

bool glyphPath(const QRawFont& font, char32_t code, QPainterPath& path) {
    const QString text = QString::fromUcs4(&code, 1);
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    if (glyphs.size() != 1 || glyphs.front() == 0) return false;
    path = font.pathForGlyph(glyphs.front());
    return !path.isEmpty();
}

// Every closed contour filled on its own and merged: the outline with its holes closed.
QPainterPath withoutHoles(const QPainterPath& path) {
    QPainterPath all;
    for (const QPolygonF& contour : path.toSubpathPolygons()) {
        QPainterPath piece;
        piece.addPolygon(contour);
        piece.closeSubpath();
        all = all.united(piece);
    }
    return all;
}

}  // namespace

bool GlyphPieces::load(const QString& fontFile, int cell, double margin, double band, GlyphPieces& out,
                       QString& error) {
    const QRawFont font(fontFile, 200.0);
    if (!font.isValid()) {
        error = QStringLiteral("cannot read font %1").arg(fontFile);
        return false;
    }
    QPainterPath solid[6];
    QPainterPath hollow[6];
    double tallest = 0.0;
    for (int i = 0; i < 6; ++i) {
        if (!glyphPath(font, kSolid[i], solid[i]) || !glyphPath(font, kHollow[i], hollow[i])) {
            error = QStringLiteral("%1 lacks chess symbol %2").arg(fontFile).arg(i);
            return false;
        }
        const QRectF r = solid[i].boundingRect() | hollow[i].boundingRect();
        tallest = std::max(tallest, r.height());
    }
    // One scale for the whole set keeps the pieces in proportion to each other;
    // only a piece too wide for its cell is narrowed further.
    const double room = cell - 2.0 * margin - band;
    const double setScale = room / tallest;
    const double bottom = cell - margin - band / 2.0;
    for (int i = 0; i < 6; ++i) {
        const QRectF r = solid[i].boundingRect() | hollow[i].boundingRect();
        const double scale = std::min(setScale, room / r.width());
        QTransform t;
        t.translate(cell / 2.0, bottom);
        t.scale(scale, scale);
        t.translate(-r.center().x(), -r.bottom());
        const QPainterPath body = t.map(solid[i]);
        const QPainterPath lines = t.map(hollow[i]);
        const QPainterPath outline = withoutHoles(body.united(lines));
        const auto k = static_cast<size_t>(i);
        out.white[k] = {outline, outline, lines};
        out.black[k] = {outline, body, {}};
    }
    return true;
}
