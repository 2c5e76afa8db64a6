// Moves typed at the board: coordinates in any case, SAN in either set of
// piece letters, and short reasons for what is refused.

#include "NotationTestSupport.h"
#include "TypedMove.h"

#include <gtest/gtest.h>

namespace tablerix::test {
namespace {

HalfMove Typed(const BoardPosition& p, const char* text) {
    const San::Reading r = TypedMove::Read(p, text);
    EXPECT_TRUE(r.Ok()) << text << ": " << San::Describe(r.Fault);
    return r.Move;
}

TEST(TypedMove, CoordinatesAndSanInEitherLettersNameTheSameMove) {
    const BoardPosition start;
    for (const char* text : {"e2e4", "E2E4", "e2-e4", "E2-e4", " e4 ", "e4"}) EXPECT_EQ(Typed(start, text), M("e2e4"));
    for (const char* text : {"Nf3", "Cf3", "g1f3", "G1-F3", "Ng1f3"}) EXPECT_EQ(Typed(start, text), M("g1f3"));

    const BoardPosition open = FenState("r3k2r/pp1q1ppp/8/3p4/4P3/8/PPPQ1PPP/R3K2R w KQkq - 0 1");
    EXPECT_EQ(Typed(open, "exd5"), M("e4d5"));
    EXPECT_EQ(Typed(open, "Qxd5"), M("d2d5"));
    EXPECT_EQ(Typed(open, "Dxd5"), M("d2d5"));
    EXPECT_EQ(Typed(open, "O-O"), M("e1g1"));
    EXPECT_EQ(Typed(open, "0-0-0"), M("e1c1"));
    EXPECT_EQ(Typed(open.After(M("a2a3")), "0-0"), M("e8g8"));

    const BoardPosition promo = FenState("4k3/P7/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Typed(promo, "a7a8q").Promotion, 'q');
    EXPECT_EQ(Typed(promo, "A7A8N").Promotion, 'n');
    EXPECT_EQ(Typed(promo, "a7a8d").Promotion, 'q');  // dama
    EXPECT_EQ(Typed(promo, "a7a8c").Promotion, 'n');  // caballo
    EXPECT_EQ(Typed(promo, "a8=Q+").Promotion, 'q');
}

TEST(TypedMove, RefusalsSayWhyAndNeverEchoControlCharacters) {
    const BoardPosition start;
    EXPECT_EQ(TypedMove::Read(start, "e2e5").Fault, San::Error::Illegal);
    EXPECT_EQ(TypedMove::Read(start, "hola").Fault, San::Error::Unreadable);
    EXPECT_EQ(TypedMove::Read(start, "   ").Fault, San::Error::Unreadable);
    EXPECT_EQ(TypedMove::Refusal(" e2e5 ", San::Error::Illegal), "e2e5: jugada ilegal");
    EXPECT_EQ(TypedMove::Refusal("", San::Error::Unreadable), "Jugada vacía");
    EXPECT_EQ(TypedMove::Refusal(std::string_view("e2\0e\x1b", 5), San::Error::Unreadable), "e2?e?: no es una jugada");
}

}  // namespace
}  // namespace tablerix::test
