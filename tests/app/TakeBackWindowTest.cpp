// "Deshacer jugada": against the computer it takes back the human's move and
// the reply and the computer keeps playing; with two players one half-move.
// Afterwards the lists, the turn and the check indicator are as if the moves
// had never been played.

#include "GameFileWindowFixture.h"
#include "MessageCloser.h"

#include <QAction>

namespace tablerix {
namespace {

class TakeBackWindowTest : public GameFileWindowTest {
protected:
    void StartAgainstComputer() {
        Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(0);
        Control<QComboBox>(*form, "ComboDificultad")->setCurrentIndex(0);
        QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);
        Board(*form)->SetAnimateMoves(false);
    }
    int Moves() const { return Control<QListWidget>(*form, "ListBox1")->count(); }
    QStringList Entries() const { return Lines(Control<QListWidget>(*form, "ListBoxRepe")); }
    void TakeBack() { form->findChild<QAction*>(QStringLiteral("AccionDeshacer"))->trigger(); }
    QString Said() const { return Control<QLabel>(*form, "LAnuncio")->text(); }
    bool ComputerPlaysBlack() const { return Control<QComboBox>(*form, "ComboJugadores")->currentIndex() == 0; }
};

TEST_F(TakeBackWindowTest, AgainstTheComputerTheMoveAndTheReplyGoAndTheComputerPlaysOn) {
    StartAgainstComputer();
    TakeBack();  // nothing played yet
    EXPECT_EQ(Said(), QStringLiteral("No hay ninguna jugada que deshacer"));
    EXPECT_EQ(Moves(), 0);

    ASSERT_TRUE(Board(*form)->MakeMove(S::E2, S::E4));
    QTRY_COMPARE_WITH_TIMEOUT(Moves(), 2, 30000);  // the computer's reply
    TakeBack();
    EXPECT_EQ(Moves(), 0);
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_TRUE(Board(*form)->WhiteToMove());
    EXPECT_EQ(Board(*form)->Position(), ChessBrdCore().Position());
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), QStringLiteral("Mueve Blancas"));
    EXPECT_TRUE(ComputerPlaysBlack());
    EXPECT_TRUE(Said().startsWith(QStringLiteral("Jugada deshecha.")));

    // Another first move, and the computer answers it.
    ASSERT_TRUE(Board(*form)->MakeMove(S::D2, S::D4));
    QTRY_COMPARE_WITH_TIMEOUT(Moves(), 2, 30000);
    EXPECT_TRUE(Entries().first().contains(QStringLiteral("D2")));
}

TEST_F(TakeBackWindowTest, WhileTheComputerThinksOnlyTheHumansMoveGoes) {
    StartAgainstComputer();
    Control<QComboBox>(*form, "ComboDificultad")->setCurrentIndex(5);
    form->ComboDificultadChange();
    ASSERT_TRUE(Board(*form)->MakeMove(S::E2, S::E4));
    // Whether the reply has come or not, the human is to move in the start position.
    TakeBack();
    EXPECT_EQ(Moves(), 0);
    EXPECT_TRUE(Board(*form)->WhiteToMove());
    QTest::qWait(300);
    EXPECT_EQ(Moves(), 0);  // no late reply lands on the board
    EXPECT_TRUE(ComputerPlaysBlack());
    Control<QComboBox>(*form, "ComboDificultad")->setCurrentIndex(0);
    form->ComboDificultadChange();
    ASSERT_TRUE(Board(*form)->MakeMove(S::G1, S::F3));
    QTRY_COMPARE_WITH_TIMEOUT(Moves(), 2, 30000);
}

TEST_F(TakeBackWindowTest, WithTwoPlayersOneHalfMoveGoesAndTheCheckIndicatorFollows) {
    StartTwoPlayers();
    MessageCloser closer;
    Play(kLegal);  // ends in mate
    ASSERT_EQ(Moves(), 13);
    ASSERT_FALSE(form->ClocksRunning());
    TakeBack();
    EXPECT_EQ(Moves(), 12);
    EXPECT_EQ(Entries().size(), 12);
    EXPECT_TRUE(Control<QWidget>(*form, "PJaque")->isHidden());  // Ke7 gave no check
    EXPECT_TRUE(form->ClocksRunning());                          // the game is open again
    EXPECT_TRUE(Board(*form)->WhiteToMove());
    TakeBack();  // Ke7, an answer to a check
    EXPECT_EQ(Moves(), 11);
    EXPECT_FALSE(Control<QWidget>(*form, "PJaque")->isHidden());
    EXPECT_EQ(Control<QLabel>(*form, "BLJaque")->text(), QStringLiteral("Jaque"));
    // The game goes on from there with another defence.
    ASSERT_TRUE(Board(*form)->MakeMove(S::E8, S::E7));
    EXPECT_EQ(Moves(), 12);
    EXPECT_EQ(Entries().size(), 12);
}

TEST_F(TakeBackWindowTest, AfterTheComputersMateTheHumanTakesBackAndPlaysOn) {
    // The computer plays Black; White walks into the fool's mate.
    StartAgainstComputer();
    Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(1);
    form->ComboJugadoresChange();
    Play({{S::F2, S::F3}, {S::E7, S::E5}, {S::G2, S::G4}});
    Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(0);
    form->ComboJugadoresChange();
    MessageCloser closer;
    QTRY_COMPARE_WITH_TIMEOUT(Moves(), 4, 30000);  // Qh4#: any engine finds a mate in one
    QTRY_VERIFY(closer.texts.contains(QStringLiteral("      ***   Jaque Mate   ***")));
    TakeBack();
    EXPECT_EQ(Moves(), 2);
    EXPECT_TRUE(Board(*form)->WhiteToMove());
    EXPECT_TRUE(Control<QWidget>(*form, "PJaque")->isHidden());
    ASSERT_TRUE(Board(*form)->MakeMove(S::D2, S::D4));
    QTRY_COMPARE_WITH_TIMEOUT(Moves(), 4, 30000);
}

}  // namespace
}  // namespace tablerix
