#pragma once
// Plain data passed between the PGN code and its users: the game to write,
// the game as read (tags, notes, move tokens), clock and date values and
// Black's player. No behaviour; any thread.

#include "HalfMove.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tablerix {

// A count-up clock; hours 0..99 as the window shows them.
struct ClockTime {
    int Hours = 0;
    int Minutes = 0;
    int Seconds = 0;
    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

// 0 in a field means unknown ("??" in the tag).
struct GameDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

// Black's side as Tablerix chooses it: the player list's "Ordenador" or
// "Jugador", and the difficulty list's index (0 "Fácil", 1 "Normal",
// 2 "Difícil"), -1 when the text names none.
struct BlackPlayer {
    bool Computer = false;
    int Difficulty = -1;
};

// A game to export. Moves run from the standard starting position.
struct PgnExport {
    GameDate Date;
    std::string Black = "Jugador";  // see PgnTagValues::BlackText
    // Empty: the writer takes the result of the position after the moves.
    std::string Result;
    ClockTime WhiteClock, BlackClock, GameClock;
    std::string Notes;  // UTF-8; written as one comment before the first move
    std::vector<HalfMove> Moves;
};

struct PgnTag {
    std::string Name;
    std::string Value;  // unescaped, UTF-8
};

struct PgnMoveToken {
    int HalfMove = 0;  // 1 for White's first move, 2 for Black's reply ...
    std::string Text;  // as written, UTF-8
    // The move number a reader of the game sees: 12 for both 12. and 12...
    int MoveNumber() const noexcept { return (HalfMove + 1) / 2; }
};

// The first game of a PGN text, not yet checked against the rules.
struct PgnGameText {
    std::vector<PgnTag> Tags;  // in file order
    // The comments before the first move, joined by a newline; UTF-8, LF ends.
    std::string Notes;
    std::vector<PgnMoveToken> Moves;
    std::string Result;        // the termination marker, empty when the game just ends
    std::size_t Consumed = 0;  // bytes of the input read, up to the game's end

    // The value of the first tag of that name, or nullptr.
    const std::string* Tag(const std::string& name) const {
        for (const PgnTag& t : Tags)
            if (t.Name == name) return &t.Value;
        return nullptr;
    }
};

}  // namespace tablerix
