#pragma once
// Tag values that Tablerix writes and reads back: the clocks as H:MM:SS, the
// date as YYYY.MM.DD and Black's player as "Jugador" or "Ordenador (…)".
// Pure functions; any thread.

#include "PgnTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace tablerix {

class PgnTagValues {
public:
    static constexpr const char* kHuman = "Jugador";

    // "0:05:07"; values out of range are carried over, and the whole capped
    // at 99:59:59 as the window's clocks are.
    static std::string ClockText(const ClockTime& clock);
    // "H:MM:SS", tolerant: blanks around, one or two hour digits, "M:SS" or
    // plain seconds, a fraction of a second (dropped), minutes or seconds
    // past 59 (carried over). Nothing for text that is not a time.
    static std::optional<ClockTime> ParseClock(std::string_view text);

    // "2024.03.09"; an unknown field as "????" or "??".
    static std::string DateText(const GameDate& date);

    // "Jugador", or "Ordenador (Fácil)" / "(Normal)" / "(Difícil)" for the
    // difficulty index 0, 1, 2 (others are clamped).
    static std::string BlackText(bool computer, int difficulty);
    // Black's player of a "Black" tag: a text BlackText writes gives that
    // player and difficulty; anything else a human ("Jugador"), difficulty -1.
    static BlackPlayer ParseBlack(std::string_view text);
};

}  // namespace tablerix
