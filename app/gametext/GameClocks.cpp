#include "GameClocks.h"

#include <limits>

namespace tablerix {

void GameClocks::Counter::Advance() noexcept {
    if (++Seconds > 59) {
        Seconds = 0;
        ++Minutes;
    }
    if (Minutes > 59) {
        Minutes = 0;
        // Saturate rather than overflow; no game lasts 245,000 years.
        if (Hours < std::numeric_limits<std::int32_t>::max()) ++Hours;
    }
}

void GameClocks::Tick(bool whiteToMove) noexcept {
    GameClock.Advance();
    (whiteToMove ? WhiteClock : BlackClock).Advance();
}

void GameClocks::Reset() noexcept {
    GameClock.Reset();
    WhiteClock.Reset();
    BlackClock.Reset();
}

std::string GameClocks::TwoDigits(std::int32_t value) {
    std::string text = std::to_string(value);
    if (value >= 0 && value < 10) text.insert(text.begin(), '0');
    return text;
}

std::int32_t GameClocks::FromText(std::string_view text) noexcept {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    const auto last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return 0;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace tablerix
