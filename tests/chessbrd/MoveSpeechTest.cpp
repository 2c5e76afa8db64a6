// What a screen reader hears of squares, moves and the whole position.

#include "ChessBrdTestSupport.h"
#include "MoveSpeech.h"

#include <gtest/gtest.h>

namespace tablerix::test {
namespace {

using O = MoveSpeech::Outcome;

HalfMove M(const char* text) {
    const std::string t(text);
    return {Sq(t.substr(0, 2).c_str()), Sq(t.substr(2, 2).c_str()), 0};
}

BoardPosition FenState(const char* fen) {
    ChessBrdCore board;
    SetFen(board, fen);
    return board.CurrentPosition();
}

TEST(MoveSpeech, SquaresNameWhatStandsThereWithItsGender) {
    const BoardPosition start;
    EXPECT_EQ(MoveSpeech::Describe(start, Sq("e2")), "e2, peón blanco");
    EXPECT_EQ(MoveSpeech::Describe(start, Sq("d8")), "d8, dama negra");
    EXPECT_EQ(MoveSpeech::Describe(start, Sq("a1")), "a1, torre blanca");
    EXPECT_EQ(MoveSpeech::Describe(start, Sq("g8")), "g8, caballo negro");
    EXPECT_EQ(MoveSpeech::Describe(start, Sq("f6")), "f6, vacía");
    EXPECT_EQ(MoveSpeech::PieceName(' '), "");
    EXPECT_EQ(MoveSpeech::SquareName(Square::None), "--");
}

TEST(MoveSpeech, MovesNameThePieceTheSquaresAndWhatFollowed) {
    const BoardPosition start;
    EXPECT_EQ(MoveSpeech::Move(start, M("g1f3"), O::None), "Blancas: caballo de g1 a f3");
    EXPECT_EQ(MoveSpeech::Move(start.After(M("e2e4")), M("g8f6"), O::None), "Negras: caballo de g8 a f6");

    const BoardPosition ep = FenState("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    EXPECT_EQ(MoveSpeech::Move(ep, M("e5d6"), O::Check), "Blancas: peón de e5 a d6, captura peón al paso, jaque");

    const BoardPosition castle = FenState("r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1");
    EXPECT_EQ(MoveSpeech::Move(castle, M("e8c8"), O::None), "Negras: enroque largo, rey de e8 a c8");

    const BoardPosition promo = FenState("1r2k3/P7/8/8/8/8/8/4K3 w - - 0 1");
    HalfMove take = M("a7b8");
    take.Promotion = 'n';
    EXPECT_EQ(MoveSpeech::Move(promo, take, O::None), "Blancas: peón de a7 a b8, captura torre, corona caballo");
    EXPECT_EQ(MoveSpeech::Move(promo, M("a7a8"), O::Draw), "Blancas: peón de a7 a a8, corona dama, tablas");

    const BoardPosition mate = FenState("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1");
    EXPECT_EQ(MoveSpeech::Move(mate, M("a1a8"), O::Mate), "Blancas: torre de a1 a a8, jaque mate");
}

TEST(MoveSpeech, ThePositionIsReadSideBySideKingsFirst) {
    EXPECT_EQ(MoveSpeech::Position(FenState("4k3/8/8/8/8/8/4P3/R3K3 b Q - 0 1")),
              "Juegan negras. Blancas: rey e1, torre a1, peón e2. Negras: rey e8.");
    BoardPosition empty;
    for (int s = 1; s <= 64; ++s) empty.Set(ToSquare(s), ' ');
    EXPECT_EQ(MoveSpeech::Position(empty), "Juegan blancas. Blancas: ninguna pieza. Negras: ninguna pieza.");
}

}  // namespace
}  // namespace tablerix::test
