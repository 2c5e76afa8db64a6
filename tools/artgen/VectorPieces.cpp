#include "VectorPieces.h"

#include <QPainterPathStroker>
#include <QTransform>

// Outlines are designed on a 100-unit grid, pieces standing on y = 92.
namespace {

constexpr double kTop = 5.0;
constexpr double kBottom = 92.0;

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    p.addPolygon(QPolygonF(points));
    p.closeSubpath();
    return p;
}

QPainterPath roundRect(double x0, double y0, double x1, double y1, double r) {
    QPainterPath p;
    p.addRoundedRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)), r, r);
    return p;
}

QPainterPath circle(double cx, double cy, double r) {
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), r, r);
    return p;
}

QPainterPath line(QPointF a, QPointF b) {
    QPainterPath p(a);
    p.lineTo(b);
    return p;
}

QPainterPath plinth() { return roundRect(16, 83, 84, kBottom, 3).united(roundRect(24, 75, 76, 84, 2)); }

struct Design {
    QPainterPath body;
    QPainterPath lines;  // centre lines, given width when fitted
};

Design pawn() {
    QPainterPath body = plinth();
    body = body.united(polygon({{32, 76}, {68, 76}, {58, 48}, {42, 48}}));
    body = body.united(roundRect(31, 42, 69, 51, 4));
    body = body.united(circle(50, 28, 16));
    return {body, line({26, 76}, {74, 76}).united(line({33, 47}, {67, 47}))};
}

Design rook() {
    QPainterPath body = plinth();
    body = body.united(polygon({{29, 76}, {71, 76}, {68, 36}, {32, 36}}));
    QPainterPath top = roundRect(22, 12, 78, 37, 2);
    top = top.subtracted(roundRect(34, 6, 42, 22, 1)).subtracted(roundRect(58, 6, 66, 22, 1));
    body = body.united(top);
    return {body, line({26, 76}, {74, 76}).united(line({26, 36}, {74, 36}))};
}

Design bishop() {
    QPainterPath body = plinth();
    body = body.united(polygon({{34, 76}, {66, 76}, {57, 62}, {43, 62}}));
    body = body.united(roundRect(31, 56, 69, 65, 3));
    QPainterPath mitre(QPointF(50, 16));
    mitre.cubicTo(QPointF(78, 32), QPointF(76, 52), QPointF(64, 58));
    mitre.lineTo(QPointF(36, 58));
    mitre.cubicTo(QPointF(24, 52), QPointF(22, 32), QPointF(50, 16));
    body = body.united(mitre).united(circle(50, 12, 7));
    QPainterPath lines = line({26, 76}, {74, 76}).united(line({33, 60}, {67, 60}));
    lines = lines.united(line({62, 28}, {48, 46}));
    return {body, lines};
}

Design knight() {
    QPainterPath head(QPointF(30, 76));
    head.cubicTo(QPointF(30, 64), QPointF(42, 58), QPointF(46, 50));
    head.cubicTo(QPointF(38, 55), QPointF(28, 58), QPointF(20, 57));
    head.cubicTo(QPointF(10, 56), QPointF(8, 47), QPointF(14, 42));
    head.lineTo(QPointF(36, 20));
    head.lineTo(QPointF(42, 6));
    head.lineTo(QPointF(52, 15));
    head.cubicTo(QPointF(72, 18), QPointF(84, 42), QPointF(77, 76));
    head.closeSubpath();
    const QPainterPath body = plinth().united(head);
    QPainterPath lines = line({26, 76}, {74, 76});
    QPainterPath mane(QPointF(54, 21));
    mane.cubicTo(QPointF(67, 28), QPointF(72, 50), QPointF(68, 73));
    lines = lines.united(mane).united(line({35, 30}, {41, 29}));
    return {body, lines};
}

Design queen() {
    QPainterPath body = plinth();
    body = body.united(roundRect(28, 64, 72, 76, 2));
    body = body.united(polygon({{32, 65}, {68, 65}, {82, 24}, {64, 42}, {50, 18}, {36, 42}, {18, 24}}));
    for (const QPointF c : {QPointF(18, 22), QPointF(34, 17), QPointF(50, 12), QPointF(66, 17), QPointF(82, 22)})
        body = body.united(circle(c.x(), c.y(), 6));
    body = body.united(polygon({{34, 17}, {44, 42}, {38, 50}}));
    body = body.united(polygon({{66, 17}, {56, 42}, {62, 50}}));
    return {body, line({26, 76}, {74, 76}).united(line({30, 64}, {70, 64}))};
}

Design king() {
    QPainterPath body = plinth();
    body = body.united(roundRect(28, 64, 72, 76, 2));
    QPainterPath crown(QPointF(33, 65));
    crown.lineTo(QPointF(20, 40));
    crown.cubicTo(QPointF(15, 26), QPointF(42, 20), QPointF(50, 36));
    crown.cubicTo(QPointF(58, 20), QPointF(85, 26), QPointF(80, 40));
    crown.lineTo(QPointF(67, 65));
    crown.closeSubpath();
    body = body.united(crown);
    body = body.united(roundRect(46, 5, 54, 32, 1)).united(roundRect(39, 11, 61, 19, 1));
    QPainterPath lines = line({26, 76}, {74, 76}).united(line({30, 64}, {70, 64}));
    lines = lines.united(line({50, 40}, {50, 61}));
    return {body, lines};
}

}  // namespace

PieceShapes VectorPieces::build(int cell, double margin, double band, double lineWidth) {
    const Design designs[6] = {pawn(), knight(), bishop(), rook(), queen(), king()};
    const double scale = (cell - 2.0 * margin - band) / (kBottom - kTop);
    QTransform t;
    t.translate(cell / 2.0, cell - margin - band / 2.0);
    t.scale(scale, scale);
    t.translate(-50.0, -kBottom);
    QPainterPathStroker stroker;
    stroker.setWidth(lineWidth / scale);
    stroker.setCapStyle(Qt::FlatCap);
    PieceShapes shapes;
    for (size_t i = 0; i < 6; ++i) {
        const QPainterPath body = t.map(designs[i].body);
        // Lines stay inside the body so they never widen the silhouette.
        const QPainterPath lines = t.map(stroker.createStroke(designs[i].lines)).intersected(body);
        shapes[i] = {body, body, lines};
    }
    return shapes;
}
