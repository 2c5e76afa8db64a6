#include "ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>

// Lines are one pixel wide and sit on pixel centres (x.5) so they stay sharp.
namespace {

const QColor kInk(0x26, 0x32, 0x40);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kBlue(0x3c, 0x7c, 0xd6);
const QColor kFolder(0xf2, 0xc2, 0x4c);
const QColor kGreen(0x2f, 0xa3, 0x4a);
const QColor kRed(0xd4, 0x3d, 0x32);
const QColor kGrey(0x9a, 0xa4, 0xae);

QPen ink() { return QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void save(QPainter& p) {
    QPainterPath disk;
    disk.moveTo(1.5, 1.5);
    disk.lineTo(12.5, 1.5);
    disk.lineTo(14.5, 3.5);
    disk.lineTo(14.5, 14.5);
    disk.lineTo(1.5, 14.5);
    disk.closeSubpath();
    p.setPen(ink());
    p.setBrush(kBlue);
    p.drawPath(disk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 4));
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setBrush(kInk);
    p.drawRect(QRectF(9.5, 2.5, 1, 2));
}

void folder(QPainter& p) {
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(7.0, 5.0);
    back.lineTo(13.5, 5.0);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(3.5, 7.5);
    front.lineTo(15.0, 7.5);
    front.lineTo(13.5, 13.5);
    front.closeSubpath();
    p.setPen(ink());
    p.setBrush(kFolder.darker(118));
    p.drawPath(back);
    p.setBrush(kFolder);
    p.drawPath(front);
}

void loadAnimated(QPainter& p) {
    folder(p);
    // A play mark: the moves are shown as they are replayed.
    QPainterPath play;
    play.moveTo(9.5, 8.5);
    play.lineTo(15.0, 12.0);
    play.lineTo(9.5, 15.5);
    play.closeSubpath();
    p.setBrush(kGreen);
    p.drawPath(play);
}

void loadPlain(QPainter& p) {
    folder(p);
    // A still mark: the game appears at once.
    p.setPen(ink());
    p.setBrush(kGrey);
    p.drawRect(QRectF(9.5, 9.5, 5, 5));
}

void print(QPainter& p) {
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.drawLine(QPointF(6.5, 11.5), QPointF(9.5, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(12, 7, 1.5, 1.5));
}

void newGame(QPainter& p) {
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(2.5, 14.5);
    page.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(page);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 4.5), QPointF(12.5, 4.5)}));
    // A small pawn on the fresh page.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(7.5, 6.5), 1.6, 1.6);
    p.drawPolygon(QPolygonF({QPointF(6.5, 8.0), QPointF(8.5, 8.0), QPointF(9.5, 11.0), QPointF(5.5, 11.0)}));
    p.drawRect(QRectF(4.5, 11.0, 6, 1.5));
    // And the green plus of "new".
    p.setBrush(kGreen);
    p.drawRect(QRectF(12, 9, 2, 7));
    p.drawRect(QRectF(9.5, 11.5, 7, 2));
}

void about(QPainter& p) {
    p.setPen(ink());
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 4.8), 1.2, 1.2);
    p.drawRect(QRectF(7, 6.8, 2, 5.2));
    p.drawRect(QRectF(6, 11, 4, 1.2));
}

void exitDoor(QPainter& p) {
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 8, 13));
    p.setBrush(kGrey);
    p.drawPolygon(QPolygonF({QPointF(1.5, 1.5), QPointF(6.5, 3.5), QPointF(6.5, 15.5), QPointF(1.5, 14.5)}));
    // The arrow leads out of the door.
    p.setPen(QPen(kRed, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawLine(QPointF(8.0, 8.0), QPointF(12.5, 8.0));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({QPointF(12.0, 4.5), QPointF(15.8, 8.0), QPointF(12.0, 11.5)}));
}

}  // namespace

QImage ButtonIcons::render(const QString& name) {
    void (*draw)(QPainter&) = nullptr;
    if (name == QLatin1String("salvar")) draw = save;
    else if (name == QLatin1String("cargar_con")) draw = loadAnimated;
    else if (name == QLatin1String("cargar_sin")) draw = loadPlain;
    else if (name == QLatin1String("imprimir")) draw = print;
    else if (name == QLatin1String("nueva")) draw = newGame;
    else if (name == QLatin1String("acerca")) draw = about;
    else if (name == QLatin1String("salir")) draw = exitDoor;
    if (!draw) return {};
    QImage icon(16, 16, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}
