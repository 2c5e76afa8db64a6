// Piece sets: the layout test, cutting and masking, the index table, the
// built-in set and the board's CustomPieceSet setter.

#include "BoardFixture.h"
#include "BoardGeometry.h"
#include "PieceSet.h"

namespace tablerix::test {
namespace {

TEST(PieceSetTest, ShapeTest) {
    EXPECT_FALSE(PieceSet::IsUsableBitmap(QImage()));
    EXPECT_TRUE(PieceSet::IsUsableBitmap(QImage(1, 1, QImage::Format_RGB32)));
    EXPECT_TRUE(PieceSet::IsPieceSetShape(QImage(216, 144, QImage::Format_RGB32)));
    EXPECT_TRUE(PieceSet::IsPieceSetShape(QImage(6, 4, QImage::Format_RGB32)));
    EXPECT_TRUE(PieceSet::IsPieceSetShape(QImage(3, 2, QImage::Format_RGB32)));
    EXPECT_FALSE(PieceSet::IsPieceSetShape(QImage(240, 150, QImage::Format_RGB32)));
    EXPECT_FALSE(PieceSet::IsPieceSetShape(QImage(7, 5, QImage::Format_RGB32)));
    EXPECT_FALSE(PieceSet::IsPieceSetShape(QImage()));
}

TEST(PieceSetTest, DefaultSetGivesTwelveFortyPixelImages) {
    PieceSet set;
    set.LoadDefaultPieceSet();
    ASSERT_EQ(set.DefaultPieceSet().size(), QSize(240, 160));
    set.PreparePieceImages();
    EXPECT_EQ(set.PieceCellSize(), 40);
    ASSERT_EQ(set.PieceImages().size(), 12u);
    for (const QImage& image : set.PieceImages()) EXPECT_EQ(image.size(), QSize(40, 40));
    for (int i = 0; i < 12; ++i) EXPECT_EQ(set.ImageIndexOf(PieceSet::kLetters[i]), i);
    EXPECT_EQ(set.ImageIndexOf('K'), 5);
    EXPECT_EQ(set.ImageIndexOf('p'), 6);
    EXPECT_EQ(set.ImageIndexOf(' '), -1);
    EXPECT_EQ(set.ImageIndexOf('x'), -1);
    EXPECT_EQ(set.ImageIndexOf('\0'), -1);
    EXPECT_TRUE(set.ImageOf('_').isNull());
    // Each picture has both see-through and solid pixels.
    for (const QImage& image : set.PieceImages()) {
        int solid = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) solid += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(solid, 100);
        EXPECT_LT(solid, 1500);
    }
}

TEST(PieceSetTest, PureWhiteMaskPixelsAloneAreTransparent) {
    QImage raw(6, 4, QImage::Format_RGB32);
    raw.fill(QColor(10, 20, 30));
    raw.setPixel(1, 1, qRgb(255, 255, 255));  // knight mask: transparent
    raw.setPixel(2, 1, qRgb(254, 255, 255));  // bishop mask: nearly white, still opaque
    raw.setPixel(3, 3, qRgb(255, 255, 255));  // black rook mask
    raw.setPixel(3, 2, qRgb(200, 100, 50));   // black rook picture
    PieceSet set;
    ASSERT_TRUE(set.SetCustomPieceSet(raw));
    set.PreparePieceImages();
    ASSERT_EQ(set.PieceCellSize(), 1);
    EXPECT_EQ(qAlpha(set.ImageOf('P').pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(set.ImageOf('N').pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(set.ImageOf('B').pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(set.ImageOf('r').pixel(0, 0)), 0);
    EXPECT_EQ(set.ImageOf('q').pixel(0, 0), qRgb(10, 20, 30));
    // Any colour depth: the same set as an 8-bit palette image.
    ASSERT_TRUE(set.SetCustomPieceSet(raw.convertToFormat(QImage::Format_Indexed8)));
    set.PreparePieceImages();
    EXPECT_EQ(qAlpha(set.ImageOf('N').pixel(0, 0)), 0);
    EXPECT_EQ(set.ImageOf('K').pixel(0, 0), qRgb(10, 20, 30));
}

TEST_F(BoardFixture, CustomSetShapes) {
    board_->SetCustomPieceSet(QImage(216, 144, QImage::Format_RGB32));
    EXPECT_EQ(board_->PieceCellSize(), 36);
    EXPECT_EQ(board_->Pieces().PieceImages().front().size(), QSize(36, 36));
    board_->paintedArea = 0;
    board_->SetCustomPieceSet(QImage(240, 150, QImage::Format_RGB32));  // refused silently
    EXPECT_EQ(board_->PieceCellSize(), 36);
    EXPECT_EQ(board_->paintedArea, 0);
    EXPECT_EQ(board_->CustomPieceSet().size(), QSize(216, 144));
    board_->SetCustomPieceSet(QImage(7, 5, QImage::Format_RGB32));
    EXPECT_EQ(board_->PieceCellSize(), 36);
    board_->SetCustomPieceSet(QImage(6, 4, QImage::Format_RGB32));
    EXPECT_EQ(board_->PieceCellSize(), 1);
    EXPECT_EQ(board_->Pieces().PieceImages().size(), 12u);
    // A bitmap given but empty is the wrong shape too: the current set stays.
    board_->paintedArea = 0;
    board_->SetCustomPieceSet(QImage());
    board_->SetCustomPieceSet(QImage(0, 4, QImage::Format_RGB32));
    EXPECT_EQ(board_->PieceCellSize(), 1);
    EXPECT_EQ(board_->CustomPieceSet().size(), QSize(6, 4));
    EXPECT_EQ(board_->paintedArea, 0);
    board_->SetCustomPieceSet(std::nullopt);  // none: the built-in set again
    EXPECT_EQ(board_->PieceCellSize(), 40);
    EXPECT_TRUE(board_->CustomPieceSet().isNull());
}

TEST_F(BoardFixture, ZeroPixelSetShowsNoPieces) {
    QImage tiny(3, 2, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    board_->SetCustomPieceSet(tiny);
    EXPECT_EQ(board_->PieceCellSize(), 0);
    const QImage img = Shot();
    for (Square q : {Square::A8, Square::E1, Square::D2})
        EXPECT_EQ(img.pixel(board_->SquareOrigin(q) + QPoint(20, 20)) & 0xFFFFFF,
                  BoardGeometry::IsLightSquare(q) ? 0xC0C0C0u : 0x808080u);
}

TEST_F(BoardFixture, MaskCopyOfPictureOnWhite) {
    // A set whose masks are its pictures: white is see-through, everything else solid.
    QImage set(240, 160, QImage::Format_RGB32);
    set.fill(Qt::white);
    QPainter p(&set);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col) p.fillRect(col * 40 + 10, row * 40 + 10, 20, 20, QColor(0, 0, 160));
    p.end();
    board_->SetCustomPieceSet(set);
    const QPoint e1 = board_->SquareOrigin(Square::E1);  // dark square
    EXPECT_EQ(Pixel(e1.x() + 20, e1.y() + 20), 0x0000A0u);
    EXPECT_EQ(Pixel(e1.x() + 5, e1.y() + 5), 0x808080u);
}

}  // namespace
}  // namespace tablerix::test
