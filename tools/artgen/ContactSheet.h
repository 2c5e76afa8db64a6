#pragma once

#include <QImage>
#include <QList>
#include <QString>

// A proof print of the artwork: every piece set drawn through its masks on
// each dark/light wood pair and on the border wood, as the board would.
class ContactSheet {
public:
    struct WoodPair {
        QImage dark;
        QImage light;
    };

    // Draws the cell-sized masked piece (col, side) of `set` at (x, y) of target.
    static void drawMasked(QImage& target, int x, int y, const QImage& set, int col, int side);

    // Sets and woods as loaded from the generated files; square is the board's
    // square size (pieces are centred in it as the board centres them).
    static QImage render(const QList<QImage>& sets, const QList<WoodPair>& woods, const QImage& border,
                         const QList<QImage>& icons, int square);

    // The first wood pair's two rows of every set in a sheet made by render,
    // enlarged `factor` times without smoothing so single pixels can be judged.
    static QImage closeUp(const QImage& sheet, int setCount, int woodCount, int square, int factor);

    // A 368-pixel board in the starting position as the program first shows
    // it: 24-pixel border wood with white coordinates, 40-pixel squares.
    static QImage board(const QImage& set, const WoodPair& woods, const QImage& border);

private:
    // Height of one set's block in the sheet, gap included.
    static int blockHeight(int woodCount, int square);
};
