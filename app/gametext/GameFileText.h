#pragma once
// A ".Chess" file's decoded text cut into lines and read section by section
// (see GameFileFormat for the layout). Any text at all is accepted; whatever
// is damaged or missing reads as absent, never past a line's end. Owns its
// text; the views it hands out live as long as the object. Plain value; any
// thread, one object per thread.

#include "GameFileFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tablerix {

class GameFileText {
public:
    // CR LF, LF and CR all end a line; a final line end adds no empty line.
    explicit GameFileText(std::u16string text);

    int LineCount() const { return static_cast<int>(lines_.size()); }
    // Line i without its line end; empty outside 0..LineCount()-1.
    std::u16string_view Line(int i) const;

    // Move lines: from the first line up to the first marker of any kind.
    int ReplayCount() const { return replayEnd_; }
    LineMove ReplayAt(int i) const { return GameFileFormat::MoveOfLine(Line(i), i); }

    // The line after the first "Tiempos..." marker exists.
    bool HasSettings() const { return settingsLine_ >= 0; }
    // A clock field's two characters, when present and both digits.
    std::optional<std::u16string_view> ClockField(int k) const;
    // A choice index, when present, a digit, and inside its list.
    std::optional<int> Choice(int k) const;
    // Every clock field and choice of the settings line is there and sound,
    // as in any file this program saved.
    bool SettingsComplete() const;

    // A "Jugadas Jaque..." marker exists (its list may be empty).
    bool HasEntriesMarker() const { return entriesBegin_ >= 0; }
    // Lines after the first "Jugadas Jaque..." up to the next "Notas...", or
    // to the end, each cut to kEntryWidth; the size limit bounds their number.
    std::vector<std::u16string> Entries() const;
    int EntryCount() const { return entriesBegin_ < 0 ? 0 : entriesEnd_ - entriesBegin_; }
    // Lines after the first "Notas..." to the end, each cut to kNotesLineWidth.
    std::vector<std::u16string> NotesLines() const;

private:
    // Offsets rather than views, so copies and moves stay valid.
    struct Span {
        std::uint32_t Pos;
        std::uint32_t Len;
    };
    void SplitLines();
    void FindSections();
    int FindFirst(std::u16string_view marker, int from) const;
    std::vector<std::u16string> CutLines(int begin, int end, int width) const;

    std::u16string text_;
    std::vector<Span> lines_;
    int replayEnd_ = 0;
    int settingsLine_ = -1;
    int entriesBegin_ = -1;
    int entriesEnd_ = -1;
    int notesBegin_ = -1;
};

}  // namespace tablerix
