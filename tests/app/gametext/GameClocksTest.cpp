// The clock arithmetic: carries, the side clock, the label texts.
#include "GameClocks.h"

#include <gtest/gtest.h>

namespace tablerix {
namespace {

TEST(GameClocksTest, SecondsAndMinutesCarry) {
    GameClocks::Counter c;
    c.Seconds = 59;
    c.Advance();
    EXPECT_EQ(c, (GameClocks::Counter{0, 1, 0}));

    c = {0, 59, 59};
    c.Advance();
    EXPECT_EQ(c, (GameClocks::Counter{1, 0, 0}));

    c = {9, 59, 59};
    c.Advance();
    EXPECT_EQ(c.Hours, 10);
    EXPECT_EQ(GameClocks::TwoDigits(c.Hours), "10");
}

TEST(GameClocksTest, TickAdvancesGameClockAndTheSideToMove) {
    GameClocks clocks;
    clocks.Tick(true);
    clocks.Tick(true);
    clocks.Tick(false);
    EXPECT_EQ(clocks.GameClock, (GameClocks::Counter{0, 0, 3}));
    EXPECT_EQ(clocks.WhiteClock, (GameClocks::Counter{0, 0, 2}));
    EXPECT_EQ(clocks.BlackClock, (GameClocks::Counter{0, 0, 1}));
    clocks.Reset();
    EXPECT_EQ(clocks.GameClock, GameClocks::Counter{});
    EXPECT_EQ(clocks.WhiteClock, GameClocks::Counter{});
    EXPECT_EQ(clocks.BlackClock, GameClocks::Counter{});
}

TEST(GameClocksTest, LabelTexts) {
    EXPECT_EQ(GameClocks::TwoDigits(0), "00");
    EXPECT_EQ(GameClocks::TwoDigits(7), "07");
    EXPECT_EQ(GameClocks::TwoDigits(59), "59");
    EXPECT_EQ(GameClocks::TwoDigits(100), "100");  // all digits from 100 hours on
    EXPECT_EQ(GameClocks::TwoDigits(12345), "12345");
}

TEST(GameClocksTest, HoursSaturateInsteadOfOverflowing) {
    GameClocks::Counter c{2147483647, 59, 59};
    c.Advance();
    EXPECT_EQ(c, (GameClocks::Counter{2147483647, 0, 0}));
}

TEST(GameClocksTest, FromTextReadsLabelsBack) {
    EXPECT_EQ(GameClocks::FromText("07"), 7);
    EXPECT_EQ(GameClocks::FromText("59"), 59);
    EXPECT_EQ(GameClocks::FromText(" 12 "), 12);
    EXPECT_EQ(GameClocks::FromText("100"), 100);
    EXPECT_EQ(GameClocks::FromText(""), 0);
    EXPECT_EQ(GameClocks::FromText("1x"), 0);
    EXPECT_EQ(GameClocks::FromText("-5"), 0);
    EXPECT_EQ(GameClocks::FromText("99999999999"), 0);
}

}  // namespace
}  // namespace tablerix
