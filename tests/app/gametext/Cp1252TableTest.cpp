// The Windows-1252 table: both directions agree, and it is the code page.
#include "Cp1252Table.h"

#include <gtest/gtest.h>

namespace tablerix {
namespace {

TEST(Cp1252TableTest, EveryByteRoundTripsThroughItsCharacter) {
    for (int b = 0; b < 256; ++b) {
        const char16_t c = Cp1252Table::CharOf(static_cast<unsigned char>(b));
        EXPECT_EQ(Cp1252Table::ByteOf(c), b) << b;
    }
}

TEST(Cp1252TableTest, OnlyTheTableCharactersHaveAByte) {
    int withByte = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const int b = Cp1252Table::ByteOf(c);
        if (b < 0) continue;
        ++withByte;
        ASSERT_LT(b, 256);
        EXPECT_EQ(Cp1252Table::CharOf(static_cast<unsigned char>(b)), c) << static_cast<int>(c);
    }
    EXPECT_EQ(withByte, 256);                           // one character per byte, no two bytes alike
    EXPECT_EQ(Cp1252Table::ByteOf(U'\U0001D11E'), -1);  // past the 16-bit plane
}

TEST(Cp1252TableTest, KnownCharacters) {
    EXPECT_EQ(Cp1252Table::CharOf(0x41), u'A');
    EXPECT_EQ(Cp1252Table::CharOf(0x80), u'€');
    EXPECT_EQ(Cp1252Table::CharOf(0x93), u'“');
    EXPECT_EQ(Cp1252Table::CharOf(0x9F), u'Ÿ');
    EXPECT_EQ(Cp1252Table::CharOf(0xA0), u'\u00A0');
    EXPECT_EQ(Cp1252Table::CharOf(0xF1), u'ñ');
    EXPECT_EQ(Cp1252Table::CharOf(0x81), u'\u0081');  // undefined: its C1 control
    EXPECT_EQ(Cp1252Table::ByteOf(U'Œ'), 0x8C);
    EXPECT_EQ(Cp1252Table::ByteOf(U'\u0080'), -1);  // € took its place
    EXPECT_EQ(Cp1252Table::ByteOf(U'Ł'), -1);
}

}  // namespace
}  // namespace tablerix
