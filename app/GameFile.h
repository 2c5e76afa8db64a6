#pragma once
// The ".Chess" game file: composing, encoding and safely writing it, and
// reading one back into the parts a load needs. Qt core only, no widgets, so
// it is tested and fuzzed on its own. Plain values; any thread, one object
// per thread.
//
// Layout, one item per line, CR LF line ends:
//   the hidden move list's lines
//   "Tiempos..."
//   the 24-column clock-and-settings line
//   "Jugadas Jaque..."
//   the visible move list's entries
//   "Notas..."
//   the notes

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tablerix {

// Everything a save writes, as the window holds it.
struct GameRecordText {
    QStringList MoveLines;              // hidden move list, one half-move per line
    std::array<QString, 9> ClockTexts;  // LBHor LBMin LBSeg LNHor LNMin LNSeg LPHor LPMin LPseg
    std::array<int, 6> Choices{};       // ComboJugadores ComboDificultad ComboPiezas ComboOscuro ComboClaro ComboBorde
    QStringList Entries;                // visible move list, annotations included
    QString Notes;                      // notes field text, any line ends
};

// The two square texts cut from one move line; StrToSquare judges them.
struct ReplayMove {
    QString FromText;
    QString ToText;
};

class GameFile {
public:
    static constexpr int kClockFields = 9;
    static constexpr int kChoiceCount = 6;
    // Items in each choice list, in the order of GameRecordText::Choices.
    static constexpr std::array<int, kChoiceCount> kChoiceItems{2, 3, 4, 3, 3, 2};
    static constexpr int kSettingsWidth = 24;
    static constexpr int kEntryWidth = 50;
    static constexpr int kNotesLineWidth = 500;
    // Real game files are a few kilobytes; anything larger is not one and is
    // refused before it is decoded (every notes line becomes a block of the
    // notes field, so a few million short lines would freeze the window).
    // Saving refuses the same size, so whatever is saved loads back.
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    static inline const QString kTimesMarker = QStringLiteral("Tiempos...");
    static inline const QString kEntriesMarker = QStringLiteral("Jugadas Jaque...");
    static inline const QString kNotesMarker = QStringLiteral("Notas...");

    // ---- Writing ----
    // The 24-column line. Clock texts are cut or padded to two characters;
    // hours of 100 or more become "99". Indexes outside 0..9 are written "0".
    static QString SettingsLine(const std::array<QString, 9>& clocks, const std::array<int, 6>& choices);
    // The whole file text with CR LF after every line but the notes' last.
    static QString Compose(const GameRecordText& game);
    // Windows-1252 when every character fits (and the bytes cannot be taken
    // for UTF-8), otherwise UTF-8 without a BOM.
    static QByteArray Encode(const QString& text);
    // Writes through a temporary file that replaces the target only once it
    // is complete, so a failure leaves any old file intact. False on failure,
    // also for a text larger than kMaxFileBytes.
    static bool Save(const QString& path, const GameRecordText& game);
    // Writes bytes the same safe way: the target is replaced only by a
    // complete file, checked after write and flush. False on any failure.
    static bool WriteSafely(const QString& path, const QByteArray& bytes);

    // ---- Reading ----
    enum class ReadStatus { Ok, Missing, Unreadable, TooLarge };
    static ReadStatus Read(const QString& path, QByteArray& bytes);
    // Valid UTF-8 holding some non-ASCII byte is read as UTF-8, anything else
    // as Windows-1252. A leading byte-order mark is dropped.
    static QString Decode(const QByteArray& bytes);
    static bool IsUtf8WithNonAscii(const QByteArray& bytes);
    // Square texts of move line number `index` (from 0): a line starting with
    // a blank is Black's (columns 15-16, 18-19); White's are shifted right by
    // the extra digits of move numbers 10 and 100 (index 18 and 198 on).
    static ReplayMove MoveOfLine(QStringView line, int index);

    // Parses a whole file; any bytes at all are accepted.
    explicit GameFile(const QByteArray& bytes);

    int LineCount() const { return static_cast<int>(lines_.size()); }
    QStringView Line(int i) const;

    // Move lines: from the first line up to the first marker of any kind.
    int ReplayCount() const { return replayEnd_; }
    ReplayMove ReplayAt(int i) const { return MoveOfLine(Line(i), i); }

    // The line after the first "Tiempos..." marker exists.
    bool HasSettings() const { return settingsLine_ >= 0; }
    // A clock field's two characters, when present and both digits.
    std::optional<QString> ClockField(int k) const;
    // A choice index, when present, a digit, and inside its list.
    std::optional<int> Choice(int k) const;
    // Every clock field and choice of the settings line is there and sound,
    // as in any file this program saved.
    bool SettingsComplete() const;

    // A "Jugadas Jaque..." marker exists (its list may be empty).
    bool HasEntriesMarker() const { return entriesBegin_ >= 0; }
    // Lines after the first "Jugadas Jaque..." up to the next "Notas...", or
    // to the end, each cut to kEntryWidth; the size limit bounds their number.
    QStringList Entries() const;
    int EntryCount() const { return entriesBegin_ < 0 ? 0 : entriesEnd_ - entriesBegin_; }
    // Lines after the first "Notas..." to the end, each cut to kNotesLineWidth.
    QStringList NotesLines() const;

private:
    struct Span {
        std::uint32_t Pos;
        std::uint32_t Len;
    };
    static bool StartsWith(QStringView line, const QString& marker);
    int FindFirst(const QString& marker, int from) const;

    QString text_;
    std::vector<Span> lines_;
    int replayEnd_ = 0;
    int settingsLine_ = -1;
    int entriesBegin_ = -1;
    int entriesEnd_ = -1;
    int notesBegin_ = -1;
};

}  // namespace tablerix
