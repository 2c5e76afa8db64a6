// Clock, date and player tag values: written as Tablerix writes them, read tolerantly.
#include "PgnTagValues.h"
#include "Utf8Text.h"

#include <gtest/gtest.h>

namespace tablerix {
namespace {

TEST(PgnTagValuesTest, Clocks) {
    EXPECT_EQ(PgnTagValues::ClockText({0, 0, 12}), "0:00:12");
    EXPECT_EQ(PgnTagValues::ClockText({12, 5, 7}), "12:05:07");
    EXPECT_EQ(PgnTagValues::ClockText({0, 75, 61}), "1:16:01");   // carried over
    EXPECT_EQ(PgnTagValues::ClockText({150, 0, 0}), "99:59:59");  // two-digit hours
    using C = ClockTime;
    EXPECT_EQ(PgnTagValues::ParseClock("0:00:12"), (C{0, 0, 12}));
    EXPECT_EQ(PgnTagValues::ParseClock(" 01:02:03 "), (C{1, 2, 3}));
    EXPECT_EQ(PgnTagValues::ParseClock("5:07"), (C{0, 5, 7}));
    EXPECT_EQ(PgnTagValues::ParseClock("95"), (C{0, 1, 35}));
    EXPECT_EQ(PgnTagValues::ParseClock("0:03:12.7"), (C{0, 3, 12}));
    EXPECT_EQ(PgnTagValues::ParseClock("123:00:00"), (C{99, 59, 59}));
    for (const char* bad : {"", "-", "?", "1:2:3:4", "a:00:00", "1::2", "0:00:12.x", "-1:00:00"})
        EXPECT_FALSE(PgnTagValues::ParseClock(bad)) << bad;
}

TEST(PgnTagValuesTest, DateAndBlackPlayer) {
    EXPECT_EQ(PgnTagValues::DateText({2024, 3, 9}), "2024.03.09");
    EXPECT_EQ(PgnTagValues::DateText({}), "????.??.??");
    EXPECT_EQ(PgnTagValues::DateText({2024, 0, 0}), "2024.??.??");

    EXPECT_EQ(PgnTagValues::BlackText(false, 2), "Jugador");
    EXPECT_EQ(PgnTagValues::BlackText(true, 0), "Ordenador (Fácil)");
    EXPECT_EQ(PgnTagValues::BlackText(true, 1), "Ordenador (Normal)");
    EXPECT_EQ(PgnTagValues::BlackText(true, 2), "Ordenador (Difícil)");
    for (int d = 0; d < 3; ++d) {
        const BlackPlayer p = PgnTagValues::ParseBlack(PgnTagValues::BlackText(true, d));
        EXPECT_TRUE(p.Computer);
        EXPECT_EQ(p.Difficulty, d);
    }
    // A Latin-1 file's tag, once decoded, is recognised too.
    EXPECT_TRUE(PgnTagValues::ParseBlack(Utf8Text::Decode("Ordenador (F\xE1"
                                                          "cil)"))
                    .Computer);
    for (const char* other : {"Jugador", "Kasparov, Garry", "Ordenador", "ordenador (fácil)", ""}) {
        const BlackPlayer p = PgnTagValues::ParseBlack(other);
        EXPECT_FALSE(p.Computer) << other;
        EXPECT_EQ(p.Difficulty, -1);
    }
}

TEST(Utf8TextTest, ValidTextKeptOtherBytesReadAsWindows1252) {
    EXPECT_EQ(Utf8Text::Decode("Espa\xC3\xB1"
                               "a \xE2\x99\x9E"),
              "España ♞");
    EXPECT_EQ(Utf8Text::Decode("Espa\xF1"
                               "a \x93"
                               "bien\x94 \x80"),
              "España “bien” €");
    EXPECT_EQ(Utf8Text::Decode("\x81"), "\xC2\x81");  // undefined byte: its C1 control
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x99", "\x80"})
        EXPECT_FALSE(Utf8Text::IsValid(bad)) << bad;
    EXPECT_TRUE(Utf8Text::IsValid("\xF0\x9D\x84\x9E"));
}

}  // namespace
}  // namespace tablerix
