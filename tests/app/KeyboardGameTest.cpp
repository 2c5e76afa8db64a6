// A whole game without a mouse: moves typed at the board in coordinates and
// in SAN of either language, the square cursor, and refusals that leave the
// board as it was; and a click, then a click, in the window.

#include "GameFileWindowFixture.h"

#include <QLabel>
#include <QTest>

namespace tablerix {
namespace {

class KeyboardGameTest : public GameFileWindowTest {
protected:
    TChessBrd& B() const { return *Board(*form); }
    QString Said() const { return Control<QLabel>(*form, "LAnuncio")->text(); }
    void Focus() {
        B().setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return B().hasFocus(); }));
    }
    void Type(const char* text) {
        QTest::keyClicks(&B(), QString::fromLatin1(text));
        QTest::keyClick(&B(), Qt::Key_Return);
    }
    // A point inside sq, found through the board's own geometry.
    QPoint Inside(Square sq) const {
        for (int y = 0; y < B().height(); y += 4)
            for (int x = 0; x < B().width(); x += 4)
                if (B().SquareFromPoint(x, y) == sq && B().SquareFromPoint(x + 8, y + 8) == sq) return {x + 4, y + 4};
        ADD_FAILURE() << "no point inside square " << ToInt(sq);
        return {};
    }
};

TEST_F(KeyboardGameTest, AGameIsPlayedByTypingAndByTheCursor) {
    StartTwoPlayers();
    B().SetAnimateMoves(false);
    Focus();
    Type("e2e4");
    EXPECT_EQ(B().Board()[ToInt(S::E4)], 'P');
    QTRY_COMPARE(Said(), QStringLiteral("Blancas: peón de e2 a e4"));
    Type("Cf6");  // Spanish letters
    Type("NC3");  // not SAN (a capital file): refused
    EXPECT_EQ(Said(), QStringLiteral("NC3: no es una jugada"));
    Type("B1-C3");  // coordinates in any case
    EXPECT_EQ(B().Board()[ToInt(S::C3)], 'N');

    // The cursor: d7, picked up, two squares down, played.
    B().SetKeyCursor(S::D7);
    QTest::keyClick(&B(), Qt::Key_Return);
    EXPECT_EQ(B().Selected(), S::D7);
    QTest::keyClick(&B(), Qt::Key_Down);
    QTest::keyClick(&B(), Qt::Key_Down);
    EXPECT_EQ(B().KeyCursor(), S::D5);
    QTest::keyClick(&B(), Qt::Key_Space);
    EXPECT_EQ(B().Board()[ToInt(S::D5)], 'p');
    QTRY_COMPARE(Said(), QStringLiteral("Negras: peón de d7 a d5"));

    for (const char* text : {"exd5", "Nxd5", "Cxd5", "Dxd5"}) Type(text);
    EXPECT_EQ(B().Board()[ToInt(S::D5)], 'q');
    QTRY_COMPARE(Said(), QStringLiteral("Negras: dama de d8 a d5, captura caballo"));
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 8);
}

TEST_F(KeyboardGameTest, RefusedEntriesLeaveTheBoardAsItWas) {
    StartTwoPlayers();
    Focus();
    const std::string before = B().Position();
    for (const char* text : {"e2e5", "Ke2", "hola", "Qxd7+", "O-O"}) {
        Type(text);
        EXPECT_EQ(B().Position(), before) << text;
        EXPECT_TRUE(B().WhiteToMove()) << text;
        EXPECT_TRUE(Said().startsWith(QString::fromLatin1(text) + QStringLiteral(": "))) << Said().toStdString();
    }
    EXPECT_EQ(Said(), QStringLiteral("O-O: jugada ilegal"));
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 0);
    // What is typed is said as it is typed.
    QTest::keyClicks(&B(), QStringLiteral("e2"));
    EXPECT_EQ(Said(), QStringLiteral("Jugada: e2"));
    QTest::keyClick(&B(), Qt::Key_Escape);
    EXPECT_TRUE(B().TypedEntry().empty());
}

TEST_F(KeyboardGameTest, AClickThenAClickPlaysInTheWindow) {
    StartTwoPlayers();
    B().SetAnimateMoves(false);
    QTest::mouseClick(&B(), Qt::LeftButton, Qt::NoModifier, Inside(S::G1));
    EXPECT_EQ(B().Selected(), S::G1);
    QTest::mouseClick(&B(), Qt::LeftButton, Qt::NoModifier, Inside(S::F3));
    EXPECT_EQ(B().Board()[ToInt(S::F3)], 'N');
    QTRY_COMPARE(Said(), QStringLiteral("Blancas: caballo de g1 a f3"));
    // A click on an empty square drops nothing and plays nothing.
    QTest::mouseClick(&B(), Qt::LeftButton, Qt::NoModifier, Inside(S::E5));
    EXPECT_EQ(B().Selected(), S::None);
    EXPECT_FALSE(B().WhiteToMove());
}

}  // namespace
}  // namespace tablerix
