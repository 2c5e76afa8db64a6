// Moving pieces with the mouse: arming, threshold, the picture under the
// pointer, the accept rule, drops, cancels and the mouse and drag events.

#include "BoardFixture.h"

#include <QDialog>
#include <QGuiApplication>

#include <string>
#include <vector>

namespace tablerix::test {
namespace {

class DragTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        board_->OnIllegalMove = [this](ChessBrdCore&, Square s) {
            log.push_back("illegal " + std::to_string(ToInt(s)));
        };
        board_->OnLegalMove = [this](ChessBrdCore&, Square a, Square b) {
            log.push_back("move " + std::to_string(ToInt(a)) + "-" + std::to_string(ToInt(b)));
        };
        board_->OnMouseDown = [this](TChessBrd& b, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            log.push_back(b.Dragging() ? "down while dragging" : "down");
        };
        board_->OnStartDrag = [this](TChessBrd&) { log.push_back("start"); };
        board_->OnDragDrop = [this](TChessBrd&, QObject*, int, int) { log.push_back("drop"); };
        board_->OnEndDrag = [this](TChessBrd&, QObject* target, int, int) {
            log.push_back(target ? "end on board" : "end cancelled");
        };
        board_->Animator().SetStepObserver([this](QPoint) { ++steps; });
    }
    void TearDown() override { EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); }

    std::vector<std::string> log;
    int steps = 0;
};

using Log = std::vector<std::string>;

TEST_F(DragTest, PressWithoutFiveBoardPixelsCancels) {
    const QPoint e2 = Centre(Square::E2);
    Press(e2);
    EXPECT_EQ(QWidget::mouseGrabber(), board_);
    MoveTo(e2 + QPoint(4, -4));
    EXPECT_FALSE(board_->DragPicture().IsUp());
    Release(e2 + QPoint(4, -4));
    EXPECT_EQ(log, (Log{"down", "start", "illegal 53", "end cancelled"}));
    EXPECT_EQ(board_->DragSource(), Square::E2);
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(board_->Dragging());
}

TEST_F(DragTest, PressOnEmptySquareOrBorderArmsNothing) {
    Press(Centre(Square::E4));
    MoveTo(Centre(Square::E5));
    Release(Centre(Square::E5));
    Press(QPoint(5, 5));
    Release(QPoint(5, 5));
    EXPECT_EQ(log, (Log{"down", "down"}));
    EXPECT_EQ(board_->DragSource(), Square::None);
}

TEST_F(DragTest, PictureFollowsPointerAndSquareLooksEmpty) {
    const QPoint g1 = Centre(Square::G1), f3 = Centre(Square::F3);
    Press(g1);
    MoveTo(g1 + QPoint(0, -5));  // 5 pixels start it
    ASSERT_TRUE(board_->DragPicture().IsUp());
    EXPECT_EQ(board_->DragPicture().Position(), InWindow(g1 + QPoint(0, -5)) - QPoint(20, 20));
    EXPECT_EQ(Pixel(g1.x(), g1.y()), 0x808080u);                                // g1 (dark) shows no knight
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);  // own square accepts
    MoveTo(Centre(Square::G4));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    MoveTo(f3);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    // The picture is on screen in the window, over the board.
    const QRect area = board_->DragPicture().Area();
    EXPECT_EQ(area.size(), QSize(40, 40));
    const QImage shot = WindowShot();
    const QImage knight = board_->Pieces().ImageOf('N');
    int same = 0, solid = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (qAlpha(knight.pixel(x, y)) == 255) {
                ++solid;
                same += (shot.pixel(area.topLeft() + QPoint(x, y)) & 0xFFFFFF) == (knight.pixel(x, y) & 0xFFFFFF);
            }
    EXPECT_EQ(same, solid);
    // Past the board's edge the picture stays where the board last put it.
    const QPoint last = board_->DragPicture().Position();
    MoveTo(QPoint(-20, 100));
    EXPECT_EQ(board_->DragPicture().Position(), last);
    Release(QPoint(-20, 100));
    EXPECT_FALSE(board_->DragPicture().IsUp());
    EXPECT_EQ(log, (Log{"down", "start", "illegal 63", "end cancelled"}));
    EXPECT_NE(Pixel(g1.x(), g1.y()), 0x808080u);  // knight back
}

// The pixels of the square's inside (its lines left out) on screen now,
// those under the drag picture left out too: each one differing from
// `colour` is counted.
int Differing(const QImage& shot, QRect square, QRect picture, QRgb colour) {
    int differing = 0;
    const QRect inside = square.adjusted(1, 1, -1, -1);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (!picture.contains(x, y)) differing += (shot.pixel(x, y) & 0xFFFFFFu) != colour;
    return differing;
}

TEST_F(DragTest, OriginSquareStaysEmptyWhateverPaintsTheBoard) {
    const QPoint e2 = Centre(Square::E2);
    const QRect square(board_->SquareOrigin(Square::E2), QSize(40, 40));
    const auto pictureOnBoard = [this] { return board_->DragPicture().Area().translated(-InWindow(QPoint())); };
    Press(e2);
    // Small steps with the event loop running between them, as a real pointer
    // gives them: paints the window system asked for earlier come in late.
    for (int step = 1; step <= 10; ++step) {
        MoveTo(e2 + QPoint(step, -5 * step));
        QCoreApplication::processEvents();
        ASSERT_TRUE(board_->DragPicture().IsUp());
        EXPECT_EQ(Differing(Shot(), square, pictureOnBoard(), 0xC0C0C0u), 0) << "step " << step;
    }
    ASSERT_FALSE(pictureOnBoard().intersects(square));
    // The window system asks for the whole board again (an expose), and the
    // board's look changes: the piece is still off its square.
    board_->update();
    QCoreApplication::processEvents();
    EXPECT_EQ(Differing(Shot(), square, QRect(), 0xC0C0C0u), 0);
    board_->SetDisplayCoords(CoordSet{DisplayCoords::West});
    QCoreApplication::processEvents();
    EXPECT_EQ(Differing(Shot(), square, QRect(), 0xC0C0C0u), 0);
    Release(e2 + QPoint(40, -50));  // f3: no move for the pawn
    EXPECT_EQ(log, (Log{"down", "start", "illegal 53", "end cancelled"}));
    // Put back, and there again after a full paint.
    EXPECT_GT(Differing(Shot(), square, QRect(), 0xC0C0C0u), 40);
    board_->update();
    QCoreApplication::processEvents();
    EXPECT_GT(Differing(Shot(), square, QRect(), 0xC0C0C0u), 40);
}

TEST_F(DragTest, LegalDropMakesTheMoveOnceWithoutAnimation) {
    ASSERT_TRUE(board_->AnimateMoves());
    int queries = 0;
    board_->OnDragOver = [&](TChessBrd&, QObject* source, int, int, TDragState, bool& accept) {
        EXPECT_EQ(source, board_);
        EXPECT_FALSE(accept);
        ++queries;
    };
    DragPiece(Centre(Square::E2), Centre(Square::E4));
    EXPECT_EQ(log, (Log{"down", "start", "drop", "move 53-37", "end on board"}));
    EXPECT_GE(queries, 3);
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(board_->DragSource(), Square::E2);
    EXPECT_EQ(board_->DropSquare(), Square::E4);
    EXPECT_FALSE(board_->WhiteToMove());
    EXPECT_NE(Pixel(Centre(Square::E4).x(), Centre(Square::E4).y() + 12), 0xC0C0C0u);
}

TEST_F(DragTest, WrongSidesPieceIsRefusedButMayGoBackHome) {
    DragPiece(Centre(Square::E7), Centre(Square::E5));
    EXPECT_EQ(log, (Log{"down", "start", "illegal 13", "end cancelled"}));
    log.clear();
    // Lifted and put back on its own square: accepted, nothing reported.
    const QPoint e7 = Centre(Square::E7);
    Press(e7);
    MoveTo(e7 + QPoint(10, 10));
    MoveTo(e7 + QPoint(3, 2));
    Release(e7 + QPoint(3, 2));
    EXPECT_EQ(log, (Log{"down", "start", "drop", "end on board"}));
    EXPECT_EQ(board_->DropSquare(), Square::E7);
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
    EXPECT_NE(Pixel(e7.x(), e7.y() + 12), 0x808080u);  // pawn drawn again
}

TEST_F(DragTest, ThinkingRefusesEveryDrop) {
    board_->thinking = true;
    DragPiece(Centre(Square::E2), Centre(Square::E4));
    const QPoint d2 = Centre(Square::D2);
    Press(d2);
    MoveTo(d2 + QPoint(8, 0));
    ASSERT_TRUE(board_->DragPicture().IsUp());  // the piece still lifts
    MoveTo(d2);
    Release(d2);
    EXPECT_EQ(log,
              (Log{"down", "start", "illegal 53", "end cancelled", "down", "start", "illegal 52", "end cancelled"}));
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
}

TEST_F(DragTest, DropOnBorderCancels) {
    DragPiece(Centre(Square::A2), QPoint(10, 300));
    EXPECT_EQ(log, (Log{"down", "start", "illegal 49", "end cancelled"}));
}

TEST_F(DragTest, HandlerAcceptedIllegalDropPutsThePieceBack) {
    board_->OnDragOver = [](TChessBrd&, QObject*, int, int, TDragState, bool& accept) { accept = true; };
    const QPoint e2 = Centre(Square::E2);
    DragPiece(e2, Centre(Square::E6));
    EXPECT_EQ(log, (Log{"down", "start", "drop", "illegal 53", "end on board"}));
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
    EXPECT_NE(Pixel(e2.x(), e2.y() + 12), 0xC0C0C0u);  // pawn visible on e2
}

TEST_F(DragTest, TurnedBoardFindsMirroredSquares) {
    board_->SetWhiteOnTop(true);
    // Turned, e2 is at column 3, row 1.
    const QPoint e2 = QPoint(24 + 3 * 40 + 20, 24 + 40 + 20), e4 = e2 + QPoint(0, 80);
    EXPECT_EQ(board_->SquareFromPoint(e2.x(), e2.y()), Square::E2);
    DragPiece(e2, e4);
    EXPECT_EQ(log, (Log{"down", "start", "drop", "move 53-37", "end on board"}));
}

TEST_F(DragTest, DragStatesAndRightButton) {
    std::vector<TDragState> states;
    board_->OnDragOver = [&](TChessBrd&, QObject*, int, int, TDragState s, bool&) { states.push_back(s); };
    const QPoint b1 = Centre(Square::B1);
    Press(b1, Qt::RightButton);
    MoveTo(b1 + QPoint(0, -10));
    MoveTo(b1 + QPoint(0, -20));
    MoveTo(QPoint(-10, 300));  // off the board
    MoveTo(Centre(Square::C3));
    Press(Centre(Square::C3), Qt::LeftButton);    // the drag owns the pointer: no OnMouseDown
    Release(Centre(Square::C3), Qt::LeftButton);  // not the button that armed it
    EXPECT_TRUE(board_->Dragging());
    Release(Centre(Square::C3), Qt::RightButton);
    EXPECT_FALSE(board_->Dragging());
    EXPECT_EQ(states, (std::vector<TDragState>{TDragState::dsDragEnter, TDragState::dsDragMove, TDragState::dsDragLeave,
                                               TDragState::dsDragEnter, TDragState::dsDragMove}));
    EXPECT_EQ(log, (Log{"down", "start", "drop", "move 58-43", "end on board"}));
    EXPECT_EQ(board_->Board()[ToInt(Square::C3)], 'N');
}

TEST_F(DragTest, ModalWindowCancelsTheDrag) {
    const QPoint e2 = Centre(Square::E2);
    Press(e2);
    MoveTo(e2 + QPoint(0, -30));
    ASSERT_TRUE(board_->DragPicture().IsUp());
    QDialog dialog(window_.get());
    dialog.setModal(true);
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(board_->Dragging());
    EXPECT_FALSE(board_->DragPicture().IsUp());
    EXPECT_EQ(log, (Log{"down", "start", "illegal 53", "end cancelled"}));
    dialog.close();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(DragTest, HidingTheBoardCancels) {
    const QPoint e2 = Centre(Square::E2);
    Press(e2);
    MoveTo(e2 + QPoint(0, -30));
    board_->hide();
    EXPECT_EQ(log, (Log{"down", "start", "illegal 53", "end cancelled"}));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(board_->DragPicture().IsUp());
}

TEST_F(DragTest, EngineMoveDuringDragTakesPictureDown) {
    const QPoint e2 = Centre(Square::E2);
    Press(e2);
    MoveTo(e2 + QPoint(0, -30));
    ASSERT_TRUE(board_->DragPicture().IsUp());
    ASSERT_TRUE(board_->PerformMove(Square::D2, Square::D4));  // e.g. the engine's move
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(board_->DragPicture().IsUp());
    EXPECT_TRUE(board_->Dragging());
    MoveTo(e2 + QPoint(0, -40));  // the next query puts a new picture up
    EXPECT_TRUE(board_->DragPicture().IsUp());
    Release(e2 + QPoint(0, -40));
}

}  // namespace
}  // namespace tablerix::test
