#include "ContactSheet.h"

#include <QPainter>

namespace {

// Tiles `wood` from the sheet's top-left corner, clipped to rect, as the board does.
void tile(QPainter& p, const QImage& wood, const QRect& rect) {
    p.save();
    p.setClipRect(rect);
    for (int y = 0; y < rect.bottom() + 1; y += wood.height())
        for (int x = 0; x < rect.right() + 1; x += wood.width())
            if (QRect(x, y, wood.width(), wood.height()).intersects(rect)) p.drawImage(x, y, wood);
    p.restore();
}

}  // namespace

void ContactSheet::drawMasked(QImage& target, int x, int y, const QImage& set, int col, int side) {
    const int k = set.height() / 4;
    for (int dy = 0; dy < k; ++dy) {
        for (int dx = 0; dx < k; ++dx) {
            const int tx = x + dx, ty = y + dy;
            if (!target.rect().contains(tx, ty)) continue;
            const QRgb m = set.pixel(col * k + dx, (2 * side + 1) * k + dy) & 0xFFFFFF;
            if (m != 0xFFFFFF) target.setPixel(tx, ty, set.pixel(col * k + dx, 2 * side * k + dy));
        }
    }
}

int ContactSheet::blockHeight(int woodCount, int square) { return (2 * woodCount + 1) * square + square / 2; }

QImage ContactSheet::closeUp(const QImage& sheet, int setCount, int woodCount, int square, int factor) {
    QImage rows(sheet.width(), setCount * 2 * square, QImage::Format_RGB32);
    for (int i = 0; i < setCount; ++i)
        for (int y = 0; y < 2 * square; ++y)
            for (int x = 0; x < sheet.width(); ++x)
                rows.setPixel(x, i * 2 * square + y, sheet.pixel(x, i * blockHeight(woodCount, square) + y));
    return rows.scaled(rows.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage ContactSheet::board(const QImage& set, const WoodPair& woods, const QImage& border) {
    constexpr int b = 24, sq = 40, size = 8 * sq + 2 * b;
    static const char* const kStart = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";
    static const QString kLetters = QStringLiteral("PNBRQKpnbrqk");
    QImage img(size, size, QImage::Format_RGB32);
    {
        QPainter p(&img);
        tile(p, border, img.rect());
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                tile(p, (r + c) % 2 ? woods.dark : woods.light, QRect(b + c * sq, b + r * sq, sq, sq));
        p.setPen(Qt::black);
        p.drawRect(0, 0, size - 1, size - 1);
        p.drawRect(b - 1, b - 1, 8 * sq + 1, 8 * sq + 1);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(Qt::white);
        for (int i = 0; i < 8; ++i) {
            p.drawText(QRect(0, b + i * sq, b, sq), Qt::AlignCenter, QString::number(8 - i));
            p.drawText(QRect(b + i * sq, size - b, sq, b), Qt::AlignCenter, QString(QChar('a' + i)));
        }
    }
    const int k = set.height() / 4;
    for (int i = 0; i < 64; ++i) {
        const int index = static_cast<int>(kLetters.indexOf(QLatin1Char(kStart[i])));
        if (index < 0) continue;
        const int offset = (sq - k) / 2;
        drawMasked(img, b + (i % 8) * sq + offset, b + (i / 8) * sq + offset, set, index % 6, index / 6);
    }
    return img;
}

QImage ContactSheet::render(const QList<QImage>& sets, const QList<WoodPair>& woods, const QImage& border,
                            const QList<QImage>& icons, int square) {
    const int rowsPerSet = 2 * static_cast<int>(woods.size()) + 1;
    const int width = 12 * square;
    const int block = blockHeight(static_cast<int>(woods.size()), square);
    const int height = static_cast<int>(sets.size()) * block + 2 * square;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0x60, 0x60, 0x60));
    int top = 0;
    for (const QImage& set : sets) {
        const int k = set.height() / 4;
        const int offset = (square - k) / 2;
        for (int row = 0; row < rowsPerSet; ++row) {
            const int y = top + row * square;
            for (int c = 0; c < 12; ++c) {
                const QRect cellRect(c * square, y, square, square);
                {
                    QPainter p(&sheet);
                    if (row == rowsPerSet - 1) {
                        tile(p, border, cellRect);
                    } else {
                        const WoodPair& pair = woods[row / 2];
                        const bool dark = ((c + row) % 2) == 1;
                        tile(p, dark ? pair.dark : pair.light, cellRect);
                    }
                }
                // Columns 0-5 white pieces, 6-11 black ones.
                drawMasked(sheet, c * square + offset, y + offset, set, c % 6, c / 6);
            }
        }
        top += block;
    }
    // Border strip with coordinates and the button icons, to judge contrast.
    {
        QPainter p(&sheet);
        const QRect strip(0, top, width, 2 * square);
        tile(p, border, strip);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(Qt::white);
        for (int c = 0; c < 8; ++c)
            p.drawText(QRect(c * square, top, square, square / 2), Qt::AlignCenter,
                       QString(QChar('a' + c)) + QString::number(8 - c));
        p.fillRect(QRect(0, top + square, width, square), QColor(0xF0, 0xF0, 0xF0));
        for (int i = 0; i < icons.size(); ++i) p.drawImage(8 + i * 28, top + square + 12, icons[i]);
    }
    return sheet;
}
