// Click, then click: a click on a piece of the side to move picks it up (the
// drag's cancel still fires as before), a press on one of its legal targets
// plays the move, any other press drops the pick-up and acts as it always did.

#include "BoardFixture.h"

#include <string>
#include <vector>

namespace tablerix::test {
namespace {

using Log = std::vector<std::string>;

class ClickThenClickTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        board_->OnIllegalMove = [this](ChessBrdCore&, Square s) {
            log.push_back("illegal " + std::to_string(ToInt(s)));
        };
        board_->OnLegalMove = [this](ChessBrdCore&, Square a, Square b) {
            log.push_back("move " + std::to_string(ToInt(a)) + "-" + std::to_string(ToInt(b)));
        };
        board_->OnStartDrag = [this](TChessBrd&) { log.push_back("start"); };
        board_->OnEndDrag = [this](TChessBrd&, QObject* target, int, int) {
            log.push_back(target ? "end on board" : "end cancelled");
        };
    }
    void Click(Square q, Qt::MouseButton b = Qt::LeftButton) {
        Press(Centre(q), b);
        Release(Centre(q), b);
    }

    Log log;
};

TEST_F(ClickThenClickTest, AClickPicksUpAndAPressOnATargetPlays) {
    Click(Square::E2);
    EXPECT_EQ(log, (Log{"start", "illegal 53", "end cancelled"}));  // the drag's cancel, as before
    EXPECT_EQ(board_->Selected(), Square::E2);
    EXPECT_FALSE(board_->Dragging());
    Press(Centre(Square::E4));
    EXPECT_EQ(log, (Log{"start", "illegal 53", "end cancelled", "move 53-37"}));
    EXPECT_FALSE(board_->Dragging());
    Release(Centre(Square::E4));
    EXPECT_EQ(log.size(), 4u);
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_EQ(board_->Board()[ToInt(Square::E4)], 'P');

    // A capture: the press on the enemy piece plays instead of arming its drag.
    board_->MakeMove(Square::D7, Square::D5);
    log.clear();
    Click(Square::E4);
    Press(Centre(Square::D5));
    Release(Centre(Square::D5));
    EXPECT_EQ(log, (Log{"start", "illegal 37", "end cancelled", "move 37-28"}));
    EXPECT_EQ(board_->Board()[ToInt(Square::D5)], 'P');
}

TEST_F(ClickThenClickTest, AnyOtherPressDropsThePickUpAndActsAsBefore) {
    Click(Square::E2);
    Click(Square::E5);  // empty, not a target
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));

    Click(Square::E2);
    Press(Centre(Square::G1));  // another piece: its drag is armed
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_TRUE(board_->Dragging());
    Release(Centre(Square::G1));
    EXPECT_EQ(board_->Selected(), Square::G1);  // that click picks it up in turn

    Click(Square::G1);  // the picked-up piece again: dropped
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
}

TEST_F(ClickThenClickTest, DraggingIsUnchanged) {
    Click(Square::E2);
    log.clear();
    DragPiece(Centre(Square::G1), Centre(Square::F3));
    EXPECT_EQ(log, (Log{"start", "move 63-46", "end on board"}));
    EXPECT_EQ(board_->Selected(), Square::None);
    // A cancelled drag still reports the illegal move and picks nothing up.
    log.clear();
    DragPiece(Centre(Square::E7), Centre(Square::E4));
    EXPECT_EQ(log, (Log{"start", "illegal 13", "end cancelled"}));
    EXPECT_EQ(board_->Selected(), Square::None);
}

TEST_F(ClickThenClickTest, OnlyALeftClickOnAPieceOfTheSideToMovePicksUp) {
    Click(Square::E7);
    EXPECT_EQ(board_->Selected(), Square::None);
    Click(Square::E2, Qt::RightButton);
    EXPECT_EQ(board_->Selected(), Square::None);
    board_->thinking = true;
    Click(Square::E2);
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_EQ(log, (Log{"start", "illegal 13", "end cancelled", "start", "illegal 53", "end cancelled", "start",
                        "illegal 53", "end cancelled"}));
}

TEST_F(ClickThenClickTest, NothingIsPlayedWhileTheEngineThinks) {
    Click(Square::E2);
    board_->thinking = true;
    Press(Centre(Square::E4));
    Release(Centre(Square::E4));
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
    EXPECT_EQ(board_->Selected(), Square::None);
}

TEST_F(ClickThenClickTest, NewGameNavigationAndPositionChangesDropThePickUp) {
    Click(Square::E2);
    board_->NewGame();
    EXPECT_EQ(board_->Selected(), Square::None);
    board_->MakeMove(Square::E2, Square::E4);
    Click(Square::E7);
    ASSERT_EQ(board_->Selected(), Square::E7);
    board_->MoveBack();
    EXPECT_EQ(board_->Selected(), Square::None);
    Click(Square::D2);
    ASSERT_EQ(board_->Selected(), Square::D2);
    board_->SetPosition("init");
    EXPECT_EQ(board_->Selected(), Square::None);
    Click(Square::D2);
    board_->MakeMove(Square::G1, Square::F3);
    EXPECT_EQ(board_->Selected(), Square::None);
}

}  // namespace
}  // namespace tablerix::test
