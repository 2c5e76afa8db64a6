// Playing from the keyboard while the board has the focus: the cursor and
// its frame, picking a piece up and playing it, the typed buffer and its
// events, and which keys the window's shortcuts still get.

#include "BoardFixture.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>

#include <string>
#include <vector>

namespace tablerix::test {
namespace {

using Log = std::vector<std::string>;

class KeyboardTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        other_ = new QPushButton(QStringLiteral("otro"), window_.get());  // owned by the window
        other_->move(500, 400);
        other_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        // Reached with Tab, as a keyboard user reaches it.
        other_->setFocus(Qt::TabFocusReason);
        board_->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(board_->hasFocus());
        board_->OnLegalMove = [this](ChessBrdCore&, Square a, Square b) {
            log.push_back("move " + std::to_string(ToInt(a)) + "-" + std::to_string(ToInt(b)));
        };
        board_->OnTypedEntryChanged = [this](TChessBrd&, const std::string& t) { log.push_back("typed " + t); };
        board_->OnTypedMove = [this](TChessBrd& b, const std::string& t) {
            log.push_back("entered " + t + (b.TypedEntry().empty() ? "" : " (buffer not cleared)"));
        };
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(board_, key, mods); }
    void Keys(Qt::Key key, int times) {
        for (int i = 0; i < times; ++i) Key(key);
    }
    // A window command on a key, as the main window has them.
    QAction* Command(const QKeySequence& key) {
        auto* action = new QAction(window_.get());  // owned by the window
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        window_->addAction(action);
        QObject::connect(action, &QAction::triggered,
                         [this, key] { log.push_back("command " + key.toString().toStdString()); });
        return action;
    }
    QRect SquareArea(Square q) const { return QRect(board_->SquareOrigin(q), QSize(40, 40)); }

    QPushButton* other_ = nullptr;
    Log log;
};

TEST_F(KeyboardTest, TheBoardTakesTheFocusAndTheCursorStartsOnE2) {
    EXPECT_EQ(board_->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(board_->KeyCursor(), Square::E2);
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_TRUE(board_->TypedEntry().empty());
}

TEST_F(KeyboardTest, ArrowsMoveTheCursorAsTheBoardIsSeen) {
    Key(Qt::Key_Up);
    EXPECT_EQ(board_->KeyCursor(), Square::E3);
    Key(Qt::Key_Left);
    EXPECT_EQ(board_->KeyCursor(), Square::D3);
    Keys(Qt::Key_Down, 3);  // stops at the edge
    EXPECT_EQ(board_->KeyCursor(), Square::D1);
    Key(Qt::Key_Home);
    EXPECT_EQ(board_->KeyCursor(), Square::A1);
    Key(Qt::Key_End);
    EXPECT_EQ(board_->KeyCursor(), Square::H1);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(board_->KeyCursor(), Square::H8);
    Key(Qt::Key_Right);
    EXPECT_EQ(board_->KeyCursor(), Square::H8);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(board_->KeyCursor(), Square::H1);

    // Black at the bottom: up goes towards rank 1, right towards file a.
    board_->SetWhiteOnTop(true);
    board_->SetKeyCursor(Square::E2);
    Key(Qt::Key_Up);
    EXPECT_EQ(board_->KeyCursor(), Square::E1);
    Key(Qt::Key_Right);
    EXPECT_EQ(board_->KeyCursor(), Square::D1);
    Key(Qt::Key_Home);
    EXPECT_EQ(board_->KeyCursor(), Square::H1);
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
}

TEST_F(KeyboardTest, ReturnPicksUpAndReturnOnATargetPlays) {
    Key(Qt::Key_Return);
    EXPECT_EQ(board_->Selected(), Square::E2);
    Keys(Qt::Key_Up, 2);
    EXPECT_EQ(board_->Selected(), Square::E2);
    Key(Qt::Key_Return);
    EXPECT_EQ(log, (Log{"move 53-37"}));
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_EQ(board_->Board()[ToInt(Square::E4)], 'P');
    EXPECT_FALSE(board_->WhiteToMove());

    // Space does the same, for Black now: g8 to f6.
    board_->SetKeyCursor(Square::G8);
    Key(Qt::Key_Space);
    EXPECT_EQ(board_->Selected(), Square::G8);
    board_->SetKeyCursor(Square::F6);
    Key(Qt::Key_Space);
    EXPECT_EQ(log, (Log{"move 53-37", "move 7-22"}));
    EXPECT_EQ(board_->Board()[ToInt(Square::F6)], 'n');
}

TEST_F(KeyboardTest, AnIllegalTargetIsRefusedAndEscapeDropsThePickUp) {
    Key(Qt::Key_Return);
    Keys(Qt::Key_Up, 3);  // e5: too far
    Key(Qt::Key_Return);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
    EXPECT_TRUE(board_->WhiteToMove());
    EXPECT_EQ(board_->Selected(), Square::E2);  // kept
    Key(Qt::Key_Escape);
    EXPECT_EQ(board_->Selected(), Square::None);

    // Return on the picked-up piece drops it; another own piece is picked up instead.
    board_->SetKeyCursor(Square::E2);
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(board_->Selected(), Square::None);
    Key(Qt::Key_Return);
    board_->SetKeyCursor(Square::G1);
    Key(Qt::Key_Return);
    EXPECT_EQ(board_->Selected(), Square::G1);
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
}

TEST_F(KeyboardTest, OnlyThePiecesOfTheSideToMoveArePickedUp) {
    board_->SetKeyCursor(Square::E7);
    Key(Qt::Key_Return);
    EXPECT_EQ(board_->Selected(), Square::None);
    board_->SetKeyCursor(Square::E4);
    Key(Qt::Key_Space);
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_TRUE(log.empty());
}

TEST_F(KeyboardTest, NothingHappensWhileTheEngineThinks) {
    board_->thinking = true;
    Key(Qt::Key_Return);
    EXPECT_EQ(board_->Selected(), Square::None);
    board_->thinking = false;
    Key(Qt::Key_Return);
    ASSERT_EQ(board_->Selected(), Square::E2);
    board_->thinking = true;
    Keys(Qt::Key_Up, 2);
    Key(Qt::Key_Return);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));
}

TEST_F(KeyboardTest, APromotionTakesTheBoardsPromotionPiece) {
    std::string position(64, ' ');
    position[ToInt(Square::E8) - 1] = 'k';
    position[ToInt(Square::A7) - 1] = 'P';
    position[ToInt(Square::E1) - 1] = 'K';
    board_->SetPosition(position);
    board_->SetPromotionPiece('n');
    board_->SetKeyCursor(Square::A7);
    Key(Qt::Key_Return);
    Key(Qt::Key_Up);
    Key(Qt::Key_Return);
    EXPECT_EQ(board_->Board()[ToInt(Square::A8)], 'N');
}

TEST_F(KeyboardTest, TypedTextGoesIntoTheBufferAndReturnHandsItOver) {
    QTest::keyClicks(board_, QStringLiteral("Nf3"));
    EXPECT_EQ(board_->TypedEntry(), "Nf3");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(board_->TypedEntry(), "Nf");
    Key(Qt::Key_Space);  // ignored with text
    EXPECT_EQ(board_->TypedEntry(), "Nf");
    EXPECT_EQ(board_->Selected(), Square::None);
    QKeyEvent tilde(QEvent::KeyPress, Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ"));
    QCoreApplication::sendEvent(board_, &tilde);
    EXPECT_EQ(board_->TypedEntry(), "Nfñ");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_TRUE(board_->TypedEntry().empty());
    EXPECT_EQ(log,
              (Log{"typed N", "typed Nf", "typed Nf3", "typed Nf", "typed Nfñ", "typed Nf", "typed ", "entered Nf"}));
    EXPECT_EQ(board_->Position(), std::string(kStartPosition));  // the board does not read it

    log.clear();
    Key(Qt::Key_Return);  // no text: the pick-up
    EXPECT_EQ(board_->Selected(), Square::E2);
    QTest::keyClicks(board_, QStringLiteral("e4"));
    Key(Qt::Key_Escape);  // clears both
    EXPECT_TRUE(board_->TypedEntry().empty());
    EXPECT_EQ(board_->Selected(), Square::None);
    Key(Qt::Key_Backspace);  // nothing left to remove
    EXPECT_EQ(log, (Log{"typed e", "typed e4", "typed "}));
}

TEST_F(KeyboardTest, TheWindowsShortcutsGiveWayOnlyToTheBoardsKeys) {
    Command(QKeySequence(Qt::Key_Left));
    Command(QKeySequence(Qt::Key_Home));
    Command(QKeySequence(Qt::Key_Space));
    Command(QKeySequence(Qt::Key_Escape));
    Command(QKeySequence(Qt::CTRL | Qt::Key_S));
    Key(Qt::Key_Left);
    Key(Qt::Key_Home);
    EXPECT_EQ(board_->KeyCursor(), Square::A2);
    Key(Qt::Key_Space);
    EXPECT_EQ(board_->Selected(), Square::A2);
    Key(Qt::Key_Escape);  // drops the pick-up
    EXPECT_EQ(board_->Selected(), Square::None);
    EXPECT_TRUE(log.empty());
    Key(Qt::Key_Escape);  // nothing to drop: the window's
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(board_->TypedEntry(), "");
    EXPECT_EQ(log, (Log{"command Esc", "command Ctrl+S"}));

    // Elsewhere the keys are the window's again.
    log.clear();
    other_->setFocus(Qt::TabFocusReason);
    QTest::keyClick(other_, Qt::Key_Left);
    EXPECT_EQ(log, (Log{"command Left"}));
    EXPECT_EQ(board_->KeyCursor(), Square::A2);
}

TEST_F(KeyboardTest, TheFrameShowsOnlyWhileTheBoardHasTheFocus) {
    const QRect e2 = SquareArea(Square::E2);
    EXPECT_EQ(Pixel(e2.left(), e2.top()), 0x000000u);
    EXPECT_EQ(Pixel(e2.left() + 2, e2.top() + 2), 0xFFFFFFu);
    EXPECT_EQ(Pixel(e2.right(), e2.bottom()), 0x000000u);
    other_->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Pixel(e2.left(), e2.top()), 0xC0C0C0u);  // e2 is light
    EXPECT_EQ(Pixel(e2.left() + 2, e2.top() + 2), 0xC0C0C0u);
    board_->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Left);  // the frame moves to d2 (dark)
    const QRect d2 = SquareArea(Square::D2);
    EXPECT_EQ(Pixel(e2.left(), e2.top()), 0xC0C0C0u);
    EXPECT_EQ(Pixel(d2.left(), d2.top()), 0x000000u);
    EXPECT_EQ(Pixel(d2.left() + 3, d2.top() + 3), 0xFFFFFFu);

    // A mouse press hides it until the next key.
    Press(Centre(Square::E4));
    Release(Centre(Square::E4));
    const QRect e4 = SquareArea(Square::E4);
    EXPECT_EQ(board_->KeyCursor(), Square::E4);
    EXPECT_EQ(Pixel(e4.left(), e4.top()), 0xC0C0C0u);
    EXPECT_EQ(Pixel(d2.left(), d2.top()), 0x808080u);
    Key(Qt::Key_Down);
    EXPECT_EQ(Pixel(SquareArea(Square::E3).left(), SquareArea(Square::E3).top()), 0x000000u);
}

TEST_F(KeyboardTest, ThePickedUpPieceIsMarkedOnItsSquare) {
    const QRect e2 = SquareArea(Square::E2);
    Key(Qt::Key_Return);
    Key(Qt::Key_Up);  // the frame out of the way
    EXPECT_EQ(Pixel(e2.left() + 4, e2.top() + 4), 0xFFC800u);
    EXPECT_EQ(Pixel(e2.right() - 4, e2.bottom() - 4), 0xFFC800u);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Pixel(e2.left() + 4, e2.top() + 4), 0xC0C0C0u);
}

}  // namespace
}  // namespace tablerix::test
