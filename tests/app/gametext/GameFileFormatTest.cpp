// The ".Chess" format in plain C++: what Compose writes, GameFileText reads
// back, and the cuts and columns count UTF-16 units as the window does.
#include "GameFileFormat.h"
#include "GameFileText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tablerix {
namespace {

GameFileRecord SampleRecord() {
    GameFileRecord g;
    g.MoveLines = {u"1. E2-E4", u"              E7-E5", u"2. G1-F3"};
    g.ClockTexts = {u"00", u"01", u"02", u"00", u"03", u"04", u"00", u"04", u"06"};
    g.Choices = {1, 2, 3, 2, 0, 1};
    g.Entries = {u"1. E2-E4", u"              E7-E5", u"2. G1-F3            Jaque"};
    g.Notes = u"uno\r\ndos\nTres\u2029cuatro\u2028 \U0001D11E";
    return g;
}

TEST(GameFileFormatTest, ComposedTextReadsBackWhole) {
    const GameFileRecord g = SampleRecord();
    const GameFileText f(GameFileFormat::Compose(g));

    ASSERT_EQ(f.ReplayCount(), 3);
    EXPECT_EQ(f.ReplayAt(0).FromText, u"E2");
    EXPECT_EQ(f.ReplayAt(1).ToText, u"E5");
    EXPECT_EQ(f.ReplayAt(2).FromText, u"G1");
    EXPECT_TRUE(f.SettingsComplete());
    for (int k = 0; k < GameFileFormat::kClockFields; ++k) EXPECT_EQ(f.ClockField(k), g.ClockTexts[k]) << k;
    for (int k = 0; k < GameFileFormat::kChoiceCount; ++k) EXPECT_EQ(f.Choice(k), g.Choices[k]) << k;
    EXPECT_TRUE(f.HasEntriesMarker());
    EXPECT_EQ(f.EntryCount(), 3);
    EXPECT_EQ(f.Entries(), g.Entries);
    // Every kind of line end in the notes came out as one line break.
    EXPECT_EQ(f.NotesLines(), (std::vector<std::u16string>{u"uno", u"dos", u"Tres", u"cuatro", u" \U0001D11E"}));
}

TEST(GameFileFormatTest, AGameBeforeItsFirstMoveHasOnlySettings) {
    GameFileRecord g;
    // Short fields padded, long ones cut, hours past 99 capped, indexes
    // outside one digit written as 0.
    g.ClockTexts = {u"", u"5", u"123", u"100", u"05", u"6", u"7", u"", u""};
    g.Choices = {-1, 10, 3, 0, 0, 1};
    const std::u16string text = GameFileFormat::Compose(g);
    EXPECT_EQ(text, u"Tiempos...\r\n000512990506070000003001\r\nJugadas Jaque...\r\nNotas...\r\n");

    const GameFileText f(text);
    EXPECT_EQ(f.LineCount(), 4);
    EXPECT_EQ(f.ReplayCount(), 0);
    EXPECT_TRUE(f.SettingsComplete());
    EXPECT_TRUE(f.HasEntriesMarker());
    EXPECT_EQ(f.EntryCount(), 0);
    EXPECT_TRUE(f.NotesLines().empty());
}

TEST(GameFileFormatTest, CutsNeverSplitASurrogatePair) {
    // A clef (two units) straddling the 50th unit of an entry and the 500th
    // of a notes line: the whole pair goes, never half of it.
    const std::u16string clef = u"\U0001D11E";
    const std::u16string entry = std::u16string(49, u'e') + clef + u"tail";
    const std::u16string note = std::u16string(499, u'n') + clef;
    const GameFileText f(u"Jugadas Jaque...\n" + entry + u"\nNotas...\n" + note);
    ASSERT_EQ(f.Entries().size(), 1u);
    EXPECT_EQ(f.Entries()[0], std::u16string(49, u'e'));
    ASSERT_EQ(f.NotesLines().size(), 1u);
    EXPECT_EQ(f.NotesLines()[0], std::u16string(499, u'n'));
    // A pair that ends exactly on the width is kept.
    EXPECT_EQ(GameFileFormat::Cut(std::u16string(48, u'e') + clef + u"x", 50), std::u16string(48, u'e') + clef);
    EXPECT_EQ(GameFileFormat::Cut(u"abc", 50), u"abc");
}

TEST(GameFileFormatTest, LinesStayValidAfterCopyAndMove) {
    // Short texts live inside the string object itself: views must be taken
    // from the copy, not from where the text was first parsed.
    GameFileText original(u"1. E2-E4\r\nTiempos...\r\n0");
    const GameFileText copy = original;
    const GameFileText moved = std::move(original);
    for (const GameFileText* f : {&copy, &moved}) {
        EXPECT_EQ(f->Line(0), u"1. E2-E4");
        EXPECT_EQ(f->ReplayAt(0).ToText, u"E4");
        EXPECT_EQ(f->Line(2), u"0");
        EXPECT_TRUE(f->HasSettings());
        EXPECT_FALSE(f->ClockField(0));
    }
}

TEST(GameFileFormatTest, MarkersOpenALineOrAreNoMarkers) {
    EXPECT_TRUE(GameFileFormat::IsMarkerLine(u"Tiempos..."));
    EXPECT_TRUE(GameFileFormat::IsMarkerLine(u"Notas... y algo"));
    EXPECT_TRUE(GameFileFormat::IsMarkerLine(u"Jugadas Jaque...!!"));
    EXPECT_FALSE(GameFileFormat::IsMarkerLine(u" Notas..."));
    EXPECT_FALSE(GameFileFormat::IsMarkerLine(u"Jugadas Jaque.."));
    EXPECT_FALSE(GameFileFormat::IsMarkerLine(u"tiempos..."));
    EXPECT_FALSE(GameFileFormat::IsMarkerLine(u""));
    // Out-of-range lines read as empty.
    const GameFileText f(u"x");
    EXPECT_TRUE(f.Line(-1).empty());
    EXPECT_TRUE(f.Line(1).empty());
}

}  // namespace
}  // namespace tablerix
