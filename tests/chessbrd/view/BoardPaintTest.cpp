// Painting on rendered pixels: geometry, border, outlines, coordinates,
// textures, pieces, the setters that repaint at once, and resizing.

#include "BoardFixture.h"
#include "BoardGeometry.h"

#include <QFontMetrics>

namespace tablerix::test {
namespace {

constexpr QRgb kSilver = 0xC0C0C0, kGrey = 0x808080, kBlack = 0x000000, kRed = 0xFF0000;

TEST(BoardGeometryTest, PointsAndSquaresInBothOrientations) {
    const BoardGeometry normal(24, 24, 40, false), turned(24, 24, 40, true);
    EXPECT_EQ(normal.SquareFromPoint(24, 24), Square::A8);
    EXPECT_EQ(turned.SquareFromPoint(24, 24), Square::H1);
    EXPECT_EQ(normal.SquareFromPoint(343, 343), Square::H1);
    EXPECT_EQ(normal.SquareFromPoint(23, 100), Square::None);   // border
    EXPECT_EQ(normal.SquareFromPoint(344, 100), Square::None);  // first pixel right of the area
    EXPECT_EQ(normal.SquareFromPoint(100, 344), Square::None);  // first pixel below it
    EXPECT_EQ(normal.SquareOrigin(Square::E2), QPoint(184, 264));
    EXPECT_EQ(turned.SquareOrigin(Square::E2), QPoint(144, 64));
    EXPECT_EQ(turned.SquareFromPoint(150, 70), Square::E2);
    EXPECT_TRUE(BoardGeometry::IsLightSquare(Square::A8));
    EXPECT_TRUE(BoardGeometry::IsLightSquare(Square::H1));
    EXPECT_FALSE(BoardGeometry::IsLightSquare(Square::A1));
    EXPECT_FALSE(BoardGeometry::IsLightSquare(Square::H8));
    // The mean side, then clamped so that nothing becomes empty.
    EXPECT_EQ(BoardGeometry::FittedSquareSize(448, 368, 24), 45);
    EXPECT_EQ(BoardGeometry::FittedSquareSize(10, 10, 24), 1);
    EXPECT_EQ(BoardGeometry::FittedSquareSize(1 << 30, 1 << 30, 0), BoardStyle::kMaxSquareSize);
}

TEST_F(BoardFixture, DefaultBoardColoursAndOutlines) {
    EXPECT_EQ(board_->size(), QSize(368, 368));
    EXPECT_EQ(board_->SizeOfSquare(), 40);
    EXPECT_EQ(board_->SizeOfBorder(), 24);
    QImage img = Shot();
    EXPECT_EQ(img.pixel(5, 5) & 0xFFFFFF, kBlack);
    EXPECT_EQ(img.pixel(25, 25) & 0xFFFFFF, kSilver);    // a8's corner, beside its rook
    EXPECT_EQ(img.pixel(65, 25) & 0xFFFFFF, kGrey);      // b8's
    EXPECT_EQ(img.pixel(30, 110) & 0xFFFFFF, kSilver);   // a6, empty
    EXPECT_EQ(img.pixel(70, 110) & 0xFFFFFF, kGrey);     // b6
    EXPECT_EQ(img.pixel(26, 330) & 0xFFFFFF, kGrey);     // a1, left of its rook
    EXPECT_EQ(img.pixel(342, 342) & 0xFFFFFF, kSilver);  // h1's corner

    // On a red border both outlines show in the pen's black.
    board_->SetBorderColor(Qt::red);
    img = Shot();
    for (int t : {0, 100, 367}) {
        EXPECT_EQ(img.pixel(0, t) & 0xFFFFFF, kBlack);
        EXPECT_EQ(img.pixel(367, t) & 0xFFFFFF, kBlack);
        EXPECT_EQ(img.pixel(t, 0) & 0xFFFFFF, kBlack);
        EXPECT_EQ(img.pixel(t, 367) & 0xFFFFFF, kBlack);
    }
    for (int t : {23, 100, 344}) {
        EXPECT_EQ(img.pixel(23, t) & 0xFFFFFF, kBlack) << t;
        EXPECT_EQ(img.pixel(344, t) & 0xFFFFFF, kBlack) << t;
        EXPECT_EQ(img.pixel(t, 23) & 0xFFFFFF, kBlack) << t;
        EXPECT_EQ(img.pixel(t, 344) & 0xFFFFFF, kBlack) << t;
    }
    EXPECT_EQ(img.pixel(1, 1) & 0xFFFFFF, kRed);
    EXPECT_EQ(img.pixel(22, 100) & 0xFFFFFF, kRed);
    EXPECT_EQ(img.pixel(345, 100) & 0xFFFFFF, kRed);
    EXPECT_EQ(img.pixel(24, 110) & 0xFFFFFF, kSilver);  // a6 starts at the origin's column
}

TEST_F(BoardFixture, LinesSitOnTheFirstPixelsOfTheSquares) {
    board_->SetPosition("");
    board_->SetLineStyle(QPen(Qt::blue, 1));
    board_->SetBoardLines(true);
    const QImage img = Shot();
    for (int i = 1; i <= 7; ++i) {
        const int at = 24 + 40 * i;
        EXPECT_EQ(img.pixel(at, 24) & 0xFFFFFF, 0x0000FFu) << i;   // first pixel of the area
        EXPECT_EQ(img.pixel(at, 343) & 0xFFFFFF, 0x0000FFu) << i;  // last pixel of the area
        EXPECT_NE(img.pixel(at - 1, 100) & 0xFFFFFF, 0x0000FFu) << i;
        EXPECT_NE(img.pixel(at + 1, 100) & 0xFFFFFF, 0x0000FFu) << i;
        EXPECT_EQ(img.pixel(100, at) & 0xFFFFFF, 0x0000FFu) << i;
        EXPECT_EQ(img.pixel(343, at) & 0xFFFFFF, 0x0000FFu) << i;
    }
    EXPECT_EQ(img.pixel(184, 344) & 0xFFFFFF, 0x0000FFu);  // inner outline, same pen
    EXPECT_EQ(img.pixel(184, 345) & 0xFFFFFF, kBlack);     // border below it
    EXPECT_EQ(img.pixel(30, 30) & 0xFFFFFF, kSilver);      // no line inside a8
}

// Renders the expected coordinate text the way a 96 dpi surface would.
QImage ExpectedText(QSize size, QPoint at, const QString& text, const QFont& font) {
    QImage ref(size, QImage::Format_RGB32);
    ref.setDotsPerMeterX(3780);
    ref.setDotsPerMeterY(3780);
    ref.fill(Qt::black);
    QPainter p(&ref);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(at, QSize(200, 200)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    return ref;
}

bool SameArea(const QImage& a, const QImage& b, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
    return true;
}

bool HasInk(const QImage& img, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0) return true;
    return false;
}

void CheckCoordinates(const QImage& shot, const QFont& font, bool turned) {
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(3780);
    probe.setDotsPerMeterY(3780);
    const int q = QFontMetrics(font, &probe).height() / 4;
    const int a = (24 - 7) / 2 + 1, c = (40 - 7) / 2;
    for (int i = 0; i < 8; ++i) {
        const QString digit = QString::number(turned ? i + 1 : 8 - i);
        const QString wrong = QString::number(turned ? 8 - i : i + 1);
        const QString letter(QChar((turned ? 'H' - i : 'A' + i)));
        struct Spot {
            QPoint at;
            QString text;
        };
        const Spot spots[] = {{{a, 24 + i * 40 + c}, digit},
                              {{368 - 24 + a, 24 + i * 40 + c}, digit},
                              {{24 + i * 40 + c, a - q}, letter},
                              {{24 + i * 40 + c, 368 - 24 + a - q}, letter}};
        for (const Spot& s : spots) {
            const QRect box = QRect(s.at - QPoint(2, 2), QSize(14, 16)).intersected(QRect(1, 1, 366, 366));
            EXPECT_TRUE(HasInk(shot, box)) << s.text.toStdString();
            EXPECT_TRUE(SameArea(shot, ExpectedText(shot.size(), s.at, s.text, font), box))
                << s.text.toStdString() << " at " << s.at.x() << "," << s.at.y();
        }
        if (i != 3 && i != 4) {  // digits that differ from their mirror image
            const QPoint west(a, 24 + i * 40 + c);
            EXPECT_FALSE(SameArea(shot, ExpectedText(shot.size(), west, wrong, font), QRect(west, QSize(10, 12))));
        }
    }
}

TEST_F(BoardFixture, CoordinatesOnFourSidesInBothOrientations) {
    EXPECT_FALSE(HasInk(Shot(), QRect(2, 100, 20, 20)));  // none by default
    board_->SetDisplayCoords(CoordSet::All());
    CheckCoordinates(Shot(), board_->CoordFont(), false);
    board_->SetWhiteOnTop(true);
    CheckCoordinates(Shot(), board_->CoordFont(), true);
}

TEST_F(BoardFixture, OneCoordinateSideOnly) {
    board_->SetDisplayCoords(CoordSet{DisplayCoords::West});
    const QImage img = Shot();
    EXPECT_TRUE(HasInk(img, QRect(2, 30, 20, 30)));
    EXPECT_FALSE(HasInk(img, QRect(346, 30, 20, 30)));   // East
    EXPECT_FALSE(HasInk(img, QRect(30, 1, 300, 20)));    // North
    EXPECT_FALSE(HasInk(img, QRect(30, 346, 300, 20)));  // South
}

TEST_F(BoardFixture, OnePixelTextureFillsItsSquares) {
    board_->SetPosition("");
    QImage blue(1, 1, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    board_->SetSquareDark(blue);
    QImage img = Shot();
    for (int q = 1; q <= 64; ++q) {
        const QRect r(board_->SquareOrigin(ToSquare(q)), QSize(40, 40));
        const QRgb want = BoardGeometry::IsLightSquare(ToSquare(q)) ? kSilver : 0x0000FFu;
        for (QPoint p : {r.topLeft(), r.bottomRight(), r.center(), r.topRight(), r.bottomLeft()})
            ASSERT_EQ(img.pixel(p) & 0xFFFFFF, want) << q;
    }
    EXPECT_EQ(img.pixel(5, 5) & 0xFFFFFF, kBlack);
    board_->SetSquareDark(QImage());  // no texture: the plain colour again
    EXPECT_EQ(Pixel(70, 30), kGrey);
}

TEST_F(BoardFixture, LargeTextureIsOneContinuousPicture) {
    board_->SetPosition("");
    QImage wood(368, 368, QImage::Format_RGB32);
    for (int y = 0; y < 368; ++y)
        for (int x = 0; x < 368; ++x) wood.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x >> 8) * 64 + (y >> 8) * 128));
    board_->SetSquareLight(wood);
    board_->SetBorderBitmap(wood);
    const QImage img = Shot();
    for (int y = 24; y < 344; y += 3)
        for (int x = 24; x < 344; x += 3) {
            const bool light = BoardGeometry::IsLightSquare(board_->SquareFromPoint(x, y));
            ASSERT_EQ(img.pixel(x, y) & 0xFFFFFF, light ? wood.pixel(x, y) & 0xFFFFFF : kGrey) << x << "," << y;
        }
    EXPECT_EQ(img.pixel(10, 200) & 0xFFFFFF, wood.pixel(10, 200) & 0xFFFFFF);
    EXPECT_EQ(img.pixel(355, 12) & 0xFFFFFF, wood.pixel(355, 12) & 0xFFFFFF);
}

TEST_F(BoardFixture, SmallTextureTilesFromTheControlCorner) {
    board_->SetPosition("");
    QImage tile(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) tile.setPixel(x, y, qRgb(x * 16, y * 16, 77));
    board_->SetSquareDark(tile);
    const QImage img = Shot();
    for (QPoint p : {QPoint(64, 24), QPoint(70, 30), QPoint(103, 63), QPoint(24, 330)})
        EXPECT_EQ(img.pixel(p) & 0xFFFFFF, tile.pixel(p.x() % 16, p.y() % 16) & 0xFFFFFF) << p.x() << "," << p.y();
}

TEST_F(BoardFixture, SquareSizeSetsWidthAndNextPaintSquaresTheControl) {
    board_->SetSizeOfSquare(50);
    EXPECT_EQ(board_->size(), QSize(448, 368));
    QCoreApplication::processEvents();  // the window system's repaint runs Paint
    EXPECT_EQ(board_->size(), QSize(408, 408));
    EXPECT_EQ(board_->SizeOfSquare(), 45);
    EXPECT_EQ(Shot().size(), QSize(408, 408));
    EXPECT_EQ(Pixel(24 + 45 + 2, 30), kGrey);  // b8 now starts at 69

    board_->SetSizeOfBorder(10);
    EXPECT_EQ(board_->OriginX(), 10);
    EXPECT_EQ(board_->width(), 8 * 45 + 20);
    board_->Paint();
    EXPECT_EQ(board_->size(), QSize(388, 388));  // ((380 + 408) / 2 - 20) / 8 = 46
}

TEST_F(BoardFixture, TinyControlIsClampedToOnePixelSquares) {
    board_->resize(20, 20);
    board_->Paint();
    EXPECT_EQ(board_->SizeOfSquare(), 1);
    EXPECT_EQ(board_->size(), QSize(56, 56));
    board_->SetSizeOfSquare(-5);
    EXPECT_EQ(board_->SizeOfSquare(), 1);
    board_->SetSizeOfBorder(-3);
    EXPECT_EQ(board_->SizeOfBorder(), 0);
    board_->Paint();
    EXPECT_GT(board_->width(), 0);
    EXPECT_EQ(board_->SquareFromPoint(0, 0), Square::A8);
}

TEST_F(BoardFixture, VisualSettersRepaintSynchronously) {
    board_->paintedArea = 0;
    board_->SetSquareColorDark(Qt::green);  // no event processing in between
    EXPECT_EQ(board_->paintedArea, 368 * 368);
    EXPECT_EQ(Pixel(70, 30), 0x00FF00u);
    int paints = 0;
    board_->OnPaint = [&](ChessBrdCore&) { ++paints; };
    board_->SetSquareColorLight(Qt::yellow);
    board_->SetWhiteOnTop(true);
    board_->SetDisplayCoords(CoordSet{DisplayCoords::South});
    board_->SetLineStyle(QPen(Qt::red));
    board_->SetBoardLines(true);
    board_->SetCoordFont(QFont("Arial", 8), Qt::yellow);
    EXPECT_EQ(paints, 6);
    EXPECT_TRUE(board_->Painted());
}

TEST_F(BoardFixture, EveryPaintTheWindowSystemAsksForIsAFullPaint) {
    int paints = 0;
    board_->OnPaint = [&](ChessBrdCore&) { ++paints; };
    board_->RepaintSquare(Square::E2);  // the pawn is off the screen, not off the board
    ASSERT_EQ(Pixel(184 + 20, 264 + 20), kSilver);
    board_->update();  // asked to paint again, as Qt's own widgets ask
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
    EXPECT_NE(Pixel(184 + 20, 264 + 20), kSilver);  // drawn afresh from the position

    window_->hide();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 2);
    board_->setEnabled(false);  // as the window does before "Empezar"
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 3);

    // The board's own drawing reaching the screen is no further Paint.
    paints = 0;
    board_->SetBoardLines(true);
    board_->RepaintSquare(Square::E2);
    board_->DrawPiece(Square::E2, 'P');
    board_->DrawGrid();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
}

TEST(BoardLoadingTest, StoredPropertiesDrawNothingUntilTheFirstPaintOnScreen) {
    QWidget window;
    window.resize(420, 420);
    auto* board = new TestBoard(&window);
    int paints = 0;
    board->OnPaint = [&](ChessBrdCore&) { ++paints; };
    board->BeginLoadingProperties();
    board->SetSquareColorDark(Qt::green);
    board->SetBoardLines(true);
    board->Paint();
    board->EndLoadingProperties();
    EXPECT_EQ(paints, 0);
    EXPECT_FALSE(board->Painted());
    EXPECT_EQ(board->paintedArea, 0);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    EXPECT_TRUE(board->Painted());
    EXPECT_GE(paints, 1);
    const QImage screen = Rgb(window.screen()->grabWindow(window.winId()).toImage());
    EXPECT_EQ(screen.pixel(board->SquareOrigin(Square::B6) + QPoint(20, 20)) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(screen.pixel(board->SquareOrigin(Square::B6) + QPoint(0, 20)) & 0xFFFFFF, 0x000000u);  // a line
}

TEST_F(BoardFixture, PiecesAreCentredAndNeverScaled) {
    board_->SetCustomPieceSet(MakeSet(36));
    ASSERT_EQ(board_->PieceCellSize(), 36);
    QImage img = Shot();
    // a8 holds a black rook: its picture starts 2 pixels in; the left quarter is masked out.
    const QRgb rook = CellColour(1, 3).rgb() & 0xFFFFFF;
    EXPECT_EQ(img.pixel(25, 40) & 0xFFFFFF, kSilver);
    EXPECT_EQ(img.pixel(26 + 9, 26) & 0xFFFFFF, rook);
    EXPECT_EQ(img.pixel(26 + 8, 30) & 0xFFFFFF, kSilver);  // transparent mask column
    EXPECT_EQ(img.pixel(61, 61) & 0xFFFFFF, rook);
    EXPECT_EQ(img.pixel(62, 61) & 0xFFFFFF, kSilver);
    EXPECT_EQ(img.pixel(40, 62) & 0xFFFFFF, kSilver);
    // A 40-pixel set on 30-pixel squares reaches 5 pixels beyond them.
    board_->SetCustomPieceSet(MakeSet(40));
    board_->SetSizeOfSquare(30);
    board_->Paint();
    ASSERT_EQ(board_->SizeOfSquare(), 35);  // ((288 + 368) / 2 - 48) / 8
    board_->resize(288, 288);
    board_->Paint();
    ASSERT_EQ(board_->SizeOfSquare(), 30);
    img = Shot();
    const QRgb king = CellColour(0, 5).rgb() & 0xFFFFFF;  // e1 at (144, 234)
    EXPECT_EQ(img.pixel(144 - 5 + 39, 234 - 5 + 39) & 0xFFFFFF, king);
    EXPECT_EQ(img.pixel(144 - 5 + 10, 234 - 5) & 0xFFFFFF, king);
}

TEST_F(BoardFixture, WhiteOnTopTurnsThePieces) {
    board_->SetCustomPieceSet(MakeSet(40));
    board_->SetWhiteOnTop(true);
    // White's king (e1) is at column 3, row 0 when turned.
    EXPECT_EQ(Pixel(24 + 3 * 40 + 20, 24 + 20), CellColour(0, 5).rgb() & 0xFFFFFF);
    EXPECT_EQ(board_->SquareFromPoint(24 + 3 * 40 + 20, 24 + 20), Square::E1);
}

TEST_F(BoardFixture, SingleSquarePrimitivesShowAtOnceAndOnlyThere) {
    board_->paintedArea = 0;
    board_->RepaintSquare(Square::E2);
    EXPECT_EQ(board_->paintedArea, 40 * 40);
    EXPECT_EQ(Pixel(184 + 20, 264 + 20), kSilver);  // e2 is light and now empty
    board_->paintedArea = 0;                        // the grab above painted everything
    board_->DrawPiece(Square::E2, 'Q');
    EXPECT_EQ(board_->paintedArea, 40 * 40);
    board_->DrawPiece(Square::E3, 'x');  // not a piece: nothing
    board_->DrawGrid();                  // lines off: nothing
    EXPECT_EQ(board_->paintedArea, 40 * 40);
    board_->SetBoardLines(true);
    board_->paintedArea = 0;
    board_->DrawGrid();
    EXPECT_GT(board_->paintedArea, 0);
    EXPECT_LT(board_->paintedArea, 368 * 368 / 4);
}

TEST_F(BoardFixture, AMoveRedrawsOnlyItsSquares) {
    board_->SetAnimateMoves(false);
    board_->paintedArea = 0;
    ASSERT_TRUE(board_->MakeMove(Square::E2, Square::E4));
    // e2 cleared, e4 cleared and its pawn drawn: three square areas.
    EXPECT_EQ(board_->paintedArea, 3 * 40 * 40);
    EXPECT_EQ(Pixel(184 + 20, 264 + 20), kSilver);
    EXPECT_NE(Pixel(184 + 20, 184 + 20), kSilver);
}

TEST_F(BoardFixture, CornerResizingFollowsThePointer) {
    const QPoint corner(365, 365);
    MoveTo(corner);
    EXPECT_NE(board_->cursor().shape(), Qt::SizeFDiagCursor);  // not resizable
    Press(corner);
    MoveTo(QPoint(420, 400));
    Release(QPoint(420, 400));
    EXPECT_EQ(board_->width(), 368);

    board_->SetResizable(true);
    board_->SetResizeMaxSize(450);
    MoveTo(QPoint(100, 100));
    MoveTo(corner);
    EXPECT_EQ(board_->cursor().shape(), Qt::SizeFDiagCursor);
    MoveTo(QPoint(100, 100));
    EXPECT_EQ(board_->cursor().shape(), Qt::ArrowCursor);
    MoveTo(corner);
    Press(corner);
    MoveTo(QPoint(366, 366));
    EXPECT_TRUE(board_->Resizing());
    // The width follows the pointer and each paint squares the board:
    // 366 wide -> 360 square; max(500, 430) lowered to 450 wide -> 400 square.
    MoveTo(QPoint(500, 430));
    Release(QPoint(500, 430));
    EXPECT_FALSE(board_->Resizing());
    board_->Paint();
    EXPECT_EQ(board_->size(), QSize(400, 400));

    board_->SetResizeMinSize(2000);
    EXPECT_EQ(board_->ResizeMinSize(), 450);
    board_->SetResizeMaxSize(10);
    EXPECT_EQ(board_->ResizeMaxSize(), 450);
}

}  // namespace
}  // namespace tablerix::test
