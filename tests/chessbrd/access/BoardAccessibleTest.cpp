// The board as a screen reader sees it: a table of 64 cells named after what
// stands on each square, with their places on screen, the focused cell under
// the keyboard cursor and the picked-up cell selected. (The headless platform
// has no screen reader, so the events the board sends are not heard here.)

#include "chessbrd/view/BoardFixture.h"

#include <QAccessible>

#include <memory>

namespace tablerix::test {
namespace {

class BoardAccessibleTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        board_->clearFocus();  // the only control: the window's activation gave it the focus
        table = QAccessible::queryAccessibleInterface(board_);
        ASSERT_NE(table, nullptr);
        cells = table->tableInterface();
        ASSERT_NE(cells, nullptr);
    }
    void FocusBoard() {
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        board_->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    QString Name(int row, int column) const { return cells->cellAt(row, column)->text(QAccessible::Name); }
    static int Index(int row, int column) { return row * 8 + column; }

    QAccessibleInterface* table = nullptr;
    QAccessibleTableInterface* cells = nullptr;
};

TEST_F(BoardAccessibleTest, TheBoardIsATableOf64NamedCells) {
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Tablero"));
    EXPECT_TRUE(table->state().focusable);
    EXPECT_EQ(table->childCount(), 64);
    EXPECT_EQ(cells->rowCount(), 8);
    EXPECT_EQ(cells->columnCount(), 8);
    EXPECT_EQ(cells->rowDescription(0), QStringLiteral("8"));
    EXPECT_EQ(cells->columnDescription(0), QStringLiteral("a"));
    EXPECT_EQ(Name(0, 0), QStringLiteral("a8, torre negra"));
    EXPECT_EQ(Name(0, 3), QStringLiteral("d8, dama negra"));
    EXPECT_EQ(Name(6, 4), QStringLiteral("e2, peón blanco"));
    EXPECT_EQ(Name(2, 5), QStringLiteral("f6, vacía"));
    EXPECT_EQ(Name(7, 4), QStringLiteral("e1, rey blanco"));

    QAccessibleInterface* e2 = cells->cellAt(6, 4);
    EXPECT_EQ(e2->role(), QAccessible::Cell);
    EXPECT_EQ(e2, table->child(Index(6, 4)));
    EXPECT_EQ(table->indexOfChild(e2), Index(6, 4));
    EXPECT_EQ(e2->parent(), table);
    ASSERT_NE(e2->tableCellInterface(), nullptr);
    EXPECT_EQ(e2->tableCellInterface()->rowIndex(), 6);
    EXPECT_EQ(e2->tableCellInterface()->columnIndex(), 4);
    EXPECT_EQ(e2->tableCellInterface()->table(), table);
    EXPECT_TRUE(e2->state().focusable);
    EXPECT_FALSE(e2->state().focused);
    EXPECT_FALSE(e2->state().selected);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(board_), table);  // one table, kept

    const QRect onScreen(board_->mapToGlobal(board_->SquareOrigin(Square::E2)), QSize(40, 40));
    EXPECT_EQ(e2->rect(), onScreen);
    EXPECT_EQ(table->childAt(onScreen.center().x(), onScreen.center().y()), e2);
    EXPECT_EQ(cells->cellAt(8, 0), nullptr);
    EXPECT_EQ(table->child(64), nullptr);
}

TEST_F(BoardAccessibleTest, NamesFollowTheMovesAndTheTurnedBoard) {
    ASSERT_TRUE(board_->MakeMove(Square::E2, Square::E4));
    ASSERT_TRUE(board_->MakeMove(Square::G8, Square::F6));
    EXPECT_EQ(Name(4, 4), QStringLiteral("e4, peón blanco"));
    EXPECT_EQ(Name(6, 4), QStringLiteral("e2, vacía"));
    EXPECT_EQ(Name(2, 5), QStringLiteral("f6, caballo negro"));
    EXPECT_EQ(Name(0, 6), QStringLiteral("g8, vacía"));

    // Black at the bottom: the first row on screen is rank 1, from h to a.
    board_->SetWhiteOnTop(true);
    EXPECT_EQ(Name(0, 0), QStringLiteral("h1, torre blanca"));
    EXPECT_EQ(cells->rowDescription(0), QStringLiteral("1"));
    EXPECT_EQ(cells->columnDescription(0), QStringLiteral("h"));
    const QRect h1(board_->mapToGlobal(board_->SquareOrigin(Square::H1)), QSize(40, 40));
    EXPECT_EQ(cells->cellAt(0, 0)->rect(), h1);
}

TEST_F(BoardAccessibleTest, TheFocusedCellFollowsTheCursor) {
    EXPECT_EQ(table->focusChild(), nullptr);
    FocusBoard();
    QAccessibleInterface* e2 = cells->cellAt(6, 4);
    EXPECT_TRUE(table->state().focused);
    EXPECT_TRUE(e2->state().focused);
    EXPECT_EQ(table->focusChild(), e2);

    QTest::keyClick(board_, Qt::Key_Up);
    QTest::keyClick(board_, Qt::Key_Left);
    EXPECT_FALSE(e2->state().focused);
    EXPECT_TRUE(cells->cellAt(5, 3)->state().focused);
    EXPECT_EQ(table->focusChild(), cells->cellAt(5, 3));
    EXPECT_EQ(Name(5, 3), QStringLiteral("d3, vacía"));

    // Elsewhere no cell has the focus.
    board_->clearFocus();
    EXPECT_FALSE(cells->cellAt(5, 3)->state().focused);
    EXPECT_EQ(table->focusChild(), nullptr);
}

TEST_F(BoardAccessibleTest, ThePickedUpCellIsSelected) {
    FocusBoard();
    QTest::keyClick(board_, Qt::Key_Return);
    QAccessibleInterface* e2 = cells->cellAt(6, 4);
    EXPECT_TRUE(e2->state().selected);
    EXPECT_TRUE(e2->tableCellInterface()->isSelected());
    EXPECT_EQ(cells->selectedCellCount(), 1);
    EXPECT_EQ(cells->selectedCells(), QList<QAccessibleInterface*>{e2});
    QTest::keyClick(board_, Qt::Key_Escape);
    EXPECT_FALSE(e2->state().selected);
    EXPECT_EQ(cells->selectedCellCount(), 0);
}

TEST(BoardAccessibleLifetime, TheTableAndItsCellsGoWithTheBoard) {
    auto board = std::make_unique<TChessBrd>();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board.get());
    ASSERT_NE(table, nullptr);
    const QAccessible::Id cell = QAccessible::uniqueId(table->child(10));
    EXPECT_EQ(QAccessible::accessibleInterface(cell), table->child(10));
    board.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(cell), nullptr);
}

}  // namespace
}  // namespace tablerix::test
