#pragma once
// The ".Chess" game file's layout, and composing one. Plain UTF-16 text, the
// units Qt strings use, so every width and column counts exactly as the
// window sees it. Pure functions; any thread.
//
// Layout, one item per line, CR LF line ends:
//   the hidden move list's lines
//   "Tiempos..."
//   the 24-column clock-and-settings line
//   "Jugadas Jaque..."
//   the visible move list's entries
//   "Notas..."
//   the notes

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tablerix {

// Everything a save writes.
struct GameFileRecord {
    std::vector<std::u16string> MoveLines;     // hidden move list, one half-move per line
    std::array<std::u16string, 9> ClockTexts;  // LBHor LBMin LBSeg LNHor LNMin LNSeg LPHor LPMin LPseg
    std::array<int, 6> Choices{};  // ComboJugadores ComboDificultad ComboPiezas ComboOscuro ComboClaro ComboBorde
    std::vector<std::u16string> Entries;  // visible move list, annotations included
    std::u16string Notes;                 // notes field text, any line ends
};

// The two square texts cut from one move line, as views into that line.
struct LineMove {
    std::u16string_view FromText;
    std::u16string_view ToText;
};

class GameFileFormat {
public:
    static constexpr int kClockFields = 9;
    static constexpr int kChoiceCount = 6;
    // Items in each choice list, in the order of GameFileRecord::Choices.
    static constexpr std::array<int, kChoiceCount> kChoiceItems{2, 3, 4, 3, 3, 2};
    static constexpr int kSettingsWidth = 24;
    static constexpr int kEntryWidth = 50;
    static constexpr int kNotesLineWidth = 500;
    // Real game files are a few kilobytes; anything larger is not one and is
    // refused before it is decoded (every notes line becomes a block of the
    // notes field, so a few million short lines would freeze the window).
    // Saving refuses the same size, so whatever is saved loads back.
    static constexpr std::int64_t kMaxFileBytes = 1024 * 1024;

    static constexpr std::u16string_view kTimesMarker = u"Tiempos...";
    static constexpr std::u16string_view kEntriesMarker = u"Jugadas Jaque...";
    static constexpr std::u16string_view kNotesMarker = u"Notas...";

    // The 24-column line. Clock texts are cut or padded to two characters;
    // hours of 100 or more become "99". Indexes outside 0..9 are written "0".
    static std::u16string SettingsLine(const std::array<std::u16string, kClockFields>& clocks,
                                       const std::array<int, kChoiceCount>& choices);
    // The whole file text with CR LF after every line but the notes' last;
    // the notes' own line ends (CR LF, LF, CR, the editor's separators)
    // all become CR LF.
    static std::u16string Compose(const GameFileRecord& game);

    // True when line opens with any of the three markers (text may follow).
    static bool IsMarkerLine(std::u16string_view line) noexcept;
    // Square texts of move line number `index` (from 0): a line starting with
    // a blank is Black's (columns 15-16, 18-19); White's are shifted right by
    // the extra digits of move numbers 10 and 100 (index 18 and 198 on).
    // Short lines give short or empty texts.
    static LineMove MoveOfLine(std::u16string_view line, int index) noexcept;
    // The first n units of s, one fewer when a surrogate pair would be split.
    static std::u16string Cut(std::u16string_view s, std::size_t n);
};

}  // namespace tablerix
