#pragma once
// The ".Chess" game file for the window: encoding, safely writing and reading
// it, and the parts a load needs as Qt strings. The layout, composing and
// parsing are plain C++ in GameFileFormat and GameFileText; this wrapper adds
// the bytes and the Qt types. Qt core only, no widgets, so it is tested and
// fuzzed on its own. Plain values; any thread, one object per thread.

#include "GameFileFormat.h"
#include "GameFileText.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

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
    static constexpr int kClockFields = GameFileFormat::kClockFields;
    static constexpr int kChoiceCount = GameFileFormat::kChoiceCount;
    // Items in each choice list, in the order of GameRecordText::Choices.
    static constexpr std::array<int, kChoiceCount> kChoiceItems = GameFileFormat::kChoiceItems;
    static constexpr int kSettingsWidth = GameFileFormat::kSettingsWidth;
    static constexpr int kEntryWidth = GameFileFormat::kEntryWidth;
    static constexpr int kNotesLineWidth = GameFileFormat::kNotesLineWidth;
    // Larger files are refused when read and when saved.
    static constexpr qint64 kMaxFileBytes = GameFileFormat::kMaxFileBytes;

    // ---- Writing ----
    // The 24-column line (see GameFileFormat::SettingsLine).
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
    // Square texts of move line number `index` (see GameFileFormat::MoveOfLine).
    static ReplayMove MoveOfLine(QStringView line, int index);

    // Parses a whole file; any bytes at all are accepted.
    explicit GameFile(const QByteArray& bytes);

    int LineCount() const { return text_.LineCount(); }
    QStringView Line(int i) const;

    // Move lines: from the first line up to the first marker of any kind.
    int ReplayCount() const { return text_.ReplayCount(); }
    ReplayMove ReplayAt(int i) const;

    // The line after the first "Tiempos..." marker exists.
    bool HasSettings() const { return text_.HasSettings(); }
    // A clock field's two characters, when present and both digits.
    std::optional<QString> ClockField(int k) const;
    // A choice index, when present, a digit, and inside its list.
    std::optional<int> Choice(int k) const { return text_.Choice(k); }
    // Every clock field and choice of the settings line is there and sound,
    // as in any file this program saved.
    bool SettingsComplete() const { return text_.SettingsComplete(); }

    // A "Jugadas Jaque..." marker exists (its list may be empty).
    bool HasEntriesMarker() const { return text_.HasEntriesMarker(); }
    // Lines after the first "Jugadas Jaque..." up to the next "Notas...", or
    // to the end, each cut to kEntryWidth; the size limit bounds their number.
    QStringList Entries() const;
    int EntryCount() const { return text_.EntryCount(); }
    // Lines after the first "Notas..." to the end, each cut to kNotesLineWidth.
    QStringList NotesLines() const;

private:
    GameFileText text_;
};

}  // namespace tablerix
