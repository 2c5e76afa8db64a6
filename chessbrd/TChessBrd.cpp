#include "TChessBrd.h"

#include <QPainter>

namespace tablerix {

TChessBrd::TChessBrd(QWidget* parent) : QWidget(parent) {
    resize(368, 368);
}

TChessBrd::~TChessBrd() = default;

// Until the view is complete, every change repaints the whole widget.
void TChessBrd::Paint() { update(); }
void TChessBrd::RepaintSquare(Square) { update(); }
void TChessBrd::DrawPiece(Square, char) { update(); }
void TChessBrd::DrawGrid() { update(); }
void TChessBrd::AnimateMove(Square, Square, int) {}

void TChessBrd::StopThinking() { ChessBrdCore::StopThinking(); }
void TChessBrd::StartThinking() { ChessBrdCore::StartThinking(); }

void TChessBrd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int b = 24, s = 40;
    p.fillRect(rect(), Qt::black);
    for (int q = 1; q <= 64; ++q) {
        const int c = (q - 1) % 8, r = (q - 1) / 8;
        const QRect cell(b + c * s, b + r * s, s, s);
        p.fillRect(cell, (c + r) % 2 == 0 ? QColor(0xC0, 0xC0, 0xC0) : QColor(0x80, 0x80, 0x80));
        const char ch = Board()[q];
        if (ch != ' ') {
            p.setPen(ch >= 'a' ? Qt::black : Qt::white);
            p.drawText(cell, Qt::AlignCenter, QString(QChar(ch)));
        }
    }
}

}  // namespace tablerix
