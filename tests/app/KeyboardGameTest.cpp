// A whole game without a mouse: moves typed at the board in coordinates and
// in SAN of either language, the square cursor, and refusals that leave the
// board as it was; and a click, then a click, in the window.

#include "GameFileWindowFixture.h"
#include "MessageCloser.h"

#include "BoardPosition.h"
#include "MoveSpeech.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <random>
#include <set>

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

// A game as long as the record holds: a typed move is then refused for
// the game's length, not as an illegal move.
TEST_F(KeyboardGameTest, AMoveBeyondAFullRecordIsRefusedForTheGamesLength) {
    StartTwoPlayers();
    B().SetAnimateMoves(false);
    MessageCloser closer;  // should the game end on the way
    // A game that never repeats a position, made on a position value first.
    std::mt19937 rng(7);
    BoardPosition p;
    std::set<std::pair<std::string, bool>> seen{{p.Placement(), true}};
    std::vector<HalfMove> game;
    for (int ply = 0; ply < 2 * ChessBrdCore::kMaxMoves; ++ply) {
        std::vector<HalfMove> legal = p.LegalMoves();
        std::shuffle(legal.begin(), legal.end(), rng);
        // Captures last, so that the game does not dwindle to bare kings.
        std::stable_partition(legal.begin(), legal.end(), [&](const HalfMove& m) { return p.At(m.To) == ' '; });
        const auto fresh = std::find_if(legal.begin(), legal.end(), [&](const HalfMove& m) {
            const BoardPosition next = p.After(m);
            return next.HasLegalMove() && !seen.count({next.Placement(), next.WhiteToMove()});
        });
        ASSERT_NE(fresh, legal.end()) << "ply " << ply;
        game.push_back(*fresh);
        p = p.After(*fresh);
        seen.insert({p.Placement(), p.WhiteToMove()});
    }
    for (const HalfMove& m : game) {
        if (B().RecordFull()) break;
        B().SetPromotionPiece(m.Promotion ? m.Promotion : 'q');
        ASSERT_TRUE(B().MakeMove(m.From, m.To));
    }
    p = B().CurrentPosition();
    ASSERT_TRUE(closer.texts.isEmpty()) << closer.texts.join(u'|').toStdString();
    const HalfMove next = p.LegalMoves().front();
    const std::string text = MoveSpeech::SquareName(next.From) + MoveSpeech::SquareName(next.To);
    Focus();
    Type(text.c_str());
    EXPECT_EQ(Said(), QStringLiteral("La partida es demasiado larga"));
    EXPECT_EQ(B().CurrentPosition(), p);
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
