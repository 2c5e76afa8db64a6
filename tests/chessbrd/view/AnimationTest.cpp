// Sliding moves: step counts and paths, the knight's two legs, the busy wait,
// and the moves that are not animated.

#include "BoardFixture.h"
#include "DragImage.h"
#include "MoveAnimator.h"
#include "MoveViewState.h"

#include <QElapsedTimer>

#include <vector>

namespace tablerix::test {
namespace {

class AnimationTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        board_->Animator().SetStepObserver([this](QPoint p) {
            EXPECT_TRUE(board_->DragPicture().IsUp());
            path.push_back(p);
        });
    }
    std::vector<QPoint> path;
};

TEST_F(AnimationTest, DiagonalOfOneSquareTakesFortyOneSteps) {
    board_->SetPosition("init");
    ASSERT_TRUE(board_->PerformMove(Square::E2, Square::E4));
    ASSERT_TRUE(board_->PerformMove(Square::D7, Square::D5));
    path.clear();
    ASSERT_TRUE(board_->PerformMove(Square::E4, Square::D5));
    ASSERT_EQ(path.size(), 41u);
    const QPoint from = InWindow(board_->SquareOrigin(Square::E4));
    const QPoint to = InWindow(board_->SquareOrigin(Square::D5));
    EXPECT_EQ(path.front(), from);
    EXPECT_EQ(path.back(), to);
    for (std::size_t i = 1; i < path.size(); ++i) EXPECT_EQ(path[i] - path[i - 1], QPoint(-1, -1));
    EXPECT_FALSE(board_->DragPicture().IsUp());
}

TEST_F(AnimationTest, KnightGoesAlongTheRowThenTheColumn) {
    ASSERT_TRUE(board_->PerformMove(Square::G1, Square::F3));
    ASSERT_EQ(path.size(), 122u);
    const QPoint from = InWindow(board_->SquareOrigin(Square::G1));
    const QPoint to = InWindow(board_->SquareOrigin(Square::F3));
    EXPECT_EQ(path[0], from);
    EXPECT_EQ(path[40], QPoint(to.x(), from.y()));
    EXPECT_EQ(path[41], QPoint(to.x(), from.y()));
    EXPECT_EQ(path[121], to);
    EXPECT_EQ(board_->Animator().Steps(), 122);
}

TEST_F(AnimationTest, TurnedBoardSlidesOnScreenPositions) {
    board_->SetWhiteOnTop(true);
    ASSERT_TRUE(board_->PerformMove(Square::E2, Square::E4));
    ASSERT_EQ(path.size(), 81u);
    EXPECT_EQ(path.front(), InWindow(QPoint(24 + 3 * 40, 24 + 40)));
    EXPECT_EQ(path.back(), InWindow(QPoint(24 + 3 * 40, 24 + 3 * 40)));
}

TEST_F(AnimationTest, NoAnimationWhenOffOrJustDropped) {
    board_->SetAnimateMoves(false);
    ASSERT_TRUE(board_->PerformMove(Square::E2, Square::E4));
    EXPECT_TRUE(path.empty());
    board_->SetAnimateMoves(true);
    DragPiece(Centre(Square::E7), Centre(Square::E5));
    EXPECT_EQ(board_->Board()[ToInt(Square::E5)], 'p');
    EXPECT_TRUE(path.empty());
    // The same squares later, e.g. replayed after going back: still not animated.
    ASSERT_TRUE(board_->MoveBack());
    ASSERT_TRUE(board_->PerformMove(Square::E7, Square::E5));
    EXPECT_TRUE(path.empty());
}

TEST_F(AnimationTest, AnimationDelayHoldsEveryStep) {
    board_->SetAnimationDelay(4);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(board_->PerformMove(Square::E2, Square::E3));
    ASSERT_EQ(path.size(), 41u);
    EXPECT_GE(clock.elapsed(), 41 * 5);
}

TEST(MoveViewStateTest, SlidesEveryMoveButTheLastDrop) {
    MoveViewState v;
    EXPECT_TRUE(v.AnimateMoves());
    EXPECT_EQ(v.AnimationDelay(), 0);
    EXPECT_EQ(v.DragSource(), Square::None);
    EXPECT_EQ(v.DropSquare(), Square::None);
    EXPECT_TRUE(v.Slides(Square::E2, Square::E4));
    v.SetDragSource(Square::E2);
    v.SetDropSquare(Square::E4);
    EXPECT_FALSE(v.Slides(Square::E2, Square::E4));
    EXPECT_TRUE(v.Slides(Square::E2, Square::E3));
    EXPECT_TRUE(v.Slides(Square::D2, Square::E4));
    v.SetAnimateMoves(false);
    EXPECT_FALSE(v.Slides(Square::E7, Square::E5));
}

TEST_F(AnimationTest, DuringTheSlideOriginEmptyAndTargetUnchanged) {
    QRgb originDuring = 0, overlayPixel = 0;
    const QPoint d1 = Centre(Square::D1);
    ASSERT_TRUE(board_->PerformMove(Square::E2, Square::E4));
    ASSERT_TRUE(board_->PerformMove(Square::E7, Square::E5));
    board_->Animator().SetStepObserver([&](QPoint p) {
        if (p == InWindow(board_->SquareOrigin(Square::H5))) {
            originDuring = Pixel(d1.x(), d1.y() - 12);
            overlayPixel = WindowShot().pixel(p + QPoint(20, 20)) & 0xFFFFFF;
        }
    });
    ASSERT_TRUE(board_->PerformMove(Square::D1, Square::H5));
    EXPECT_EQ(originDuring, 0xC0C0C0u);  // d1 is light and already empty
    EXPECT_EQ(overlayPixel, board_->Pieces().ImageOf('Q').pixel(20, 20) & 0xFFFFFF);
}

TEST_F(AnimationTest, TheSlideRepaintsNothingUnderIt) {
    int paints = 0;
    board_->OnPaint = [&](ChessBrdCore&) { ++paints; };
    ASSERT_TRUE(board_->PerformMove(Square::B1, Square::C3));
    ASSERT_EQ(path.size(), 122u);
    EXPECT_EQ(paints, 1);  // the move's own OnPaint, at its end
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
}

TEST(MoveAnimatorTest, PathsAndTheirStepCounts) {
    DragImage image;
    MoveAnimator animator(image);
    std::vector<QPoint> path;
    animator.SetStepObserver([&](QPoint p) { path.push_back(p); });
    animator.SlideLine(10, 10, 10, 10, 0);
    EXPECT_TRUE(path.empty());
    animator.SlideHorizontal(5, 5, 0, 0);
    EXPECT_EQ(path.size(), 1u);
    path.clear();
    animator.SlideVertical(50, 10, 3, 0);
    EXPECT_EQ(path.size(), 41u);
    EXPECT_EQ(path.back(), QPoint(3, 10));
    path.clear();
    animator.SlideLine(0, 0, 120, -40, 0);  // three squares along a rank, one up
    ASSERT_EQ(path.size(), 121u);
    EXPECT_EQ(path[2], QPoint(2, 0));   // -2/3 truncated toward zero
    EXPECT_EQ(path[5], QPoint(5, -1));  // -5/3
    EXPECT_EQ(path.back(), QPoint(120, -40));
}

TEST(MoveAnimatorTest, EachStepWaitsLongerThanTheDelay) {
    DragImage image;
    MoveAnimator animator(image);
    QElapsedTimer clock;
    clock.start();
    animator.SlideHorizontal(0, 4, 0, 3);  // 5 steps of at least 4 ms
    EXPECT_GE(clock.elapsed(), 20);
}

}  // namespace
}  // namespace tablerix::test
